// Opening the calculation window; see calcopener.h.
#include "gui/calc/calcopener.h"

#include "gui/calc/calcmessagebox.h"
#include "gui/calc/calcwindow.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"

namespace tarvik::gui {

namespace {

int sideIndex(int side)
{
    return side == kSideLeft ? kSideLeft : kSideRight;
}

} // namespace

CalcOpener::CalcOpener(Platform &platform, const DataFolder &data, LayoutDocument &document,
    SettingsOwner &settings, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_data(data)
    , m_document(document)
    , m_settings(settings)
{
    connect(&document, &LayoutDocument::layoutChanged, this, &CalcOpener::follow);
}

CalcWindow *CalcOpener::open(CalcMode mode, int shimSide, QWidget *opener)
{
    // One that is up closes; one already closing (accepted or cancelled, its
    // deletion still queued) is let go as it is.
    if (CalcWindow *up = window()) {
        up->closeWindow();
    }
    m_window = nullptr;
    const int side = sideIndex(shimSide);
    const CalcContext context(m_document.state(), m_settings.get(), side,
        mode == CalcMode::Shim ? m_shimChoices[std::size_t(side)] : std::nullopt);
    CalcOpenResult opened = openCalcWindow(mode, m_data.root().toStdString(), context);
    QWidget *parent = opener ? opener : m_mainWindow.data();
    if (!opened.session) {
        if (opened.refusal) {
            showCalcMessage(m_platform, parent, *opened.refusal);
        }
        return nullptr;
    }
    auto *window = new CalcWindow(
        m_platform, m_document, m_settings, m_data.root(), std::move(opened.session), parent);
    connect(window, &CalcWindow::shimChoicesAccepted, this,
        [this](int acceptedSide, const ShimChoices &choices) {
            m_shimChoices[std::size_t(sideIndex(acceptedSide))] = choices;
        });
    m_window = window;
    window->start(opened.feedback);
    return window;
}

CalcWindow *CalcOpener::window() const
{
    // A closing window is on its way to deletion: it is nobody's to use.
    return m_window && !m_window->isClosing() ? m_window.data() : nullptr;
}

std::optional<ShimChoices> CalcOpener::shimChoices(int side) const
{
    return m_shimChoices[std::size_t(sideIndex(side))];
}

void CalcOpener::follow(const LayoutChange &change)
{
    // A new layout or a file read: the remembered shims were for the old car.
    if (change.everything) {
        m_shimChoices = {};
    }
    // The shim calculator works from the points it read when it opened; once
    // the user changed them (the main window can be used while its help is
    // up), accepting would write back arm points made from the old ones.
    const bool pointsChanged = change.everything || !change.entries.isEmpty();
    CalcWindow *up = window();
    if (up && up->session().mode() == CalcMode::Shim && pointsChanged && !change.fromSolve) {
        up->closeWindow();
    }
}

} // namespace tarvik::gui

// The calculation window's controls refreshed from the session after every
// call, and the keyboard and focus rules of its boxes and lists. The layout
// of the controls is in calcwindowlayout.cpp; the commands of the buttons
// and the closing rules are in calcwindowcommands.cpp.
#include "gui/calc/calcwindow.h"

#include "gui/calc/calcmessagebox.h"
#include "gui/calc/shimtargetframe.h"
#include "gui/common/screenplacement.h"
#include "gui/common/shippedtextdisplay.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace tarvik::gui {

namespace {

// Where the old form opened, from the screen's top-left corner.
constexpr int kLeftTwips = 5100;
constexpr int kSpringLeftTwips = 1000;
constexpr int kTopTwips = 320;

CalcKey calcKey(const QKeyEvent *event)
{
    // Alt with an arrow opens a list; that is not a move between fields.
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        return alt ? CalcKey::Other : CalcKey::Up;
    case Qt::Key_Down:
        return alt ? CalcKey::Other : CalcKey::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CalcKey::Enter;
    case Qt::Key_Shift:
        return CalcKey::Shift;
    default:
        return CalcKey::Other;
    }
}

bool leavesTheWindow(const QFocusEvent *event)
{
    // A menu, a popup or another window taking the focus is not leaving
    // the box: the user comes back to it.
    return event->reason() == Qt::PopupFocusReason
        || event->reason() == Qt::ActiveWindowFocusReason;
}

} // namespace

CalcWindow::CalcWindow(Platform &platform, LayoutDocument &document, SettingsOwner &settings,
    const QString &dataRoot, std::unique_ptr<CalcSession> session, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_document(document)
    , m_settings(settings)
    , m_dataRoot(dataRoot)
    , m_session(std::move(session))
    , m_shim(dynamic_cast<ShimCalc *>(m_session.get()))
{
    setObjectName(QStringLiteral("frmCalcData"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    build();
    refresh();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &CalcWindow::focusWindowChanged);
}

CalcWindow::~CalcWindow()
{
    // Deleted while shown (with the window it was opened over), the base
    // classes hide it and move the activation; this window's part is gone by
    // then, so it must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

QLineEdit *CalcWindow::box(int k) const
{
    return k >= 1 && k <= kCalcMaxInputRows ? m_rows[std::size_t(k)].box : nullptr;
}

QGroupBox *CalcWindow::frame(int f) const
{
    return f == 1 || f == 2 ? m_frames[std::size_t(f - 1)] : nullptr;
}

void CalcWindow::refresh()
{
    m_refreshing = true;
    setWindowTitle(calcLabelText(m_session->caption()));
    keepOnScreen(this);
    for (int j = 0; j < kCalcMaxOutputRows; ++j) {
        const CalcOutputRow &out = m_session->output(j);
        for (QLabel *label : { m_outNames[std::size_t(j)], m_outValues[std::size_t(j)] }) {
            label->setVisible(out.visible);
            label->setEnabled(out.enabled);
        }
        m_outNames[std::size_t(j)]->setText(calcLabelText(out.name));
        m_outValues[std::size_t(j)]->setText(calcLabelText(out.value));
    }
    for (int f = 1; f <= 2; ++f) {
        if (QGroupBox *box = frame(f)) {
            box->setTitle(calcLabelText(m_session->frameCaption(f)));
        }
    }
    m_noteFrame->setVisible(m_session->noteVisible());
    m_noteFrame->setTitle(calcLabelText(m_session->noteCaption()));
    m_note->setText(calcLabelText(m_session->noteText()));
    for (int k = 1; k <= kCalcMaxInputRows; ++k) {
        const Row &r = m_rows[std::size_t(k)];
        if (!r.caption) {
            continue;
        }
        const CalcInputRow &row = m_session->row(k);
        QWidget *control = r.box ? static_cast<QWidget *>(r.box) : r.choice;
        r.caption->setText(calcLabelText(row.caption));
        for (QWidget *widget : { static_cast<QWidget *>(r.caption), control }) {
            widget->setVisible(row.visible);
            widget->setEnabled(row.enabled);
        }
        if (r.box && r.box->text() != calcLabelText(row.text)) {
            r.box->setText(calcLabelText(row.text));
        }
        if (r.choice && r.choice->currentIndex() != row.choiceIndex) {
            r.choice->setCurrentIndex(row.choiceIndex);
        }
    }
    if (m_target) {
        m_target->refresh(m_shim->shimTarget());
    }
    m_accept->setText(calcLabelText(m_session->acceptCaption()));
    m_accept->setEnabled(m_session->acceptEnabled());
    m_refreshing = false;
}

int CalcWindow::rowOf(const QObject *widget) const
{
    if (!widget) {
        return 0;
    }
    if (m_target && widget == m_target->box()) {
        return kTargetRow;
    }
    for (int k = 1; k <= kCalcMaxInputRows; ++k) {
        const Row &r = m_rows[std::size_t(k)];
        if ((r.box && r.box == widget) || (r.choice && r.choice == widget)) {
            return k;
        }
    }
    return 0;
}

QLineEdit *CalcWindow::editFor(int k) const
{
    return k == kTargetRow && m_target ? m_target->box() : box(k);
}

void CalcWindow::start(const CalcFeedback &opening)
{
    const QWidget *anchor = parentWidget() ? parentWidget() : this;
    const QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const int left = m_session->mode() == CalcMode::Spring ? kSpringLeftTwips : kLeftTwips;
        move(available.left() + twipsToPixels(left), available.top() + twipsToPixels(kTopTwips));
    }
    show();
    raise();
    activateWindow();
    showFeedback(opening);
}

bool CalcWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int k = rowOf(watched);
    if (k == 0 || m_closing) {
        return QDialog::eventFilter(watched, event);
    }
    QLineEdit *const lineEdit = editFor(k);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Coming back from a popup or another window into the control the
        // user was in is not a new visit: a box keeps its text on entry.
        if (!leavesTheWindow(static_cast<QFocusEvent *>(event)) || k != m_visited) {
            m_visited = k;
            if (k == kTargetRow) {
                m_shim->shimTargetEntered();
            } else {
                m_session->focusEntered(k);
            }
            if (QLineEdit *edit = lineEdit) {
                // After a click the box places its cursor; select once it has.
                QTimer::singleShot(0, edit, [edit] {
                    if (edit->hasFocus()) {
                        edit->selectAll();
                    }
                });
            }
        }
        break;
    }
    case QEvent::FocusOut:
        if (lineEdit && !leavesTheWindow(static_cast<QFocusEvent *>(event))) {
            if (m_visited == k) {
                m_visited = 0;
            }
            leaveBox(k);
        }
        break;
    case QEvent::KeyPress: {
        const CalcKey key = calcKey(static_cast<QKeyEvent *>(event));
        // Row 0 is no row: the target box moves the focus as any box does.
        const CalcFocusMove move = m_session->keyPressed(k == kTargetRow ? 0 : k, key);
        if (move != CalcFocusMove::None) {
            focusNextPrevChild(move == CalcFocusMove::Next);
        }
        // Arrows and Enter only move between fields; a list never sees them.
        if (move != CalcFocusMove::None || key == CalcKey::Enter) {
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CalcWindow::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CalcWindow::choiceActivated(int k, int index)
{
    if (m_refreshing || m_closing) {
        return;
    }
    const CalcFeedback feedback = m_session->choiceClicked(k, index);
    refresh();
    showFeedback(feedback);
}

void CalcWindow::targetSwitched(bool on)
{
    if (m_refreshing || m_closing) {
        return;
    }
    const CalcFeedback feedback = m_shim->setShimTargetOn(on);
    refresh();
    if (on) {
        m_target->box()->setFocus(Qt::TabFocusReason);
    }
    showFeedback(feedback);
}

void CalcWindow::leaveBox(int k)
{
    QLineEdit *edit = editFor(k);
    if (!edit) {
        return;
    }
    const std::string text = edit->text().toStdString();
    const CalcFeedback feedback
        = k == kTargetRow ? m_shim->leaveShimTarget(text) : m_session->leaveBox(k, text);
    refresh();
    if (!feedback.messages.empty() || feedback.keepFocus) {
        queueFeedback(k, feedback);
    }
}

void CalcWindow::queueFeedback(int k, const CalcFeedback &feedback)
{
    // The focus is still moving when a box is left; a message box opened
    // now would take part in that move. It shows once pending events ran,
    // or as soon as a command needs the box's value.
    const bool first = m_pending.messages.empty() && !m_pending.keepFocus;
    m_pending.messages.insert(
        m_pending.messages.end(), feedback.messages.begin(), feedback.messages.end());
    if (feedback.keepFocus) {
        m_pending.keepFocus = true;
        m_pendingRow = k;
    }
    if (first) {
        QTimer::singleShot(0, this, [this] { showPendingFeedback(); });
    }
}

bool CalcWindow::showPendingFeedback()
{
    const CalcFeedback feedback = std::exchange(m_pending, CalcFeedback {});
    const int k = std::exchange(m_pendingRow, 0);
    if (m_closing) {
        return false;
    }
    showFeedback(feedback);
    if (!feedback.keepFocus) {
        return true;
    }
    if (QLineEdit *edit = editFor(k); edit && edit->isEnabled() && edit->isVisible()) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    return false;
}

void CalcWindow::showFeedback(const CalcFeedback &feedback)
{
    for (const CalcMessage &message : feedback.messages) {
        const OwnTurn turn(*this);
        showCalcMessage(m_platform, this, message);
    }
}

bool CalcWindow::commitPending()
{
    // Text typed into the box that has the focus counts as left, so the
    // command sees (and checks) the value the user sees.
    const int k = rowOf(QApplication::focusWidget());
    const std::string &taken = k == kTargetRow ? m_shim->shimTarget().text : m_session->row(k).text;
    if (QLineEdit *edit = editFor(k); edit && edit->text().toStdString() != taken) {
        leaveBox(k);
        if (!m_pending.keepFocus) {
            // The visit goes on from the taken text.
            if (k == kTargetRow) {
                m_shim->shimTargetEntered();
            } else {
                m_session->focusEntered(k);
            }
        }
    }
    return showPendingFeedback();
}

} // namespace tarvik::gui

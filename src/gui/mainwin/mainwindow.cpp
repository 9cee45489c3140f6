// frmTK: construction, the views' wiring to the layout document, the help
// box, activation and closing. The widgets are put together in
// mainwindowwidgets.cpp; the menu commands are in mainwindowcommands.cpp and
// mainmenus.cpp.
#include "gui/mainwin/mainwindow.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/fieldinfo.h"
#include "core/layout/maintexts.h"
#include "gui/common/screenplacement.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/mainwin/diverollpanel.h"
#include "gui/mainwin/drawingexport.h"
#include "gui/mainwin/entryboxes.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/mainmenus.h"
#include "gui/mainwin/mainprinting.h"
#include "gui/mainwin/otherdimensionspanel.h"
#include "gui/mainwin/pointdragger.h"
#include "gui/mainwin/specgrid.h"
#include "gui/platform/platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QWhatsThis>

namespace tarvik::gui {

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QString qs(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

MainWindow::MainWindow(Platform &platform, const DataFolder &data, SettingsOwner &settings,
    LayoutDocument &document, VehicleFolders &folders, bool extendedRoll, MainWindowHooks hooks,
    QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_data(data)
    , m_settings(settings)
    , m_document(document)
    , m_extendedRoll(extendedRoll)
    , m_hooks(std::move(hooks))
{
    buildWidgets();
    m_files = std::make_unique<FileCommands>(platform, document, folders, this);
    m_drawingExport = std::make_unique<DrawingExport>(platform, document, *m_view, folders, this);
    m_printing = std::make_unique<MainPrinting>(platform, *this);
    m_menus = new MainMenus(*this, m_hooks);
    m_dragger = new PointDragger(
        *m_view, document, settings,
        [this]() -> const FieldDefinitions & { return m_boxes->definitions(); },
        [this] { return m_boxes->commitPending(); }, this);
    QStatusBar *status = statusBar(); // made now, so the window keeps one layout
    status->setObjectName(QStringLiteral("StatusBar"));
    connect(m_dragger, &PointDragger::statusChanged, status,
        [status](const QString &text) { status->showMessage(text); });
    setAcceptDrops(true);
    // The result names: the first 16 lines of OUTHELP.TXT; missing lines stay empty.
    QFile names(m_data.path(QStringLiteral("TKTEXT/OUTHELP.TXT")));
    if (names.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (QString &name : m_resultNames) {
            if (names.atEnd()) {
                break;
            }
            name = QString::fromUtf8(names.readLine()).remove(u'\r').remove(u'\n');
        }
    }
    connect(&document, &LayoutDocument::layoutChanged, this, &MainWindow::followLayout);
    connect(&document, &LayoutDocument::solved, this, &MainWindow::showSolve);
    connect(&settings, &SettingsOwner::changed, m_menus, &MainMenus::updateChecks);
    loadFieldDefinitions();
    setWindowTitle(document.caption());
    setWindowModified(document.isChanged());
    refreshPanel();
    document.redraw();
    resize(1240, 760);
    // Every other window opens beside the boxes; this one only inside the
    // screen, made smaller on a small one.
    setInputArea(m_grid);
    keepOnScreen(this);
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QLineEdit *MainWindow::box(Entry entry) const
{
    return m_boxes->box(entry);
}

void MainWindow::showHelpText(const QString &text)
{
    m_helpEntry.reset();
    m_help->setText(text);
}

void MainWindow::showFieldHelp(Entry entry)
{
    showHelpText(m_boxes->definition(entry));
    m_helpEntry = entry;
}

void MainWindow::showBoxHelp(Entry entry)
{
    // The box's name and definition beside it, until the next key or click.
    QLineEdit *edit = box(entry);
    const QString name = QString::fromStdString(m_boxes->definitions().at(entry.number()).name);
    const QString text = m_boxes->definition(entry);
    showFieldHelp(entry);
    QWhatsThis::showText(edit->mapToGlobal(QPoint(0, edit->height())),
        QStringLiteral("<b>%1</b><p>%2</p>").arg(name.toHtmlEscaped(), text.toHtmlEscaped()), edit);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextPrevChild(true);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

namespace {

// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    commitPendingEdit();
    // Asked after the drop has finished, not inside the drag's own loop.
    QTimer::singleShot(0, this, [this, path] { m_files->openAsked(path); });
}

bool MainWindow::commitPendingEdit()
{
    return m_boxes->commitPending();
}

void MainWindow::resultClicked(int line)
{
    const QString name = line >= 1 && line <= 16 ? m_resultNames[std::size_t(line - 1)] : QString();
    showHelpText(name + qs(maintexts::kResultNote));
    m_focusCatcher->setFocus(Qt::OtherFocusReason);
}

void MainWindow::followLayout(const LayoutChange &change)
{
    if (change.file || change.everything) {
        setWindowTitle(m_document.caption());
    }
    // The title's "*" follows the changed flag, also through undo and redo.
    setWindowModified(m_document.isChanged());
    if (change.everything || change.suspensionType || change.units) {
        // A file's units pick its definitions; a strut turns the
        // length-and-angle item off.
        loadFieldDefinitions();
        m_menus->updateChecks();
        const bool metric = m_document.state().units == Units::Metric;
        m_grid->setMetric(metric);
        m_panel->setMetric(metric);
        // The definition shown was read for the units and type the layout had.
        if (m_helpEntry) {
            showFieldHelp(*m_helpEntry);
        }
    }
    if (change.diveRoll) {
        refreshPanel();
    }
}

void MainWindow::showSolve(const EngineOutput &output)
{
    const Captions &captions = output.captions;
    m_grid->showResults(captions);
    for (int side = 0; side < 2; ++side) {
        const auto s = std::size_t(side);
        m_otherDimensions->setValue(
            OtherDimensionsPanel::SpringCompression, side, qs(captions.springCompression[s]));
        m_otherDimensions->setValue(OtherDimensionsPanel::Camber, side,
            m_document.entry(Entry::otherSpec(side, kStaticCamberRow)));
        m_otherDimensions->setValue(
            OtherDimensionsPanel::NewCamber, side, qs(captions.dynamicCamber[s]));
        m_otherDimensions->setValue(
            OtherDimensionsPanel::KingPinAngle, side, qs(captions.kingPinAngle[s]));
    }
    m_view->display(output);
    m_menus->shimMenu()->setEnabled(output.shimMenuEnabled);
    m_menus->updateChecks();
    for (const std::string &fault : output.faults) {
        m_platform.message(
            this, qs(maintexts::kTitle), qs(fault), MessageButtons::Ok, MessageIcon::Exclamation);
    }
    // One warning per redraw, never a stream of boxes.
    if (output.showGeometryWarning) {
        m_platform.message(this, QString::fromLatin1(kGeometryWarningTitle),
            qs(geometryWarningText()), MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            activated();
        }
    } else if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized() && m_comments) {
            m_comments->reject();
        } else if (isMaximized()) {
            // The size is known once the maximised geometry is applied.
            QTimer::singleShot(0, this, &MainWindow::showResolutionWarning);
        }
    }
}

void MainWindow::activated()
{
    const bool manualReminderDue = m_activations.activate(m_settings.get().introHelp);
    activationRefresh();
    if (manualReminderDue) {
        const bool suppress = m_platform.introMessage(this, kIntroKindManual, m_helpFrame);
        m_settings.change(
            [suppress](Settings &s) { s.introHelp.recordChoice(kIntroKindManual, suppress); });
    }
}

void MainWindow::activationRefresh()
{
    // While the window is set up as a worksheet page its blank boxes are
    // the page, not the layout: an activation then must not refill them.
    if (m_boxes->isBlank()) {
        return;
    }
    loadFieldDefinitions();
    m_boxes->refill();
    refreshPanel();
}

void MainWindow::loadFieldDefinitions()
{
    const std::filesystem::path file
        = findDefinitionsFile(m_data.root().toStdString(), m_document.state().units);
    m_boxes->setDefinitions(
        file.empty() ? FieldDefinitions {} : loadDefinitions(file, m_extendedRoll));
}

void MainWindow::refreshPanel()
{
    m_panel->showApplied(m_document.state().applyDiveRoll);
    if (m_settings.get().GainSpecChoice != 0) {
        m_settings.change([](Settings &s) { s.normalizeGainDefinition(); });
    }
}

void MainWindow::showResolutionWarning()
{
    // 7000 and 10000 twips: the smallest window the grid was laid out for.
    if (m_resolutionWarningShown || (height() >= 7000 / 15 && width() >= 10000 / 15)) {
        return;
    }
    m_resolutionWarningShown = true;
    m_platform.textWindow(this, qs(maintexts::kResolutionTitle), qs(maintexts::kResolutionWarning));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_exiting || exitCommand()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::exitCommand()
{
    commitPendingEdit();
    if (!m_files->askToSave(FileCommands::Question::Exit)) {
        return false;
    }
    if (m_hooks.writeSettings) {
        m_hooks.writeSettings();
    }
    m_exiting = true;
    m_boxes->stopValidating();
    if (m_comments) {
        m_comments->reject();
    }
    close();
    if (m_hooks.quit) {
        m_hooks.quit();
    }
    return true;
}

} // namespace tarvik::gui

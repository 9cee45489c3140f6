// frmTK: construction, the views' wiring to the layout document, the help
// box, activation and closing. The menu commands are in
// mainwindowcommands.cpp and mainwindowmenus.cpp.
#include "gui/mainwin/mainwindow.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/fieldinfo.h"
#include "core/layout/maintexts.h"
#include "gui/app/layoutdocument.h"
#include "gui/app/settingsowner.h"
#include "gui/common/screenplacement.h"
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
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace tarvik::gui {

namespace {

const QString kHelpFrameTitle = QStringLiteral(" Help (definition)");

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

void MainWindow::buildWidgets()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 4, 6, 4);

    m_grid = new SpecGrid(central);
    columns->addWidget(m_grid, 0);

    auto *right = new QVBoxLayout;
    m_helpFrame = new QGroupBox(kHelpFrameTitle, central);
    auto *helpLayout = new QVBoxLayout(m_helpFrame);
    m_help = new QLabel(m_helpFrame);
    m_help->setObjectName(QStringLiteral("HelpText"));
    m_help->setWordWrap(true);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->setMinimumHeight(48);
    m_help->setAutoFillBackground(true);
    m_help->setTextFormat(Qt::PlainText);
    helpLayout->addWidget(m_help);
    right->addWidget(m_helpFrame);

    m_view = new FrontView(central);
    m_view->setObjectName(QStringLiteral("FrontView"));
    right->addWidget(m_view, 1);
    const QString noteText = QStringLiteral(
        "This is front view of suspension so left side of screen is actually right side of car.");
    m_note = new QLabel(noteText, central);
    m_note->setAlignment(Qt::AlignCenter);
    right->addWidget(m_note);

    // Under the big drawing the panels, the note and the hint share one row,
    // so the drawing keeps all the height the window has.
    auto *bottom = new QHBoxLayout;
    m_otherDimensions = new OtherDimensionsPanel(central);
    m_otherDimensions->hide();
    bottom->addWidget(m_otherDimensions);
    m_panel = new DiveRollPanel(central);
    bottom->addWidget(m_panel);
    bottom->addStretch(1);
    m_bigNotes = new QWidget(central);
    auto *notes = new QVBoxLayout(m_bigNotes);
    notes->addStretch(1);
    // Broken in two so the row stays narrow; a word-wrapped label here
    // would make the window grow wider than the screen.
    for (const QString &text :
        { QString(noteText).replace(QStringLiteral("screen is"), QStringLiteral("screen\nis")),
            QStringLiteral("Click on Draw Normal button\nto return to original screen.") }) {
        auto *label = new QLabel(text, m_bigNotes);
        label->setAlignment(Qt::AlignCenter);
        notes->addWidget(label);
    }
    notes->addStretch(1);
    m_bigNotes->hide();
    bottom->addWidget(m_bigNotes);
    bottom->addStretch(1);
    right->addLayout(bottom);
    m_footer = new QLabel(central);
    m_footer->hide();
    right->addWidget(m_footer);
    columns->addLayout(right, 1);

    // Takes the focus when a result caption is clicked, so no box keeps it.
    m_focusCatcher = new QPushButton(central);
    m_focusCatcher->setFixedSize(0, 0);
    m_focusCatcher->setFlat(true);
    setCentralWidget(central);

    m_boxes = new EntryBoxes(m_document, m_platform, this);
    for (int entry = 0; entry < kDiveEntry; ++entry) {
        m_boxes->add(entry, m_grid->box(entry));
    }
    m_boxes->add(kDiveEntry, m_panel->diveBox());
    m_boxes->add(kRollEntry, m_panel->rollBox());
    connect(m_boxes, &EntryBoxes::entered, this, [this](int entry) { showFieldHelp(entry); });
    connect(m_boxes, &EntryBoxes::helpAsked, this, &MainWindow::showBoxHelp);

    connect(m_grid, &SpecGrid::inputCaptionClicked, this, [this](int entry) {
        if (QLineEdit *edit = box(entry)) {
            edit->setFocus(Qt::MouseFocusReason);
        }
    });
    connect(m_grid, &SpecGrid::resultClicked, this, &MainWindow::resultClicked);
    connect(m_grid, &SpecGrid::armHeadingClicked, this, [this] {
        m_platform.message(this, qs(maintexts::kTitle), qs(maintexts::kArmHeading),
            MessageButtons::Ok, MessageIcon::Information);
    });
    connect(m_panel, &DiveRollPanel::spinPressed, this, &MainWindow::spin);
    connect(m_panel, &DiveRollPanel::applyChosen, this, &MainWindow::setApplyDiveRoll);
    connect(m_panel, &DiveRollPanel::drawClicked, this, &MainWindow::toggleBig);
    connect(m_otherDimensions, &OtherDimensionsPanel::valueClicked, this, [this] {
        m_platform.message(this, qs(maintexts::kTitle), qs(maintexts::kBigIsReadOnly),
            MessageButtons::Ok, MessageIcon::Information);
    });
}

QAction *MainWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QLineEdit *MainWindow::box(int entry) const
{
    return m_boxes->box(entry);
}

void MainWindow::showHelpText(const QString &text)
{
    m_helpEntry = -1;
    m_help->setText(text);
}

void MainWindow::showFieldHelp(int entry)
{
    showHelpText(m_boxes->definition(entry));
    m_helpEntry = entry;
}

void MainWindow::showBoxHelp(int entry)
{
    // The box's name and definition beside it, until the next key or click.
    QLineEdit *edit = box(entry);
    const QString name = QString::fromStdString(m_boxes->definitions().at(entry).name);
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
        // A file's units flag picks its definitions; a strut turns the
        // length-and-angle item off.
        loadFieldDefinitions();
        m_menus->updateChecks();
        const bool metric = m_document.state().unitsFlag != 0;
        m_grid->setMetric(metric);
        m_panel->setMetric(metric);
        // The definition shown was read for the units and type the layout had.
        if (m_helpEntry >= 0) {
            showFieldHelp(m_helpEntry);
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
        m_otherDimensions->setValue(
            OtherDimensionsPanel::Camber, side, m_document.entry(staticCamberEntry(side)));
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
        = findDefinitionsFile(m_data.root().toStdString(), m_document.state().unitsFlag);
    m_boxes->setDefinitions(
        file.empty() ? FieldDefinitions {} : loadDefinitions(file, m_extendedRoll));
}

void MainWindow::refreshPanel()
{
    m_panel->showApplied(m_document.state().applyDiveRoll == 1);
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

// frmTK's menu bar: File, Edit, Options, Suspension Type, Shim, Table &
// Graph, Design, Comments and Help. Commands act on the main window, its document
// and settings; commands that open another window go through its hooks (a
// command without its hook is disabled). Check marks and enabled states
// follow the settings and the layout each time a menu opens and after every
// change of them.
#include "gui/mainwin/mainmenus.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/settings.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/mainprinting.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/mainwin/specgrid.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <tuple>

namespace tarvik::gui {

namespace {

QAction *addItem(QMenu *menu, const QString &text, const QString &name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QAction *addCheckItem(QMenu *menu, QActionGroup *group, const QString &text, const QString &name)
{
    QAction *action = addItem(menu, text, name);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

} // namespace

MainMenus::MainMenus(MainWindow &window, const MainWindowHooks &hooks)
    : QObject(&window)
    , m_window(window)
    , m_hooks(hooks)
{
    build();
}

void MainMenus::build()
{
    QMenu *file = m_window.menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    // Every command first checks text still being typed in a box; saving
    // stops when that text is refused (the box then holds its old text).
    const auto command = [this](QMenu *menu, const QString &text, const QString &name,
                             QKeySequence::StandardKey key, auto &&run) {
        QAction *action = addItem(menu, text, name);
        if (key != QKeySequence::UnknownKey) {
            action->setShortcuts(key);
        }
        // A desktop without its own key scheme has no Save As and no Quit
        // keys; these are what every other one uses.
        if (action->shortcuts().isEmpty() && key == QKeySequence::SaveAs) {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        } else if (action->shortcuts().isEmpty() && key == QKeySequence::Quit) {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
        }
        connect(action, &QAction::triggered, this, [this, run] { run(); });
    };
    const auto committed = [this](auto &&run) {
        return [this, run] {
            m_window.commitPendingEdit();
            run();
        };
    };
    command(file, QStringLiteral("&New"), QStringLiteral("mnuNew"), QKeySequence::New,
        committed([this] { m_window.files().fileNew(); }));
    command(file, QStringLiteral("&Open"), QStringLiteral("mnuOpen"), QKeySequence::Open,
        committed([this] { m_window.files().fileOpen(); }));
    command(file, QStringLiteral("&Save"), QStringLiteral("mnuSave"), QKeySequence::Save, [this] {
        if (m_window.commitPendingEdit()) {
            m_window.files().fileSave();
        }
    });
    command(file, QStringLiteral("Save &As"), QStringLiteral("mnuSaveAs"), QKeySequence::SaveAs,
        [this] {
            if (m_window.commitPendingEdit()) {
                m_window.files().fileSaveAs();
            }
        });
    command(file, QStringLiteral("&Export Drawing…"), QStringLiteral("mnuExportDrawing"),
        QKeySequence::UnknownKey, committed([this] { m_window.exportDrawing(); }));
    file->addSeparator();
    command(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint"), QKeySequence::Print,
        committed([this] { m_window.printing().printReport(); }));
    command(file, QStringLiteral("Print Blank &Worksheet"), QStringLiteral("mnuWorksheet"),
        QKeySequence::UnknownKey, committed([this] { m_window.printing().printWorksheet(); }));
    command(file, QStringLiteral("Windows P&rint Setup"), QStringLiteral("mnuPrintSetup"),
        QKeySequence::UnknownKey, committed([this] { m_window.printing().printSetup(); }));
    file->addSeparator();
    // The last eight vehicle files, newest first, filled as the menu opens.
    QMenu *recent = file->addMenu(QStringLiteral("Recent &Files"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const QStringList files = m_window.files().recentFiles();
        for (int i = 0; i < files.size(); ++i) {
            QAction *item = recent->addAction(
                QStringLiteral("&%1  %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
            item->setToolTip(files[i]);
            connect(item, &QAction::triggered, this, [this, path = files[i]] {
                m_window.commitPendingEdit();
                m_window.files().openAsked(path);
            });
        }
        if (files.isEmpty()) {
            recent->addAction(QStringLiteral("(no vehicle files yet)"))->setEnabled(false);
        }
    });
    file->addSeparator();
    command(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), QKeySequence::Quit,
        committed([this] { m_window.exitCommand(); }));

    QMenu *edit = m_window.menuBar()->addMenu(QStringLiteral("&Edit"));
    // Undo and redo step through the document's changes ("Undo Right Upper
    // Ball Joint X"); a box being typed in keeps Ctrl+Z for its own text.
    QAction *undo
        = m_window.document().undoStack().createUndoAction(&m_window, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo
        = m_window.document().undoStack().createRedoAction(&m_window, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addActions({ undo, redo });
    edit->addSeparator();
    for (int code = 0; code < kEditCodeCount; ++code) {
        const auto editCode = static_cast<EditCode>(code);
        if (editCode == EditCode::CenterOnTrack || editCode == EditCode::CopyRightToLeft) {
            edit->addSeparator();
        }
        connect(addItem(edit, QString::fromStdString(editMenuText(editCode)),
                    QStringLiteral("mnuEdit%1").arg(code)),
            &QAction::triggered, this, [this, editCode] { m_window.doEdit(editCode); });
    }

    QMenu *options = m_window.menuBar()->addMenu(QStringLiteral("&Options"));
    auto *entryGroup = new QActionGroup(&m_window);
    connect(addCheckItem(options, entryGroup,
                QStringLiteral("Enter X&&Ht Readings, Frame && Ball Jnts"),
                QStringLiteral("mnuEntryXHt")),
        &QAction::triggered, this, [this] { m_window.setEntryMode(EntryMode::XAndHeight); });
    connect(addCheckItem(options, entryGroup, QStringLiteral("Enter X&&Ht 1 End, Arm Len && Angle"),
                QStringLiteral("mnuEntryLenAngle")),
        &QAction::triggered, this, [this] { m_window.setEntryMode(EntryMode::LengthAndAngle); });
    options->addSeparator();
    auto *unitsGroup = new QActionGroup(&m_window);
    connect(addCheckItem(options, unitsGroup, QStringLiteral("English Units (inches)"),
                QStringLiteral("mnuEnglish")),
        &QAction::triggered, this, [this] { m_window.chooseUnits(Units::English); });
    connect(addCheckItem(options, unitsGroup, QStringLiteral("Metric Units (millimeters)"),
                QStringLiteral("mnuMetric")),
        &QAction::triggered, this, [this] { m_window.chooseUnits(Units::Metric); });
    options->addSeparator();
    auto *linesGroup = new QActionGroup(&m_window);
    connect(addCheckItem(options, linesGroup, QStringLiteral("Draw Extension Lines"),
                QStringLiteral("mnuLinesOn")),
        &QAction::triggered, this, [this] { m_window.setExtensionLines(true); });
    connect(addCheckItem(options, linesGroup, QStringLiteral("Don't Draw Extension Lines"),
                QStringLiteral("mnuLinesOff")),
        &QAction::triggered, this, [this] { m_window.setExtensionLines(false); });
    options->addSeparator();
    auto *grayGroup = new QActionGroup(&m_window);
    connect(
        addCheckItem(options, grayGroup, QStringLiteral("Background Car Layout Color - Light Gray"),
            QStringLiteral("mnuLightGray")),
        &QAction::triggered, this, [this] { m_window.setDarkGrayBackground(false); });
    connect(
        addCheckItem(options, grayGroup, QStringLiteral("Background Car Layout Color - Dark Gray"),
            QStringLiteral("mnuDarkGray")),
        &QAction::triggered, this, [this] { m_window.setDarkGrayBackground(true); });
    options->addSeparator();
    auto *camberGroup = new QActionGroup(&m_window);
    connect(addCheckItem(options, camberGroup, QStringLiteral("Camber Changes with New Inputs"),
                QStringLiteral("mnuCamberChanges")),
        &QAction::triggered, this, [this] { m_window.setCamberOption(true); });
    connect(
        addCheckItem(options, camberGroup, QStringLiteral("Camber Does Not Change with New Inputs"),
            QStringLiteral("mnuCamberFixed")),
        &QAction::triggered, this, [this] { m_window.setCamberOption(false); });
    connect(options, &QMenu::aboutToShow, this, &MainMenus::updateChecks);

    QMenu *type = m_window.menuBar()->addMenu(QStringLiteral("&Suspension Type"));
    auto *typeGroup = new QActionGroup(&m_window);
    connect(
        addCheckItem(type, typeGroup, QStringLiteral("Double A Arm"), QStringLiteral("mnuAArm")),
        &QAction::triggered, this,
        [this] { m_window.setSuspensionType(SuspensionType::DoubleAArm); });
    connect(addCheckItem(
                type, typeGroup, QStringLiteral("McPhearson Strut"), QStringLiteral("mnuStrut")),
        &QAction::triggered, this, [this] { m_window.setSuspensionType(SuspensionType::Strut); });
    connect(type, &QMenu::aboutToShow, this, &MainMenus::updateChecks);

    // The calculation window's commands: a shim side, the camber-gain
    // definition, the spring rate (the Calc button beside Other Specs).
    const auto calc = [this](QAction *item, CalcMode mode, int shimSide) {
        item->setEnabled(bool(m_hooks.openCalc));
        connect(item, &QAction::triggered, this, [this, mode, shimSide] {
            m_window.commitPendingEdit();
            m_hooks.openCalc(mode, shimSide);
        });
    };
    options->addSeparator();
    calc(addItem(options, QStringLiteral("Camber Gain Definition Specs"),
             QStringLiteral("mnuCamberGainDefinitions")),
        CalcMode::GainSpec, -1);

    m_shimMenu = m_window.menuBar()->addMenu(QStringLiteral("Shi&m"));
    m_shimMenu->setObjectName(QStringLiteral("mnuShim"));
    m_shimMenu->setEnabled(false);
    calc(addItem(m_shimMenu, QStringLiteral("Shim Right Side"), QStringLiteral("mnuShimRight")),
        CalcMode::Shim, kSideRight);
    calc(addItem(m_shimMenu, QStringLiteral("Shim Left Side"), QStringLiteral("mnuShimLeft")),
        CalcMode::Shim, kSideLeft);
    connect(m_window.grid(), &SpecGrid::calcClicked, this, [this] {
        m_window.commitPendingEdit();
        if (m_hooks.openCalc) {
            m_hooks.openCalc(CalcMode::Spring, kSideRight); // the side is for shims only
        }
    });

    QAction *table = m_window.menuBar()->addAction(QStringLiteral("&Table && Graph"));
    table->setObjectName(QStringLiteral("mnuTable"));
    table->setEnabled(bool(m_hooks.openTable));
    connect(table, &QAction::triggered, this, [this] {
        m_window.commitPendingEdit();
        m_hooks.openTable();
    });

    QMenu *design = m_window.menuBar()->addMenu(QStringLiteral("&Design"));
    design->setObjectName(QStringLiteral("mnuDesign"));
    QAction *pickups = addItem(
        design, QStringLiteral("&Find Pick-up Points\u2026"), QStringLiteral("mnuFindPickups"));
    pickups->setEnabled(bool(m_hooks.openDesign));
    connect(pickups, &QAction::triggered, this, [this] {
        m_window.commitPendingEdit();
        m_hooks.openDesign();
    });
    QAction *fit = addItem(
        design, QStringLiteral("Fit Model to &Measurements\u2026"), QStringLiteral("mnuFitModel"));
    fit->setEnabled(bool(m_hooks.openFit));
    connect(fit, &QAction::triggered, this, [this] {
        m_window.commitPendingEdit();
        m_hooks.openFit();
    });

    QAction *comments = m_window.menuBar()->addAction(QStringLiteral("&Comments"));
    comments->setObjectName(QStringLiteral("mnuComments"));
    connect(comments, &QAction::triggered, this, [this] { m_window.showComments(); });

    QMenu *help = m_window.menuBar()->addMenu(QStringLiteral("&Help"));
    // F1 in an input box shows that box's definition (EntryBoxes); anywhere
    // else in the window it is this item.
    QAction *helpItem
        = addItem(help, QStringLiteral("Help on Tarvik"), QStringLiteral("mnuHelpTarvik"));
    helpItem->setShortcut(QKeySequence::HelpContents);
    connect(helpItem, &QAction::triggered, this, [this] {
        if (m_hooks.showHelp) {
            m_hooks.showHelp();
        }
    });
    help->addSeparator();
    for (const auto &[text, name, document] :
        { std::tuple { "Display User's Manual", "mnuManual", OutsideDocument::Manual },
            std::tuple {
                "Display Readme.doc File (recent changes)", "mnuReadme", OutsideDocument::Readme },
            std::tuple { "Quellmark on the Web", "mnuWeb", OutsideDocument::WebSite } }) {
        QAction *item = addItem(help, QString::fromLatin1(text), QString::fromLatin1(name));
        item->setEnabled(bool(m_hooks.showDocument));
        connect(item, &QAction::triggered, this,
            [this, document = document] { m_hooks.showDocument(document); });
    }
    help->addSeparator();
    connect(addItem(help, QStringLiteral("Restart Showing Intro Help Messages"),
                QStringLiteral("mnuRestartIntro")),
        &QAction::triggered, this, [this] { m_window.restartIntroMessages(); });
    updateChecks();
}

void MainMenus::updateChecks()
{
    const Settings &settings = m_window.settings().get();
    const bool strut = m_window.document().state().suspensionType == SuspensionType::Strut;
    const bool xAndHeight = settings.entryMode == EntryMode::XAndHeight || strut;
    m_window.action(QStringLiteral("mnuEntryXHt"))->setChecked(xAndHeight);
    m_window.action(QStringLiteral("mnuEntryLenAngle"))->setChecked(!xAndHeight);
    m_window.action(QStringLiteral("mnuEntryLenAngle"))->setEnabled(!strut);
    m_window.action(QStringLiteral("mnuEnglish"))
        ->setChecked(m_window.document().state().units == Units::English);
    m_window.action(QStringLiteral("mnuMetric"))
        ->setChecked(m_window.document().state().units == Units::Metric);
    m_window.action(QStringLiteral("mnuLinesOn"))->setChecked(settings.extensionLines);
    m_window.action(QStringLiteral("mnuLinesOff"))->setChecked(!settings.extensionLines);
    m_window.action(QStringLiteral("mnuLightGray"))->setChecked(!settings.darkGrayBackground);
    m_window.action(QStringLiteral("mnuDarkGray"))->setChecked(settings.darkGrayBackground);
    m_window.action(QStringLiteral("mnuCamberChanges"))->setChecked(settings.camberFollowsEdits);
    m_window.action(QStringLiteral("mnuCamberFixed"))->setChecked(!settings.camberFollowsEdits);
    m_window.action(QStringLiteral("mnuAArm"))->setChecked(!strut);
    m_window.action(QStringLiteral("mnuStrut"))->setChecked(strut);
}

} // namespace tarvik::gui

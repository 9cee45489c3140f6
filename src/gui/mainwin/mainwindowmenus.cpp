// frmTK's menu bar. Check marks and enabled states follow the settings and
// the layout each time a menu opens and after every change of them. Commands
// that open another window go through the window's hooks.
#include "core/layout/entrynumbers.h"
#include "gui/app/layoutdocument.h"
#include "gui/app/settingsowner.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/mainprinting.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/mainwin/specgrid.h"

#include <QAction>
#include <QActionGroup>
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

QAction *MainWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    // Every command first checks text still being typed in a box.
    const auto command = [this](QMenu *menu, const QString &text, const QString &name, auto &&run) {
        connect(addItem(menu, text, name), &QAction::triggered, this, [this, run] {
            commitPendingEdit();
            run();
        });
    };
    command(file, QStringLiteral("&New"), QStringLiteral("mnuNew"), [this] { m_files->fileNew(); });
    command(
        file, QStringLiteral("&Open"), QStringLiteral("mnuOpen"), [this] { m_files->fileOpen(); });
    command(
        file, QStringLiteral("&Save"), QStringLiteral("mnuSave"), [this] { m_files->fileSave(); });
    command(file, QStringLiteral("Save &As"), QStringLiteral("mnuSaveAs"),
        [this] { m_files->fileSaveAs(); });
    file->addSeparator();
    command(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint"),
        [this] { m_printing->printReport(); });
    command(file, QStringLiteral("Print Blank &Worksheet"), QStringLiteral("mnuWorksheet"),
        [this] { m_printing->printWorksheet(); });
    command(file, QStringLiteral("Windows P&rint Setup"), QStringLiteral("mnuPrintSetup"),
        [this] { m_printing->printSetup(); });
    file->addSeparator();
    command(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), [this] { exitCommand(); });

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    for (int code = 0; code < kEditCodeCount; ++code) {
        const auto editCode = static_cast<EditCode>(code);
        if (editCode == EditCode::CenterOnTrack || editCode == EditCode::CopyRightToLeft) {
            edit->addSeparator();
        }
        connect(addItem(edit, QString::fromStdString(editMenuText(editCode)),
                    QStringLiteral("mnuEdit%1").arg(code)),
            &QAction::triggered, this, [this, editCode] { doEdit(editCode); });
    }

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    auto *entryGroup = new QActionGroup(this);
    connect(addCheckItem(options, entryGroup,
                QStringLiteral("Enter X&&Ht Readings, Frame && Ball Jnts"),
                QStringLiteral("mnuEntryXHt")),
        &QAction::triggered, this, [this] { setEntryMode(0); });
    connect(addCheckItem(options, entryGroup, QStringLiteral("Enter X&&Ht 1 End, Arm Len && Angle"),
                QStringLiteral("mnuEntryLenAngle")),
        &QAction::triggered, this, [this] { setEntryMode(1); });
    options->addSeparator();
    auto *unitsGroup = new QActionGroup(this);
    connect(addCheckItem(options, unitsGroup, QStringLiteral("English Units (inches)"),
                QStringLiteral("mnuEnglish")),
        &QAction::triggered, this, [this] { chooseUnits(false); });
    connect(addCheckItem(options, unitsGroup, QStringLiteral("Metric Units (millimeters)"),
                QStringLiteral("mnuMetric")),
        &QAction::triggered, this, [this] { chooseUnits(true); });
    options->addSeparator();
    auto *linesGroup = new QActionGroup(this);
    connect(addCheckItem(options, linesGroup, QStringLiteral("Draw Extension Lines"),
                QStringLiteral("mnuLinesOn")),
        &QAction::triggered, this, [this] { setExtensionLines(true); });
    connect(addCheckItem(options, linesGroup, QStringLiteral("Don't Draw Extension Lines"),
                QStringLiteral("mnuLinesOff")),
        &QAction::triggered, this, [this] { setExtensionLines(false); });
    options->addSeparator();
    auto *grayGroup = new QActionGroup(this);
    connect(
        addCheckItem(options, grayGroup, QStringLiteral("Background Car Layout Color - Light Gray"),
            QStringLiteral("mnuLightGray")),
        &QAction::triggered, this, [this] { setDarkGrayBackground(false); });
    connect(
        addCheckItem(options, grayGroup, QStringLiteral("Background Car Layout Color - Dark Gray"),
            QStringLiteral("mnuDarkGray")),
        &QAction::triggered, this, [this] { setDarkGrayBackground(true); });
    options->addSeparator();
    auto *camberGroup = new QActionGroup(this);
    connect(addCheckItem(options, camberGroup, QStringLiteral("Camber Changes with New Inputs"),
                QStringLiteral("mnuCamberChanges")),
        &QAction::triggered, this, [this] { setCamberOption(true); });
    connect(
        addCheckItem(options, camberGroup, QStringLiteral("Camber Does Not Change with New Inputs"),
            QStringLiteral("mnuCamberFixed")),
        &QAction::triggered, this, [this] { setCamberOption(false); });
    connect(options, &QMenu::aboutToShow, this, &MainWindow::updateMenuChecks);

    QMenu *type = menuBar()->addMenu(QStringLiteral("&Suspension Type"));
    auto *typeGroup = new QActionGroup(this);
    connect(
        addCheckItem(type, typeGroup, QStringLiteral("Double A Arm"), QStringLiteral("mnuAArm")),
        &QAction::triggered, this, [this] { setSuspensionType(0); });
    connect(addCheckItem(
                type, typeGroup, QStringLiteral("McPhearson Strut"), QStringLiteral("mnuStrut")),
        &QAction::triggered, this, [this] { setSuspensionType(1); });
    connect(type, &QMenu::aboutToShow, this, &MainWindow::updateMenuChecks);

    // The calculation window's commands: a shim side, the camber-gain
    // definition, the spring rate (the Calc button beside Other Specs).
    const auto calc = [this](QAction *item, int mode, int shimSide) {
        item->setEnabled(bool(m_hooks.openCalc));
        connect(item, &QAction::triggered, this, [this, mode, shimSide] {
            commitPendingEdit();
            m_hooks.openCalc(mode, shimSide);
        });
    };
    options->addSeparator();
    calc(addItem(options, QStringLiteral("Camber Gain Definition Specs"),
             QStringLiteral("mnuCamberGainDefinitions")),
        2, -1);

    m_shimMenu = menuBar()->addMenu(QStringLiteral("Shi&m"));
    m_shimMenu->setObjectName(QStringLiteral("mnuShim"));
    m_shimMenu->setEnabled(false);
    calc(addItem(m_shimMenu, QStringLiteral("Shim Right Side"), QStringLiteral("mnuShimRight")), 1,
        kSideRight);
    calc(addItem(m_shimMenu, QStringLiteral("Shim Left Side"), QStringLiteral("mnuShimLeft")), 1,
        kSideLeft);
    connect(m_grid, &SpecGrid::calcClicked, this, [this] {
        commitPendingEdit();
        if (m_hooks.openCalc) {
            m_hooks.openCalc(11, -1);
        }
    });

    QAction *table = menuBar()->addAction(QStringLiteral("&Table && Graph"));
    table->setObjectName(QStringLiteral("mnuTable"));
    table->setEnabled(bool(m_hooks.openTable));
    connect(table, &QAction::triggered, this, [this] {
        commitPendingEdit();
        m_hooks.openTable();
    });

    QAction *comments = menuBar()->addAction(QStringLiteral("&Comments"));
    comments->setObjectName(QStringLiteral("mnuComments"));
    connect(comments, &QAction::triggered, this, &MainWindow::showComments);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(addItem(help, QStringLiteral("Help on Tarvik"), QStringLiteral("mnuHelpTarvik")),
        &QAction::triggered, this, [this] {
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
        &QAction::triggered, this, &MainWindow::restartIntroMessages);
    updateMenuChecks();
}

void MainWindow::updateMenuChecks()
{
    const Settings &settings = m_settings.get();
    const int type = m_document.state().suspensionType;
    const bool xAndHeight = settings.entryMode == 0 || type == 1;
    action(QStringLiteral("mnuEntryXHt"))->setChecked(xAndHeight);
    action(QStringLiteral("mnuEntryLenAngle"))->setChecked(!xAndHeight);
    action(QStringLiteral("mnuEntryLenAngle"))->setEnabled(type == 0);
    action(QStringLiteral("mnuEnglish"))->setChecked(m_document.state().unitsFlag == 0);
    action(QStringLiteral("mnuMetric"))->setChecked(m_document.state().unitsFlag != 0);
    action(QStringLiteral("mnuLinesOn"))->setChecked(settings.extensionLines != 0);
    action(QStringLiteral("mnuLinesOff"))->setChecked(settings.extensionLines == 0);
    action(QStringLiteral("mnuLightGray"))->setChecked(settings.backgroundColour == 0);
    action(QStringLiteral("mnuDarkGray"))->setChecked(settings.backgroundColour != 0);
    action(QStringLiteral("mnuCamberChanges"))->setChecked(settings.camberOption == 1);
    action(QStringLiteral("mnuCamberFixed"))->setChecked(settings.camberOption != 1);
    action(QStringLiteral("mnuAArm"))->setChecked(type == 0);
    action(QStringLiteral("mnuStrut"))->setChecked(type != 0);
}

} // namespace tarvik::gui

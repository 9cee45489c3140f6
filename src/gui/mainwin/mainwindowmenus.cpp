// frmTK's menu bar. Check marks and enabled states follow the settings each
// time a menu opens and after every command that changes them. Menu items
// whose windows belong to later parts of the program (the calculation
// window behind the Shim items) are present but disabled with a tooltip.
#include "gui/mainwin/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

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
    connect(addItem(file, QStringLiteral("&New"), QStringLiteral("mnuNew")), &QAction::triggered,
        this, &MainWindow::fileNew);
    connect(addItem(file, QStringLiteral("&Open"), QStringLiteral("mnuOpen")), &QAction::triggered,
        this, &MainWindow::fileOpen);
    connect(addItem(file, QStringLiteral("&Save"), QStringLiteral("mnuSave")), &QAction::triggered,
        this, &MainWindow::fileSave);
    connect(addItem(file, QStringLiteral("Save &As"), QStringLiteral("mnuSaveAs")),
        &QAction::triggered, this, &MainWindow::fileSaveAs);
    file->addSeparator();
    connect(addItem(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint")),
        &QAction::triggered, this, &MainWindow::printReport);
    connect(addItem(file, QStringLiteral("Print Blank &Worksheet"), QStringLiteral("mnuWorksheet")),
        &QAction::triggered, this, &MainWindow::printWorksheet);
    connect(addItem(file, QStringLiteral("Windows P&rint Setup"), QStringLiteral("mnuPrintSetup")),
        &QAction::triggered, this, &MainWindow::printSetup);
    file->addSeparator();
    connect(addItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")), &QAction::triggered,
        this, [this] {
            deactivationStore();
            exitCommand();
        });

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    for (int code = 0; code <= 8; ++code) {
        const auto editCode = static_cast<EditCode>(code);
        if (code == 6 || code == 7) {
            edit->addSeparator();
        }
        connect(addItem(edit, editMenuText(editCode), QStringLiteral("mnuEdit%1").arg(code)),
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

    m_shimMenu = menuBar()->addMenu(QStringLiteral("Shi&m"));
    m_shimMenu->setObjectName(QStringLiteral("mnuShim"));
    m_shimMenu->setEnabled(false);
    m_shimMenu->setToolTipsVisible(true);
    for (const auto &[text, name] : { std::pair { "Shim Right Side", "mnuShimRight" },
             std::pair { "Shim Left Side", "mnuShimLeft" } }) {
        QAction *item = addItem(m_shimMenu, QString::fromLatin1(text), QString::fromLatin1(name));
        item->setEnabled(false);
        item->setToolTip(QStringLiteral("The shim calculator is not part of this version yet."));
    }

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
    connect(addItem(help, QStringLiteral("Restart Showing Intro Help Messages"),
                QStringLiteral("mnuRestartIntro")),
        &QAction::triggered, this, &MainWindow::restartIntroMessages);
    updateMenuChecks();
}

void MainWindow::updateMenuChecks()
{
    const bool xAndHeight = m_options.entryMode == 0 || m_suspensionType == 1;
    action(QStringLiteral("mnuEntryXHt"))->setChecked(xAndHeight);
    action(QStringLiteral("mnuEntryLenAngle"))->setChecked(!xAndHeight);
    action(QStringLiteral("mnuEntryLenAngle"))->setEnabled(m_suspensionType == 0);
    action(QStringLiteral("mnuEnglish"))->setChecked(m_options.unitsFlag == 0);
    action(QStringLiteral("mnuMetric"))->setChecked(m_options.unitsFlag != 0);
    action(QStringLiteral("mnuLinesOn"))->setChecked(m_options.extensionLines);
    action(QStringLiteral("mnuLinesOff"))->setChecked(!m_options.extensionLines);
    action(QStringLiteral("mnuLightGray"))->setChecked(!m_options.darkGrayBackground);
    action(QStringLiteral("mnuDarkGray"))->setChecked(m_options.darkGrayBackground);
    action(QStringLiteral("mnuCamberChanges"))->setChecked(m_options.camberOption);
    action(QStringLiteral("mnuCamberFixed"))->setChecked(!m_options.camberOption);
    action(QStringLiteral("mnuAArm"))->setChecked(m_suspensionType == 0);
    action(QStringLiteral("mnuStrut"))->setChecked(m_suspensionType != 0);
}

} // namespace tarvik::gui

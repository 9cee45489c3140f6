// The Camber Table window's menu bar; see cambertablemenus.h.
#include "gui/table/cambertablemenus.h"

#include "core/table/baselinemenu.h"
#include "gui/table/cambertablewindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tarvik::gui {

namespace {

QAction *addItem(QMenu *menu, const QString &text, const char *name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction *addCommand(QMenuBar *bar, const QString &text, const char *name)
{
    QAction *action = bar->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void buildOptions(CamberTableWindow &window, QMenuBar *bar, bool canOpenTableSpecs)
{
    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    options->setToolTipsVisible(true);
    QAction *specs
        = addItem(options, QStringLiteral("&Specs for Table Rows && Columns"), "mnuTableSpecs");
    specs->setEnabled(canOpenTableSpecs);
    if (canOpenTableSpecs) {
        QObject::connect(specs, &QAction::triggered, &window, &CamberTableWindow::openTableSpecs);
    } else {
        specs->setToolTip(QStringLiteral("The table specs window is not available."));
    }
    options->addSeparator();
    QAction *heat = addItem(options, QStringLiteral("&Heat-Map Differences"), "mnuHeatMap");
    heat->setCheckable(true);
    heat->setChecked(window.heatMap());
    heat->setToolTip(QStringLiteral("Colour the Difference rows by size and sign."));
    QObject::connect(heat, &QAction::toggled, &window, &CamberTableWindow::setHeatMap);
}

QMenu *buildBaseline(CamberTableWindow &window, QMenuBar *bar)
{
    QMenu *menu = bar->addMenu(QString());
    menu->setObjectName(QStringLiteral("mnuBaseline"));
    struct Item
    {
        const char *text;
        const char *name;
        void (CamberTableWindow::*command)();
        bool checkable;
    };
    const Item items[] = {
        { "&Show Baseline Data", "mnuShowBaseline", &CamberTableWindow::showBaselineData, true },
        { "&Hide Baseline Data", "mnuDontShowBaseline", &CamberTableWindow::hideBaselineData,
            true },
        { nullptr, nullptr, nullptr, false },
        { "Baseline &Comment", "mnuBaselineComment", &CamberTableWindow::baselineComment, false },
        { nullptr, nullptr, nullptr, false },
        { "&Previous Table is Baseline Data", "mnuPreviousBaseline",
            &CamberTableWindow::previousTableIsBaseline, true },
        { "Sa&ved Table is Baseline Data", "mnuSavedIsBaseline",
            &CamberTableWindow::savedTableIsBaseline, true },
        { nullptr, nullptr, nullptr, false },
        { "Save &This Data as Baseline", "mnuSaveBaseline",
            &CamberTableWindow::saveThisDataAsBaseline, false },
    };
    for (const Item &item : items) {
        if (item.text == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction *action = addItem(menu, QString::fromLatin1(item.text), item.name);
        action->setCheckable(item.checkable);
        QObject::connect(action, &QAction::triggered, &window, item.command);
    }
    // The check marks follow the shown quantity's baseline each time the menu opens.
    QObject::connect(menu, &QMenu::aboutToShow, &window, [&window] {
        const BaselineMenuChecks checks = baselineMenuChecks(window.shownBaseline());
        window.action(QStringLiteral("mnuShowBaseline"))->setChecked(checks.showBaseline);
        window.action(QStringLiteral("mnuDontShowBaseline"))->setChecked(checks.hideBaseline);
        window.action(QStringLiteral("mnuPreviousBaseline"))->setChecked(checks.previousIsBaseline);
        window.action(QStringLiteral("mnuSavedIsBaseline"))->setChecked(checks.savedIsBaseline);
    });
    return menu;
}

} // namespace

QMenu *buildCamberTableMenus(CamberTableWindow &window, bool canOpenTableSpecs)
{
    QMenuBar *bar = window.menuBar();
    QObject::connect(addCommand(bar, QStringLiteral("&Back"), "mnuBack"), &QAction::triggered,
        &window, &QWidget::close);
    QObject::connect(addCommand(bar, QStringLiteral("&Print"), "mnuPrint"), &QAction::triggered,
        &window, &CamberTableWindow::printReport);
    QObject::connect(addCommand(bar, QStringLiteral("&Export CSV..."), "mnuExportCsv"),
        &QAction::triggered, &window, &CamberTableWindow::exportCsv);
    buildOptions(window, bar, canOpenTableSpecs);
    QMenu *baseline = buildBaseline(window, bar);
    QObject::connect(addCommand(bar, QStringLiteral("&Graph"), "mnuGraph"), &QAction::triggered,
        &window, &CamberTableWindow::graph);
    QObject::connect(addCommand(bar, QStringLiteral("&Measurements..."), "mnuMeasurements"),
        &QAction::triggered, &window, &CamberTableWindow::openMeasurements);
    QAction *help = addCommand(bar, QStringLiteral("&Help"), "mnuHelp");
    help->setShortcut(QKeySequence::HelpContents); // F1, as in every window
    QObject::connect(help, &QAction::triggered, &window, &CamberTableWindow::showHelp);
    return baseline;
}

} // namespace tarvik::gui

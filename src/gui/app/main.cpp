// tarvik: the desktop program. Parses the command line, finds the shipped
// data, runs start-up and the event loop. With the hidden --screenshot
// option it skips the splash, intro and warning windows, saves the main
// window's image and quits.
#include "gui/app/commandline.h"
#include "gui/app/startup.h"
#include "gui/app/widgetmap.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/qtplatform.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

using namespace tarvik::gui;

namespace {

int takeScreenshot(MainWindow &window, const CommandLine &options)
{
    const QStringList size = options.screenshotSize.split(u'x');
    window.resize(
        size.size() == 2 ? size[0].toInt() : 1280, size.size() == 2 ? size[1].toInt() : 760);
    window.show();
    if (!options.screenshotDiveRoll.isEmpty()) {
        const QStringList parts = options.screenshotDiveRoll.split(u',');
        window.setApplyDiveRoll(true);
        window.document().setEntries({ { tarvik::Entry::dive(), parts.value(0) },
            { tarvik::Entry::roll(), parts.value(1) } });
    }
    if (options.screenshotBig) {
        window.toggleBig();
    }
    int result = 1;
    QTimer::singleShot(500, &window, [&] {
        result = window.grab().toImage().save(options.screenshotFile) ? 0 : 1;
        QApplication::exit(result);
    });
    QApplication::exec();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setOrganizationName(QStringLiteral("Quellmark"));
    const CommandLine options = parseCommandLine(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(options.error));
        return 2;
    }
    QtPlatform platform;
    const DataFolder data = DataFolder::locate(QApplication::applicationDirPath());
    Startup startup(platform, data, options.configDir);
    MainWindow *window = startup.load(options.vehicleFile);
    if (!options.screenshotFile.isEmpty()) {
        return takeScreenshot(*window, options);
    }
    WidgetMap::startFromEnvironment(&app);
    startup.start();
    return QApplication::exec();
}

// The pictures of the help and support windows for the manual: the help
// window on its first page and the file seek after a search that found two
// copies.
#include "core/support/helptopic.h"
#include "gui/platform/seekwindow.h"
#include "gui/support/helpwindow.h"
#include "shots.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace tarvik::screenshots {

namespace {

QImage helpWindow(ShotContext &context)
{
    gui::HelpWindow window(context.data.root(), kHelpGroupMain);
    window.show();
    return grabWindow(&window);
}

// A fixed folder rather than a random temporary one, so the paths in the
// picture read the same each time it is made.
QImage seekWindow(ShotContext &)
{
    const QString root = QDir::temp().filePath(QStringLiteral("tarvik-seek"));
    QDir(root).removeRecursively();
    for (const char *path : { "usr/bin/evince", "opt/viewers/evince" }) {
        const QString file = root + QLatin1Char('/') + QLatin1String(path);
        QDir().mkpath(QFileInfo(file).path());
        QFile(file).open(QIODevice::WriteOnly);
    }
    gui::ScriptedPlatform platform;
    gui::SeekWindow window(platform, QStringLiteral("evince"), { root, QStringLiteral("/home") });
    window.resize(560, 380);
    window.show();
    window.search();
    QElapsedTimer waited;
    waited.start();
    while (window.isSearching() && waited.elapsed() < 10000) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    const QImage image = grabWindow(&window);
    window.close();
    QDir(root).removeRecursively();
    return image;
}

const ShotRegistrar registrar({
    { QStringLiteral("help-window"), QStringLiteral("the first page of Help on Tarvik"),
        helpWindow },
    { QStringLiteral("seek"), QStringLiteral("the file seek after finding two copies"),
        seekWindow },
});

} // namespace

} // namespace tarvik::screenshots

// The shot registry and the main-window scene; see shots.h.
#include "shots.h"

#include "gui/mainwin/filecommands.h"

#include <QApplication>
#include <QThread>

namespace tarvik::screenshots {

MainScene::MainScene(
    const gui::DataFolder &folder, const QString &example, QSize size, gui::MainWindowHooks hooks)
    : data(folder)
{
    settings.read(data.path(QStringLiteral("TKCNFG-32.QMK")));
    document
        = std::make_unique<gui::LayoutDocument>(settings, data.path(QStringLiteral("tkfiles")));
    window = std::make_unique<gui::MainWindow>(
        platform, data, settings, *document, folders, false, std::move(hooks));
    window->resize(size);
    window->show();
    window->files().openFile(data.path(QStringLiteral("tkfiles/") + example));
}

std::vector<Shot> &shots()
{
    static std::vector<Shot> all;
    return all;
}

ShotRegistrar::ShotRegistrar(std::vector<Shot> list)
{
    for (Shot &shot : list) {
        shots().push_back(std::move(shot));
    }
}

QImage grabWindow(QWidget *window)
{
    // No box shows a text cursor or a selection in a picture.
    if (QWidget *focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    return window->grab().toImage();
}

} // namespace tarvik::screenshots

// The pictures of the README and the manual, made from the real windows on
// the shipped example files. Each area of the program registers its shots
// in a file of its own (mainshots.cpp, ...); tarvik-screenshots renders the
// ones asked for into a folder. The windows run on the offscreen platform
// with scripted dialogs, so nothing waits for a person.
#pragma once

#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/document/vehiclefolders.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/scriptedplatform.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace tarvik::screenshots {

// A main window on one example file, as start-up makes it, with a size.
struct MainScene
{
    gui::ScriptedPlatform platform;
    gui::DataFolder data;
    gui::SettingsOwner settings;
    gui::VehicleFolders folders;
    std::unique_ptr<gui::LayoutDocument> document;
    std::unique_ptr<gui::MainWindow> window;

    // example: a file of the shipped tkfiles folder; hooks for the windows
    // a shot opens from the main window.
    MainScene(const gui::DataFolder &data, const QString &example, QSize size = { 1240, 760 },
        gui::MainWindowHooks hooks = {});
};

struct ShotContext
{
    gui::DataFolder data;
};

struct Shot
{
    QString name; // file name without ".png"
    QString about; // what it shows, one line
    std::function<QImage(ShotContext &)> render;
};

std::vector<Shot> &shots();

// Registers shots at start-up: `static const ShotRegistrar r({ ... });`
struct ShotRegistrar
{
    explicit ShotRegistrar(std::vector<Shot> list);
};

// Lets the window lay out and paint, then grabs it.
QImage grabWindow(QWidget *window);

} // namespace tarvik::screenshots

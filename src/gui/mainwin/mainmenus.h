// The main window's menu bar and its check marks; see mainmenus.cpp.
#pragma once

#include <QObject>

class QMenu;

namespace tarvik::gui {

class MainWindow;
struct MainWindowHooks;

class MainMenus : public QObject
{
    Q_OBJECT
public:
    MainMenus(MainWindow &window, const MainWindowHooks &hooks);

    QMenu *shimMenu() const { return m_shimMenu; }
    // Check marks and enabled states from the settings and the layout.
    void updateChecks();

private:
    void build();

    MainWindow &m_window;
    const MainWindowHooks &m_hooks;
    QMenu *m_shimMenu = nullptr;
};

} // namespace tarvik::gui

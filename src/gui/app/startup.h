// Start-up and shut-down of the program: read the settings file (the user's
// copy, or the shipped default the first time), build the main window, open
// a vehicle file named on the command line, show the splash for 3000 ms,
// then the intro messages and the warning window (whose closing runs the
// decimal-symbol check). The main window's exit path calls back here to
// write the settings file.
#pragma once

#include "gui/platform/datafolder.h"
#include "gui/app/specheaders.h"
#include "gui/mainwin/mainwindow.h"
#include "core/layout/settings.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace tarvik::gui {

class Platform;

// The marker file whose presence (in the data folder or the configuration
// folder) widens the roll range to plus or minus 70 degrees.
inline constexpr const char *kExtendedRollMarker = "ROLL70.QMK";

MainOptions mainOptionsFrom(const Settings &settings);
void storeMainOptions(const MainOptions &options, Settings &settings);

class Startup : public QObject
{
    Q_OBJECT
public:
    using IntroPresenter = std::function<void(int kind, IntroHelpFlags &flags, QWidget *parent)>;

    Startup(Platform &platform, const DataFolder &data, const QString &configDir);
    ~Startup() override;

    QString settingsPath() const; // where the settings are written
    const Settings &settings() const { return m_settings; }
    bool extendedRoll() const { return m_extendedRoll; }

    // The main window's load step; vehicleFile may be empty.
    MainWindow *load(const QString &vehicleFile = {});
    MainWindow *mainWindow() const { return m_window; }
    // Shows the main window and starts the splash; the rest follows its timer.
    void start(int splashMs = 3000);
    // What runs when the splash closes: intro messages, then the warning window.
    void afterSplash();

    // Tests replace the modal intro window.
    void setIntroPresenter(IntroPresenter presenter) { m_presentIntro = std::move(presenter); }
    bool writeSettings(const MainOptions &options);

private:
    Platform &m_platform;
    DataFolder m_data;
    QString m_configDir;
    Settings m_settings;
    bool m_extendedRoll = false;
    bool m_introDone = false;
    IntroPresenter m_presentIntro;
    QPointer<MainWindow> m_window;
};

} // namespace tarvik::gui

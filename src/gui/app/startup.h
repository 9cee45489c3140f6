// Start-up and shut-down of the program. Start-up reads the settings file
// (the user's copy, or the shipped default the first time) into the one
// settings owner, makes the layout document and the main window, opens a
// vehicle file named on the command line, shows the splash for 3000 ms,
// then the intro messages and the warning window (whose closing runs the
// decimal-symbol check). The main window's exit path calls back here to
// write the whole settings object and discard the crash-recovery copy.
//
// One copy of the program owns the settings file: a lock file beside it says
// which. A second copy started while the first runs says so at start and
// works on, but leaves the settings file to the first. The copy that owns
// the settings offers, once its main window shows, each crash-recovery copy
// that no running program holds, newest first; the copies are kept in the
// --config-dir folder when one is given, else in the user's data folder.
#pragma once

#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/document/vehiclefolders.h"
#include "gui/platform/datafolder.h"

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <memory>

namespace tarvik::gui {

class CalcOpener;
class MainWindow;
class MeasurementWindows;
class OutsideDocuments;
class PickupOptimizerWindow;
class Platform;
class TableWindows;

// The marker file whose presence (in the data folder or the configuration
// folder) widens the roll range to plus or minus 70 degrees.
inline constexpr const char *kExtendedRollMarker = "ROLL70.QMK";

class Startup : public QObject
{
    Q_OBJECT
public:
    Startup(Platform &platform, const DataFolder &data, const QString &configDir);
    ~Startup() override;

    QString settingsPath() const; // where the settings are written
    SettingsOwner &settings() { return m_settings; }
    bool extendedRoll() const { return m_extendedRoll; }
    LayoutDocument *document() const { return m_document.get(); }
    // The calculation window's opener (the table window opens its table specs through it).
    CalcOpener *calc() const { return m_calc.get(); }

    // Design > Find Pick-up Points: the one pick-up point window, opened or
    // brought to the front.
    PickupOptimizerWindow *openDesign();
    // The measured camber and its windows (Measurements, Fit Model).
    MeasurementWindows *measurements() const { return m_measurements.get(); }

    // The main window's load step; vehicleFile may be empty.
    MainWindow *load(const QString &vehicleFile = {});
    MainWindow *mainWindow() const { return m_window; }
    TableWindows *tables() const { return m_tables.get(); }
    // Shows the main window, asks what start-up must ask (a second copy, a
    // layout to recover) and starts the splash; the rest follows its timer.
    void start(int splashMs = 3000);
    // The questions at start, and the crash-recovery copy kept from then on.
    void askAtStart();
    bool ownsSettings() const { return m_settingsLock != nullptr; }
    QString recoveryFolder() const { return m_recoveryFolder; }
    // What runs when the splash closes: intro messages, then the warning window.
    void afterSplash();
    bool writeSettings();

private:
    void offerRecovery();

    Platform &m_platform;
    DataFolder m_data;
    QString m_configDir;
    QString m_recoveryFolder;
    std::unique_ptr<QLockFile> m_settingsLock; // null in a second copy
    SettingsOwner m_settings;
    VehicleFolders m_folders;
    std::unique_ptr<LayoutDocument> m_document;
    std::unique_ptr<CalcOpener> m_calc;
    bool m_extendedRoll = false;
    bool m_introDone = false;
    QPointer<MainWindow> m_window;
    QPointer<PickupOptimizerWindow> m_design;
    std::unique_ptr<MeasurementWindows> m_measurements; // before the document goes
    std::unique_ptr<OutsideDocuments> m_documents; // the Help menu's manual, readme, web site
    std::unique_ptr<TableWindows> m_tables; // last: its windows go before the rest
};

} // namespace tarvik::gui

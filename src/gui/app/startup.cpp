// Start-up and shut-down; see startup.h.
#include "gui/app/startup.h"

#include "gui/platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
// The warning window header needs the decimal-symbol window complete.
#include "core/layout/settingsfile.h"
#include "core/support/helptopic.h"
#include "core/support/warningtext.h"
#include "gui/support/decimalsymbolwindow.h"
#include "gui/support/helpwindow.h"
#include "gui/support/intromessagewindow.h"
#include "gui/support/splashwindow.h"
#include "gui/support/warningwindow.h"

namespace tarvik::gui {

MainOptions mainOptionsFrom(const Settings &settings)
{
    MainOptions options;
    options.unitsFlag = settings.unitsFlag;
    options.entryMode = settings.entryMode == 1 ? 1 : 0;
    options.extensionLines = settings.extensionLines != 0;
    options.darkGrayBackground = settings.backgroundColour != 0;
    options.camberOption = settings.camberOption == 1;
    options.gainSpecChoice = settings.GainSpecChoice;
    options.gainDiveText = QString::fromStdString(settings.GainDiveText);
    options.gainRollText = QString::fromStdString(settings.GainRollText);
    options.introFlags = settings.introHelp;
    return options;
}

void storeMainOptions(const MainOptions &options, Settings &settings)
{
    settings.unitsFlag = options.unitsFlag;
    settings.entryMode = options.entryMode;
    settings.extensionLines = options.extensionLines ? 1 : 0;
    settings.backgroundColour = options.darkGrayBackground ? 1 : 0;
    settings.camberOption = options.camberOption ? 1 : 0;
    settings.GainSpecChoice = options.gainSpecChoice;
    settings.GainDiveText = options.gainDiveText.toStdString();
    settings.GainRollText = options.gainRollText.toStdString();
    settings.introHelp = options.introFlags;
}

Startup::Startup(Platform &platform, const DataFolder &data, const QString &configDir)
    : m_platform(platform)
    , m_data(data)
    , m_configDir(configDir.isEmpty()
              ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
              : configDir)
    , m_presentIntro([](int kind, IntroHelpFlags &flags, QWidget *parent) {
        auto *window = qobject_cast<MainWindow *>(parent);
        IntroMessageWindow::showMessage(kind, flags, parent, window ? window->helpBox() : nullptr);
    })
{
}

Startup::~Startup()
{
    delete m_window;
}

QString Startup::settingsPath() const
{
    return QDir(m_configDir).filePath(QString::fromLatin1(kSettingsFileName));
}

MainWindow *Startup::load(const QString &vehicleFile)
{
    // The user's own settings, or the shipped defaults on the first run.
    const QString own = settingsPath();
    const QString path
        = QFileInfo::exists(own) ? own : m_data.path(QString::fromLatin1(kSettingsFileName));
    m_settings = readSettingsFile(path.toStdString()).settings;
    m_extendedRoll = QFileInfo::exists(m_data.path(QString::fromLatin1(kExtendedRollMarker)))
        || QFileInfo::exists(QDir(m_configDir).filePath(QString::fromLatin1(kExtendedRollMarker)));

    MainWindowHooks hooks;
    hooks.showIntro
        = [this](int kind, IntroHelpFlags &flags) { m_presentIntro(kind, flags, m_window); };
    hooks.showHelp = [this] {
        auto *help = new HelpWindow(m_data.root(), kHelpGroupMain, m_window);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->show();
    };
    hooks.writeSettings = [this](const MainOptions &options) { writeSettings(options); };
    hooks.quit = [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    };
    m_window = new MainWindow(
        m_platform, m_data, mainOptionsFrom(m_settings), m_extendedRoll, std::move(hooks));
    m_window->vehicleFolders() = VehicleFolders(m_configDir, m_data.path(QStringLiteral("tkfiles")),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!vehicleFile.isEmpty()) {
        m_window->openFile(vehicleFile);
    }
    return m_window;
}

void Startup::start(int splashMs)
{
    m_window->show();
    auto *splash = new SplashWindow(m_window, splashMs);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(splash, &SplashWindow::finished, this, &Startup::afterSplash);
    splash->start();
}

void Startup::afterSplash()
{
    if (!m_window) {
        return;
    }
    m_window->show();
    m_window->activateWindow();
    if (!m_introDone) {
        IntroHelpFlags &flags = m_window->introFlags();
        for (int kind : flags.startupKinds()) {
            m_presentIntro(kind, flags, m_window);
        }
        m_introDone = true;
    }
    auto *warning = new WarningWindow(m_platform, m_data.root(), kStartupWarningKind, m_window);
    warning->setAttribute(Qt::WA_DeleteOnClose);
    warning->open();
}

bool Startup::writeSettings(const MainOptions &options)
{
    storeMainOptions(options, m_settings);
    QDir().mkpath(m_configDir);
    const WriteResult result = writeSettingsFile(settingsPath().toStdString(), m_settings);
    if (!result.ok) {
        m_platform.message(m_window, QStringLiteral("Settings Not Saved"),
            QString::fromStdString(result.message), MessageButtons::Ok, MessageIcon::Exclamation);
    }
    return result.ok;
}

} // namespace tarvik::gui

// Start-up and shut-down; see startup.h.
#include "gui/app/startup.h"

#include "core/layout/sessiontexts.h"
#include "core/support/helptopic.h"
#include "core/support/warningtext.h"
#include "gui/calc/calcopener.h"
#include "gui/design/measurementwindows.h"
#include "gui/design/pickupoptimizerwindow.h"
#include "gui/document/recoverywriter.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/platform.h"
#include "gui/support/helpwindow.h"
#include "gui/support/outsidedocuments.h"
#include "gui/support/splashwindow.h"
#include "gui/support/warningwindow.h"
#include "gui/table/cambertablewindow.h"
#include "gui/table/tablewindows.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QStandardPaths>

namespace tarvik::gui {

Startup::Startup(Platform &platform, const DataFolder &data, const QString &configDir)
    : m_platform(platform)
    , m_data(data)
    , m_configDir(configDir.isEmpty()
              ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
              : configDir)
    , m_recoveryFolder(configDir.isEmpty()
              ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
              : configDir)
    , m_folders(m_configDir, data.path(QStringLiteral("tkfiles")),
          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
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
    // The settings file belongs to the first copy that runs. Only a lock
    // held by a running program counts: one left by a crash is taken over.
    QDir().mkpath(m_configDir);
    auto lock = std::make_unique<QLockFile>(settingsPath() + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0) || lock->error() != QLockFile::LockFailedError) {
        m_settingsLock = std::move(lock);
    }
    // The user's own settings, or the shipped defaults on the first run.
    const QString own = settingsPath();
    m_settings.read(
        QFileInfo::exists(own) ? own : m_data.path(QString::fromLatin1(kSettingsFileName)));
    m_extendedRoll = QFileInfo::exists(m_data.path(QString::fromLatin1(kExtendedRollMarker)))
        || QFileInfo::exists(QDir(m_configDir).filePath(QString::fromLatin1(kExtendedRollMarker)));
    m_document
        = std::make_unique<LayoutDocument>(m_settings, m_data.path(QStringLiteral("tkfiles")));

    MainWindowHooks hooks;
    hooks.showHelp = [this] {
        auto *help = new HelpWindow(m_data.root(), kHelpGroupMain, m_window);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->show();
    };
    m_calc = std::make_unique<CalcOpener>(m_platform, m_data, *m_document, m_settings);
    hooks.openCalc = [this](CalcMode mode, int shimSide) { m_calc->open(mode, shimSide); };
    m_documents = std::make_unique<OutsideDocuments>(m_platform, m_settings, m_data.root());
    hooks.showDocument
        = [this](OutsideDocument document) { m_documents->show(document, m_window); };
    hooks.openDesign = [this] { openDesign(); };
    m_measurements = std::make_unique<MeasurementWindows>(m_platform, *m_document, m_settings);
    hooks.openFit = [this] { m_measurements->openFit(m_window); };
    hooks.writeSettings = [this] {
        m_tables->closeAll(); // a table still open is the next run's previous table
        writeSettings();
        // Leaving on purpose: the changes were saved or given up.
        m_document->discardRecoveryCopy();
    };
    hooks.quit = [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    };
    // The table's specs open over the table window, which they refill.
    std::function<void()> tableSpecs = [this] {
        m_calc->open(CalcMode::TableSpec, kSideRight, m_tables ? m_tables->tableWindow() : nullptr);
    };
    hooks.openTable = [this] { m_tables->openTable(); };
    m_window = new MainWindow(
        m_platform, m_data, m_settings, *m_document, m_folders, m_extendedRoll, std::move(hooks));
    m_calc->setMainWindow(m_window);
    m_tables = std::make_unique<TableWindows>(
        m_platform, m_data, m_settings, *m_document, m_window, std::move(tableSpecs), m_configDir);
    m_tables->setMeasurements(
        &m_measurements->owner(), [this] { m_measurements->openMeasurements(m_window); });
    if (!vehicleFile.isEmpty()) {
        m_window->files().openFile(vehicleFile);
    }
    return m_window;
}

PickupOptimizerWindow *Startup::openDesign()
{
    if (!m_design) {
        m_design = new PickupOptimizerWindow(m_platform, *m_document, m_settings, m_window);
    }
    m_design->show();
    m_design->raise();
    m_design->activateWindow();
    return m_design;
}

void Startup::start(int splashMs)
{
    m_window->show();
    askAtStart();
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
        for (int kind : m_settings.get().introHelp.startupKinds()) {
            const bool suppress = m_platform.introMessage(m_window, kind, m_window->helpBox());
            m_settings.change([&](Settings &s) { s.introHelp.recordChoice(kind, suppress); });
        }
        m_introDone = true;
    }
    auto *warning = new WarningWindow(m_platform, m_data.root(), kStartupWarningKind, m_window);
    warning->setAttribute(Qt::WA_DeleteOnClose);
    warning->open();
}

void Startup::askAtStart()
{
    m_document->keepRecoveryCopy(m_recoveryFolder);
    if (!ownsSettings()) {
        m_platform.message(m_window, QString::fromLatin1(kSecondCopyTitle),
            QString::fromLatin1(kSecondCopyText), MessageButtons::Ok, MessageIcon::Information);
    } else {
        offerRecovery();
    }
}

void Startup::offerRecovery()
{
    for (const QString &path : RecoveryWriter::orphans(m_recoveryFolder)) {
        const std::unique_ptr<QLockFile> claimed = RecoveryWriter::claim(path);
        if (!claimed) {
            continue;
        }
        const RecoveryReadResult copy = readRecoveryFile(path.toStdString());
        if (!copy.ok) {
            QFile::remove(path); // not a copy that could ever be recovered
            continue;
        }
        const QString file = QString::fromStdString(copy.data.file);
        const QString name
            = file == QString::fromLatin1(kUntitled) ? file : QFileInfo(file).fileName();
        const QDateTime when = QDateTime::fromSecsSinceEpoch(copy.data.savedAt);
        const QString time = when.toString(when.date() == QDate::currentDate()
                ? QStringLiteral("HH:mm")
                : QStringLiteral("yyyy-MM-dd HH:mm"));
        const MessageAnswer answer
            = m_platform.message(m_window, QString::fromLatin1(kRecoveryTitle),
                QString::fromStdString(recoveryQuestion(name.toStdString(), time.toStdString())),
                MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes);
        if (answer != MessageAnswer::Yes) {
            QFile::remove(path);
            continue;
        }
        m_document->recover(copy.data);
        // This run's own copy takes over; the old one goes once that is written.
        if (m_document->recoveryCopy()->update()) {
            QFile::remove(path);
        }
        return; // one layout at a time: any other copies wait for the next start
    }
}

bool Startup::writeSettings()
{
    // A second copy leaves the settings file to the copy that owns it.
    if (!ownsSettings()) {
        return true;
    }
    QDir().mkpath(m_configDir);
    const WriteResult result = m_settings.write(settingsPath());
    if (!result.ok) {
        m_platform.message(m_window, QStringLiteral("Settings Not Saved"),
            QString::fromStdString(result.message), MessageButtons::Ok, MessageIcon::Exclamation);
    }
    return result.ok;
}

} // namespace tarvik::gui

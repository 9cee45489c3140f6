// Start-up and shut-down: the command line, the shipped-data lookup, the
// settings read at start (the user's file, or the shipped default on the
// first run) and written at exit, the intro messages and their suppression
// across a restart, the tenth-activation message and the extended roll range.
#include "gui/app/commandline.h"
#include "gui/app/startup.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/scriptedplatform.h"
#include "gui/support/helpwindow.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;

namespace {

DataFolder shippedData()
{
    return DataFolder(QStringLiteral(TARVIK_DATA_DIR));
}

// Closes the start-up warning window (and anything else modal it opened).
void closeDialogs(QWidget *window)
{
    const QList<QDialog *> dialogs = window->findChildren<QDialog *>();
    for (QDialog *dialog : dialogs) {
        if (dialog->isVisible()) {
            dialog->reject();
        }
    }
    QApplication::processEvents();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void dataLookupIgnoresCase();
    void introSuppressionSurvivesRestart();
    void tenthActivationShowsManualMessageOnce();
    void extendedRollMarker();
    void startSequenceKeepsTheSolvedLayout();
    void helpMenuOpensTheHelpPages();
};

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("configDir");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("error");
    const QString none;
    QTest::newRow("nothing") << QStringList { "tarvik" } << none << none << false;
    QTest::newRow("file") << QStringList { "tarvik", "car.tk" } << none << QString("car.tk")
                          << false;
    QTest::newRow("config and file") << QStringList { "tarvik", "--config-dir", "/tmp/t", "car.tk" }
                                     << QString("/tmp/t") << QString("car.tk") << false;
    QTest::newRow("two files") << QStringList { "tarvik", "a.tk", "b.tk" } << none << none << true;
    QTest::newRow("unknown option") << QStringList { "tarvik", "--colour" } << none << none << true;
    QTest::newRow("config without folder")
        << QStringList { "tarvik", "--config-dir" } << none << none << true;
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, configDir);
    QFETCH(QString, file);
    QFETCH(bool, error);
    const CommandLine parsed = parseCommandLine(arguments);
    QCOMPARE(!parsed.error.isEmpty(), error);
    if (!error) {
        QCOMPARE(parsed.configDir, configDir);
        QCOMPARE(parsed.vehicleFile, file);
    }
}

void TestStartup::dataLookupIgnoresCase()
{
    const DataFolder data = shippedData();
    QVERIFY(data.isValid());
    const QString outhelp = data.path(QStringLiteral("tktext/outhelp.txt"));
    QVERIFY(QFile::exists(outhelp));
    QVERIFY(outhelp.endsWith(QStringLiteral("TKTEXT/OUTHELP.TXT")));
    QVERIFY(QFile::exists(data.path(QStringLiteral("TKFILES\\worked.tk"))));
    QCOMPARE(data.path(QStringLiteral("nothing/here.txt")), data.root() + "/nothing/here.txt");

    QTemporaryDir exeDir;
    QVERIFY(QDir(exeDir.path()).mkpath(QStringLiteral("share/tarvik")));
    QVERIFY(QDir(exeDir.path()).mkpath(QStringLiteral("bin")));
    const DataFolder installed = DataFolder::locate(exeDir.filePath(QStringLiteral("bin")));
    QCOMPARE(
        installed.root(), QDir(exeDir.filePath(QStringLiteral("share/tarvik"))).canonicalPath());
}

namespace {

// The intro messages asked of the platform, by kind, in order.
QList<int> introsShown(const ScriptedPlatform &platform)
{
    QList<int> kinds;
    for (const PlatformRequest &request : platform.requests()) {
        if (request.kind == PlatformRequest::Kind::IntroMessage) {
            kinds.append(request.introKind);
        }
    }
    return kinds;
}

} // namespace

void TestStartup::introSuppressionSurvivesRestart()
{
    QTemporaryDir config;
    {
        ScriptedPlatform platform;
        Startup startup(platform, shippedData(), config.path());
        MainWindow *window = startup.load();
        // The first run has no settings of its own: the shipped defaults draw
        // extension lines and show the intro messages.
        QVERIFY(!QFile::exists(startup.settingsPath()));
        QVERIFY(startup.settings().get().extensionLines != 0);
        QVERIFY(!startup.settings().get().tableSpec.DiveFrom.empty());
        window->show();
        platform.answerIntroMessage(true); // "Don't show this again" on the help-box message
        platform.answerIntroMessage(false);
        startup.afterSplash();
        QCOMPARE(introsShown(platform), (QList<int> { 0, 1 }));
        QVERIFY(platform.requests().constFirst().pointerLines);
        closeDialogs(window);
        window->action(QStringLiteral("mnuLinesOff"))->trigger();
        QVERIFY(window->exitCommand());
        QVERIFY(QFile::exists(startup.settingsPath()));
    }
    {
        ScriptedPlatform platform;
        Startup startup(platform, shippedData(), config.path());
        MainWindow *window = startup.load();
        QCOMPARE(startup.settings().get().extensionLines, 0);
        window->show();
        startup.afterSplash();
        QCOMPARE(introsShown(platform), (QList<int> { 1 }));
        closeDialogs(window);

        // "Restart Showing Intro Help Messages" brings them back next time.
        window->action(QStringLiteral("mnuRestartIntro"))->trigger();
        QVERIFY(window->exitCommand());
    }
    ScriptedPlatform platform;
    Startup startup(platform, shippedData(), config.path());
    startup.load()->show();
    startup.afterSplash();
    QCOMPARE(introsShown(platform), (QList<int> { 0, 1 }));
    closeDialogs(startup.mainWindow());
}

void TestStartup::tenthActivationShowsManualMessageOnce()
{
    QTemporaryDir config;
    ScriptedPlatform platform;
    Startup startup(platform, shippedData(), config.path());
    MainWindow *window = startup.load();
    while (window->activationCount() < 9) {
        window->activated();
    }
    QVERIFY(introsShown(platform).isEmpty());
    platform.answerIntroMessage(true);
    window->activated(); // the tenth
    QCOMPARE(introsShown(platform), (QList<int> { kIntroKindManual }));
    QVERIFY(platform.requests().constLast().pointerLines);
    for (int more = 0; more < 40; ++more) {
        window->activated();
    }
    QCOMPARE(introsShown(platform).size(), 1);
    // Its check box is kept in a flag the settings file stores.
    QVERIFY(startup.settings().get().introHelp.isSuppressed(kIntroKindManual));
}

void TestStartup::extendedRollMarker()
{
    QTemporaryDir config;
    ScriptedPlatform platform;
    {
        Startup startup(platform, shippedData(), config.path());
        startup.load();
        QVERIFY(!startup.extendedRoll());
    }
    QFile marker(QDir(config.path()).filePath(QString::fromLatin1(kExtendedRollMarker)));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    Startup startup(platform, shippedData(), config.path());
    MainWindow *window = startup.load();
    QVERIFY(startup.extendedRoll());
    window->setApplyDiveRoll(true);
    startup.document()->setEntries({ { kRollEntry, QStringLiteral("-10") } });
    window->spin(kRollEntry, false);
    QCOMPARE(window->box(kRollEntry)->text(), QStringLiteral("-10.20"));
}

void TestStartup::startSequenceKeepsTheSolvedLayout()
{
    QTemporaryDir config;
    ScriptedPlatform platform;
    Startup startup(platform, shippedData(), config.path());
    MainWindow *window = startup.load(shippedData().path(QStringLiteral("tkfiles/WORKED.TK")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ WORKED.TK ]"));
    QCOMPARE(startup.document()->entry(0), QStringLiteral("24"));
    QVERIFY(!startup.document()->isChanged());
    const QString armLength = window->box(6)->text();
    QVERIFY(!armLength.isEmpty());
    startup.start(50);
    QTRY_VERIFY(!window->findChildren<QDialog *>().isEmpty());
    QCOMPARE(window->box(6)->text(), armLength);
    closeDialogs(window);
    QCOMPARE(window->box(6)->text(), armLength);
}

void TestStartup::helpMenuOpensTheHelpPages()
{
    QTemporaryDir config;
    ScriptedPlatform platform;
    Startup startup(platform, shippedData(), config.path());
    MainWindow *window = startup.load();
    window->show();
    window->action(QStringLiteral("mnuHelpTarvik"))->trigger();
    HelpWindow *help = window->findChild<HelpWindow *>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->page(), 0);
    QCOMPARE(help->lastPage(), 7); // the main group, not another one
    help->close();
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

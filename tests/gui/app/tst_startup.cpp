// Start-up and shut-down: the command line, the shipped-data lookup, the
// settings read at start (the user's file, or the shipped default on the
// first run) and written at exit, the intro messages and their suppression
// across a restart, the tenth-activation message, the extended roll range,
// the Help menu's outside documents wired, where the vehicle-file dialogs
// start across runs, a layout recovered after a crash, and a second copy
// that leaves the settings file alone.
#include "core/layout/vehiclefile.h"
#include "gui/app/commandline.h"
#include "gui/app/startup.h"
#include "gui/document/recoverywriter.h"
#include "gui/document/vehiclefolders.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/scriptedplatform.h"
#include "support/namedentries.h"
#include "testing/leftoverwindows.h"
#include "testing/mainwindowfixture.h"
#include "testing/pdffacts.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;
using tarvik::gui::testing::writeFile;

namespace {

DataFolder shippedData()
{
    return DataFolder(QStringLiteral(TARVIK_DATA_DIR));
}

// One run of the program on a configuration folder, as main() starts it.
struct Run
{
    ScriptedPlatform platform;
    Startup startup;
    explicit Run(const QString &configDir)
        : startup(platform, shippedData(), configDir)
    {
    }
};

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

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void commandLine()
    {
        // Accepted, with the configuration folder and the vehicle file taken.
        const std::tuple<QStringList, QString, QString> accepted[] = {
            { { "tarvik" }, "", "" },
            { { "tarvik", "car.tk" }, "", "car.tk" },
            { { "tarvik", "--config-dir", "/tmp/t", "car.tk" }, "/tmp/t", "car.tk" },
        };
        for (const auto &[arguments, configDir, file] : accepted) {
            const CommandLine parsed = parseCommandLine(arguments);
            QVERIFY2(parsed.error.isEmpty(), qPrintable(arguments.join(' ')));
            QCOMPARE(parsed.configDir, configDir);
            QCOMPARE(parsed.vehicleFile, file);
        }
        for (const QStringList &refused : { QStringList { "tarvik", "a.tk", "b.tk" },
                 QStringList { "tarvik", "--colour" }, QStringList { "tarvik", "--config-dir" } }) {
            QVERIFY2(!parseCommandLine(refused).error.isEmpty(), qPrintable(refused.join(' ')));
        }
    }

    void dataLookupIgnoresCase()
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
        QCOMPARE(installed.root(),
            QDir(exeDir.filePath(QStringLiteral("share/tarvik"))).canonicalPath());
    }

    void introMessagesAcrossRestartsAndTheTenthActivation()
    {
        QTemporaryDir config;
        {
            Run run(config.path());
            MainWindow *window = run.startup.load();
            // The first run has no settings of its own: the shipped defaults
            // draw extension lines and show the intro messages.
            QVERIFY(!QFile::exists(run.startup.settingsPath()));
            QVERIFY(run.startup.settings().get().extensionLines != 0);
            QVERIFY(!run.startup.settings().get().tableSpec.DiveFrom.empty());
            window->show();
            run.platform.answerIntroMessage(
                true); // "Don't show this again" on the help-box message
            run.platform.answerIntroMessage(false);
            run.startup.afterSplash();
            QCOMPARE(introsShown(run.platform), (QList<int> { 0, 1 }));
            QVERIFY(run.platform.requests().constFirst().pointerLines);
            closeDialogs(window);
            window->action(QStringLiteral("mnuLinesOff"))->trigger();
            QVERIFY(window->exitCommand());
            QVERIFY(QFile::exists(run.startup.settingsPath()));
        }
        {
            Run run(config.path());
            MainWindow *window = run.startup.load();
            QVERIFY(!run.startup.settings().get().extensionLines);
            window->show();
            run.startup.afterSplash();
            QCOMPARE(introsShown(run.platform), (QList<int> { 1 }));
            closeDialogs(window);

            // "Restart Showing Intro Help Messages" brings them back next time.
            window->action(QStringLiteral("mnuRestartIntro"))->trigger();
            QVERIFY(window->exitCommand());
        }
        Run run(config.path());
        MainWindow *window = run.startup.load();
        window->show();
        run.startup.afterSplash();
        QCOMPARE(introsShown(run.platform), (QList<int> { 0, 1 }));
        closeDialogs(window);

        // The tenth activation shows the manual's message, once.
        while (window->activationCount() < 9) {
            window->activated();
        }
        QCOMPARE(introsShown(run.platform).size(), 2);
        run.platform.answerIntroMessage(true);
        window->activated(); // the tenth
        QCOMPARE(introsShown(run.platform), (QList<int> { 0, 1, kIntroKindManual }));
        QVERIFY(run.platform.requests().constLast().pointerLines);
        for (int more = 0; more < 40; ++more) {
            window->activated();
        }
        QCOMPARE(introsShown(run.platform).size(), 3);
        // Its check box is kept in a flag the settings file stores.
        QVERIFY(run.startup.settings().get().introHelp.isSuppressed(kIntroKindManual));
    }

    void extendedRollMarker()
    {
        QTemporaryDir config;
        QVERIFY(!Run(config.path()).startup.extendedRoll());
        QVERIFY(
            writeFile(QDir(config.path()).filePath(QString::fromLatin1(kExtendedRollMarker)), {}));
        Run run(config.path());
        MainWindow *window = run.startup.load();
        QVERIFY(run.startup.extendedRoll());
        window->setApplyDiveRoll(true);
        run.startup.document()->setEntries({ { Entry::roll(), QStringLiteral("-10") } });
        window->spin(Entry::roll(), false);
        QCOMPARE(testing::entryBox(window, kRollEntry)->text(), QStringLiteral("-10.20"));
    }

    void startSequenceKeepsTheSolvedLayout()
    {
        QTemporaryDir config;
        Run run(config.path());
        MainWindow *window
            = run.startup.load(shippedData().path(QStringLiteral("tkfiles/WORKED.TK")));
        QCOMPARE(
            window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ WORKED.TK[*] ]"));
        QCOMPARE(run.startup.document()->entry(kRightUpperBallJointX), QStringLiteral("24"));
        QVERIFY(!run.startup.document()->isChanged());
        const QString armLength = testing::entryBox(window, 6)->text();
        QVERIFY(!armLength.isEmpty());
        run.startup.start(50);
        QTRY_VERIFY(!window->findChildren<QDialog *>().isEmpty());
        QCOMPARE(testing::entryBox(window, 6)->text(), armLength);
        closeDialogs(window);
        QCOMPARE(testing::entryBox(window, 6)->text(), armLength);

        // The Help menu's outside documents are wired: the shipped readme
        // opens after its message.
        for (const char *name : { "mnuManual", "mnuReadme", "mnuWeb" }) {
            QVERIFY2(window->action(QString::fromLatin1(name))->isEnabled(), name);
        }
        run.platform.clearRecord();
        window->action(QStringLiteral("mnuReadme"))->trigger();
        QCOMPARE(run.platform.messageTexts(),
            QStringList { QStringLiteral("When you are finished viewing the Readme.doc document, "
                                         "click on the [X] box in the upper right corner to "
                                         "return to the Tarvik.") });
        QCOMPARE(run.platform.messages().constFirst().icon, MessageIcon::Information);
        QCOMPARE(run.platform.requests().constLast().kind, PlatformRequest::Kind::OpenDocument);
        QVERIFY(run.platform.requests().constLast().text.endsWith(QStringLiteral("/Readme.doc")));
    }

    void crashRecoveryAndASecondCopy()
    {
        QTemporaryDir config;
        const QString car = config.filePath(QStringLiteral("CAR.TK"));
        QVERIFY(QFile::copy(shippedData().path(QStringLiteral("tkfiles/WORKED.TK")), car));
        QString crashed;
        {
            Run first(config.path());
            first.startup.load(car);
            first.startup.askAtStart();
            QVERIFY(first.startup.ownsSettings());
            QVERIFY(first.platform.messages().isEmpty());
            {
                // A second copy meanwhile: it says so, and its exit leaves
                // the settings file to the first.
                Run second(config.path());
                MainWindow *window = second.startup.load();
                second.startup.askAtStart();
                QVERIFY(!second.startup.ownsSettings());
                QCOMPARE(second.platform.messages().size(), 1);
                QCOMPARE(second.platform.messages().constFirst().title,
                    QStringLiteral("Tarvik Is Already Running"));
                QVERIFY(second.platform.messageTexts().constFirst().contains(
                    QStringLiteral("without saving its settings")));
                QVERIFY(window->exitCommand());
                QVERIFY(!QFile::exists(second.startup.settingsPath()));
            }
            first.startup.document()->setEntries(
                { { kRightUpperBallJointX, QStringLiteral("30") } });
            QVERIFY(first.startup.document()->recoveryCopy()->update());
            crashed = first.startup.document()->recoveryCopy()->path();
            // Gone without the exit path, as in a crash: the copy stays.
        }
        QVERIFY(QFile::exists(crashed));
        {
            Run next(config.path());
            MainWindow *window = next.startup.load(car);
            next.platform.answerMessage(MessageAnswer::Yes);
            next.startup.askAtStart();
            const PlatformRequest asked = next.platform.messages().constFirst();
            QCOMPARE(asked.title, QStringLiteral("Recover Changes"));
            QVERIFY2(QRegularExpression(
                         QStringLiteral(
                             "^Recover the unsaved changes to CAR\\.TK from \\d\\d:\\d\\d\\?$"))
                         .match(asked.text)
                         .hasMatch(),
                qPrintable(asked.text));
            QCOMPARE(asked.buttons, MessageButtons::YesNo);
            QCOMPARE(asked.defaultButton, std::optional(MessageAnswer::Yes));
            QCOMPARE(testing::entryBox(window, 0)->text(), QStringLiteral("30"));
            QVERIFY(next.startup.document()->isChanged());
            QCOMPARE(
                window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ CAR.TK[*] ]"));
            // This run's copy took over from the crashed one.
            const QString own = next.startup.document()->recoveryCopy()->path();
            QVERIFY(!QFile::exists(crashed) && QFile::exists(own));
            QVERIFY(window->files().fileSave());
            QCOMPARE(readVehicleFile(car.toStdString()).data.record.get(kRightUpperBallJointX),
                std::string("30"));
            QVERIFY(!QFile::exists(own));

            // A layout never saved is kept too.
            window->files().fileNew();
            next.startup.document()->setEntries(
                { { kRightUpperBallJointX, QStringLiteral("12") } });
            QVERIFY(next.startup.document()->recoveryCopy()->update());
        }
        Run last(config.path());
        MainWindow *window = last.startup.load();
        last.platform.answerMessage(MessageAnswer::No);
        last.startup.askAtStart();
        QVERIFY(last.platform.messageTexts().constFirst().startsWith(
            QStringLiteral("Recover the unsaved changes to Untitled from ")));
        QVERIFY(!last.startup.document()->isChanged());
        const QStringList copies { QStringLiteral("recovery-*.tkr") };
        QVERIFY(QDir(config.path()).entryList(copies).isEmpty()); // No deleted it

        // A clean exit, the changes given up, leaves no copy.
        last.startup.document()->setEntries({ { kRightUpperBallJointX, QStringLiteral("13") } });
        QVERIFY(last.startup.document()->recoveryCopy()->update());
        QCOMPARE(QDir(config.path()).entryList(copies).size(), 1);
        last.platform.answerMessage(MessageAnswer::No);
        QVERIFY(window->exitCommand());
        QVERIFY(QDir(config.path()).entryList(copies).isEmpty());
        QVERIFY(QFile::exists(last.startup.settingsPath()));
    }

    void vehicleFoldersFirstRunThenLastUsed()
    {
        // The examples and the user's own folder on the first run, then the
        // folder last used, across runs.
        QTemporaryDir root;
        const QString config = root.filePath(QStringLiteral("config"));
        const QString examples = root.filePath(QStringLiteral("examples"));
        const QString documents = root.filePath(QStringLiteral("Documents"));
        QDir().mkpath(examples);
        const QString own = QDir(documents).filePath(QStringLiteral("Tarvik"));

        VehicleFolders first(config, examples, documents);
        QCOMPARE(first.openFolder(), examples);
        QVERIFY(!QFileInfo::exists(own)); // made only when it is needed
        QCOMPARE(first.saveFolder(), own);
        QVERIFY(QFileInfo(own).isDir());
        QCOMPARE(first.sidebar(), QStringList({ examples, own }));

        // A file saved elsewhere: both dialogs start there, in this run and the next.
        const QString elsewhere = root.filePath(QStringLiteral("cars"));
        QDir().mkpath(elsewhere);
        first.remember(QDir(elsewhere).filePath(QStringLiteral("CAR7.TK")));
        QCOMPARE(first.openFolder(), elsewhere);
        VehicleFolders next(config, examples, documents);
        QCOMPARE(next.openFolder(), elsewhere);
        QCOMPARE(next.saveFolder(), elsewhere);

        // The recent files, newest first, at most eight, existing ones only.
        for (int i = 0; i < 10; ++i) {
            const QString car = QDir(elsewhere).filePath(QStringLiteral("CAR%1.TK").arg(i));
            QVERIFY(writeFile(car, {}));
            next.remember(car);
        }
        QVERIFY(QFile::remove(QDir(elsewhere).filePath(QStringLiteral("CAR8.TK"))));
        const QStringList recent = VehicleFolders(config, examples, documents).recentFiles();
        QCOMPARE(recent.size(), VehicleFolders::kRecentFiles - 1);
        QVERIFY(recent.constFirst().endsWith(QStringLiteral("CAR9.TK")));
        QVERIFY(recent.constLast().endsWith(QStringLiteral("CAR2.TK")));

        // A remembered folder that has gone is forgotten.
        QVERIFY(QDir(elsewhere).removeRecursively());
        VehicleFolders later(config, examples, documents);
        QCOMPARE(later.openFolder(), examples);
        QCOMPARE(later.saveFolder(), own);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

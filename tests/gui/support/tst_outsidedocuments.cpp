// The Help menu's outside documents through the platform: every message in
// its order, what is started, the seek's find kept in the settings owner and
// started first the next time, and a stale viewer forgotten (the start-up
// test opens the readme through the menu). The file seek window on temporary
// trees: one match closes it with the path, none says so and stays open,
// several offer the list, and the Halt question pauses the walk (No goes on
// where it was, Yes stops). Which files match is the core seek's business.
#include "core/support/documentviewers.h"
#include "core/support/fileseek.h"
#include "gui/document/settingsowner.h"
#include "gui/platform/seekwindow.h"
#include "gui/support/outsidedocuments.h"
#include "testing/findwidget.h"
#include "testing/leftoverwindows.h"
#include "testing/pdffacts.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;
using tarvik::gui::testing::writeFile;

namespace {

QString text(const ViewerMessage &message)
{
    return QString::fromStdString(message.text);
}

void touch(const QString &path)
{
    QVERIFY(writeFile(path, "x"));
}

// The names the file seek window was asked for.
QStringList seeksOf(const ScriptedPlatform &platform)
{
    QStringList names;
    for (const PlatformRequest &request : platform.requests()) {
        if (request.kind == PlatformRequest::Kind::SeekFile) {
            names << request.text;
        }
    }
    return names;
}

void waitForWalk(const SeekWindow &window)
{
    QTRY_VERIFY_WITH_TIMEOUT(!window.isSearching(), 20000);
}

} // namespace

class TestOutsideDocuments : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void init();
    void webSiteSeekFindIsRememberedAndUsedNextTime();
    void manualNoteOnceAndStaleViewerForgotten();
    void seekFindsOneNoneOrMany();
    void seekHaltAsks();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_data;
    QString m_emptyPath; // a search path with no programs on it
};

void TestOutsideDocuments::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_data = m_dir->filePath(QStringLiteral("data"));
    touch(m_data + QStringLiteral("/TKTEXT/tarvman7.pdf"));
    touch(m_data + QStringLiteral("/Readme.doc"));
    m_emptyPath = m_dir->filePath(QStringLiteral("bin"));
    QDir().mkpath(m_emptyPath);
}

void TestOutsideDocuments::webSiteSeekFindIsRememberedAndUsedNextTime()
{
    const QString browser = m_dir->filePath(QStringLiteral("found/firefox"));
    touch(browser);
    ScriptedPlatform platform;
    SettingsOwner settings;
    QSignalSpy changed(&settings, &SettingsOwner::changed);
    OutsideDocuments documents(platform, settings, m_data);
    documents.host().setSearchPath(m_emptyPath);

    platform.answerStart(false); // the desktop has no browser
    platform.answerSeekFile(browser);
    QVERIFY(documents.show(OutsideDocument::WebSite));
    QCOMPARE(platform.messageTexts(),
        (QStringList {
            text(webSiteFinishedMessage("tarvik.example.org")), text(browserSearchMessage()) }));
    QCOMPARE(seeksOf(platform), QStringList { QStringLiteral("firefox") });
    const PlatformRequest start = platform.requests().constLast();
    QCOMPARE(start.kind, PlatformRequest::Kind::StartProgram);
    QCOMPARE(start.text, browser);
    QCOMPARE(start.arguments, QStringList { QString::fromLatin1(kMakerWebAddress) });
    QCOMPARE(QString::fromStdString(settings.get().webBrowserPath), browser);
    QCOMPARE(changed.count(), 1);

    // Next time the remembered browser is started first: no desktop, no seek.
    platform.clearRecord();
    QVERIFY(documents.show(OutsideDocument::WebSite));
    QCOMPARE(platform.requests().size(), 2);
    QCOMPARE(platform.requests().at(1).kind, PlatformRequest::Kind::StartProgram);
    QCOMPARE(platform.requests().at(1).text, browser);
    QVERIFY(seeksOf(platform).isEmpty());
    QCOMPARE(changed.count(), 1); // nothing new to keep
}

void TestOutsideDocuments::manualNoteOnceAndStaleViewerForgotten()
{
    ScriptedPlatform platform;
    Settings initial;
    initial.pdfViewerFolder = "/opt/gone/okular";
    SettingsOwner settings(initial);
    OutsideDocuments documents(platform, settings, m_data);
    documents.host().setSearchPath(m_emptyPath);
    const QString manual = m_data + QStringLiteral("/TKTEXT/tarvman7.pdf");

    platform.answerStart(false); // the remembered viewer is gone
    QVERIFY(documents.show(OutsideDocument::Manual));
    // The note on closing the viewer once one started, after the starts.
    QCOMPARE(platform.messageTexts(), QStringList { text(manualFirstTimeMessage()) });
    QCOMPARE(platform.requests().at(0).text, QStringLiteral("/opt/gone/okular"));
    QCOMPARE(platform.requests().at(1).kind, PlatformRequest::Kind::OpenDocument);
    QCOMPARE(platform.requests().at(1).text, manual);
    QCOMPARE(platform.requests().size(), 3);
    QVERIFY(settings.get().pdfViewerFolder.empty());

    platform.clearRecord();
    QVERIFY(documents.show(OutsideDocument::Manual));
    QVERIFY(platform.messageTexts().isEmpty()); // the note is said once a run
    QCOMPARE(platform.requests().size(), 1);
}

void TestOutsideDocuments::seekFindsOneNoneOrMany()
{
    // Our own program counts only beside our data files, so the loose copy
    // is not found; nor is a folder of that name.
    for (const bool present : { true, false }) {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("TARVIK.BIN/x")));
        touch(dir.filePath(QStringLiteral("loose/TARVIK.BIN")));
        if (present) {
            touch(dir.filePath(QStringLiteral("installed/TARVIK.BIN")));
            touch(dir.filePath(QStringLiteral("installed/tk.QMK")));
        }
        ScriptedPlatform platform;
        SeekWindow window(platform, QStringLiteral("TARVIK.BIN"), { dir.path() });
        window.show();
        QCOMPARE(window.instructionText(),
            QStringLiteral(
                "Choose the file system to search for TARVIK.BIN,\nthen click on the Search "
                "button."));
        QTest::mouseClick(child<QPushButton>(&window, "SeekSearch"), Qt::LeftButton);
        waitForWalk(window);
        QVERIFY(window.foldersText().mid(18).toInt() >= 2);
        if (present) {
            // One match: the window closes at once with it; no list, no message.
            QCOMPARE(window.chosenPath(), dir.filePath(QStringLiteral("installed/TARVIK.BIN")));
            QCOMPARE(window.QDialog::result(), int(QDialog::Accepted));
            QVERIFY(!window.isVisible());
            QVERIFY(platform.requests().isEmpty());
            continue;
        }
        // Nothing found: said once, and the window stays for another try.
        QCOMPARE(platform.messageTexts(),
            QStringList {
                QString::fromStdString(seekNotFoundText(dir.path().toStdString(), "TARVIK.BIN")) });
        QCOMPARE(platform.messages().constFirst().title, QStringLiteral("Tarvik"));
        QVERIFY(window.isVisible() && window.chosenPath().isEmpty());
        QVERIFY(child<QPushButton>(&window, "SeekSearch")->isEnabled());
        QCOMPARE(window.foundCaption(), QStringLiteral("0 occurrences found of TARVIK.BIN"));
    }

    // Several: the list to choose from, and Use.
    QTemporaryDir dir;
    const QStringList expected { dir.filePath(QStringLiteral("a/firefox")),
        dir.filePath(QStringLiteral("b/firefox")) };
    touch(expected[0]);
    touch(expected[1]);
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("c"))));
    ScriptedPlatform platform;
    SeekWindow window(platform, QStringLiteral("firefox"), { dir.path() });
    window.show();
    QVERIFY(!child<QPushButton>(&window, "SeekUse")->isVisible());

    window.search();
    waitForWalk(window);
    QCOMPARE(window.foundPaths(), expected);
    QCOMPARE(window.foundCaption(), QStringLiteral("2 occurrences found of firefox"));
    QCOMPARE(window.foldersText(), QStringLiteral("Folders Searched: 4"));
    QCOMPARE(window.instructionText(),
        QStringLiteral("Double click (or single click and click on 'Use') on the occurrence of "
                       "firefox you want to use."));
    QVERIFY(child<QPushButton>(&window, "SeekUse")->isVisible() && window.isVisible());

    child<QListWidget>(&window, "SeekFound")->setCurrentRow(1);
    QTest::mouseClick(child<QPushButton>(&window, "SeekUse"), Qt::LeftButton);
    QCOMPARE(window.chosenPath(), expected[1]);
    QVERIFY(!window.isVisible());
}

void TestOutsideDocuments::seekHaltAsks()
{
    {
        // Before a search the button cancels: no path, nothing asked.
        ScriptedPlatform platform;
        SeekWindow window(platform, QStringLiteral("evince"), {});
        QCOMPARE(child<QComboBox>(&window, "SeekRoot")->count(), 1); // "/" when no list is given
        window.show();
        QTest::mouseClick(child<QPushButton>(&window, "SeekHalt"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.QDialog::result(), int(QDialog::Rejected));
        QVERIFY(window.chosenPath().isEmpty() && platform.requests().isEmpty());
    }
    QTemporaryDir dir;
    for (int i = 0; i < 300; ++i) {
        QVERIFY(
            QDir().mkpath(dir.filePath(QStringLiteral("d%1/e").arg(i, 3, 10, QLatin1Char('0')))));
    }
    touch(dir.filePath(QStringLiteral("d299/e/evince")));
    // During a search it halts only when the question is answered Yes.
    for (const MessageAnswer answer : { MessageAnswer::No, MessageAnswer::Yes }) {
        ScriptedPlatform platform;
        platform.answerMessage(answer);
        SeekWindow window(platform, QStringLiteral("evince"), { dir.path() });
        window.show();
        window.search();
        QVERIFY(!child<QPushButton>(&window, "SeekSearch")->isEnabled());
        QTest::mouseClick(child<QPushButton>(&window, "SeekHalt"), Qt::LeftButton);
        const PlatformRequest question = platform.requests().constFirst();
        QCOMPARE(question.title, QStringLiteral("                   Halt ?                    "));
        QCOMPARE(question.text, QStringLiteral("Halt searching for file ?"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        waitForWalk(window);
        QCOMPARE(platform.pendingAnswers(), 0);
        if (answer == MessageAnswer::No) {
            // Every folder once: the walk was neither stopped nor started over.
            QCOMPARE(window.foldersText(), QStringLiteral("Folders Searched: 601"));
            QCOMPARE(window.chosenPath(), dir.filePath(QStringLiteral("d299/e/evince")));
        } else {
            // Stopped short of the match: the window stays open after the message.
            QVERIFY(window.chosenPath().isEmpty());
            QVERIFY(child<QPushButton>(&window, "SeekSearch")->isEnabled() && window.isVisible());
        }
    }
}

QTEST_MAIN(TestOutsideDocuments)
#include "tst_outsidedocuments.moc"

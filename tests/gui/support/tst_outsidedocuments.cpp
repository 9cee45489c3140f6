// The Help menu's outside documents through the platform: every message in
// its order, what is started, the seek's find kept in the settings owner and
// started first the next time, a stale viewer forgotten, and the menu items
// enabled once start-up wires them.
#include "core/support/documentviewers.h"
#include "gui/app/settingsowner.h"
#include "gui/app/startup.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/scriptedplatform.h"
#include "gui/support/outsidedocuments.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;

namespace {

QString text(const ViewerMessage &message)
{
    return QString::fromStdString(message.text);
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

class TestOutsideDocuments : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void webSiteSeekFindIsRememberedAndUsedNextTime();
    void manualNoteOnceAndStaleViewerForgotten();
    void readmeNamesTheMenusDocument();
    void startupEnablesTheHelpMenuItems();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_data;
    QString m_emptyPath; // a search path with no programs on it
    QStringList m_seeks; // names the scripted seek was asked for
    QString m_seekAnswer;
};

void TestOutsideDocuments::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_data = m_dir->filePath(QStringLiteral("data"));
    touch(m_data + QStringLiteral("/TKTEXT/tarvman7.pdf"));
    touch(m_data + QStringLiteral("/Readme.doc"));
    m_emptyPath = m_dir->filePath(QStringLiteral("bin"));
    QDir().mkpath(m_emptyPath);
    m_seeks.clear();
    m_seekAnswer.clear();
}

void TestOutsideDocuments::webSiteSeekFindIsRememberedAndUsedNextTime()
{
    const QString browser = m_dir->filePath(QStringLiteral("found/firefox"));
    touch(browser);
    m_seekAnswer = browser;
    ScriptedPlatform platform;
    SettingsOwner settings;
    QSignalSpy changed(&settings, &SettingsOwner::changed);
    OutsideDocuments documents(platform, settings, m_data, [this](const QString &name) {
        m_seeks << name;
        return m_seekAnswer;
    });
    documents.host().setSearchPath(m_emptyPath);

    platform.answerStart(false); // the desktop has no browser
    QVERIFY(documents.show(OutsideDocument::WebSite));
    QCOMPARE(platform.messageTexts(),
        (QStringList {
            text(webSiteFinishedMessage("tarvik.example.org")), text(browserSearchMessage()) }));
    QCOMPARE(m_seeks, QStringList { QStringLiteral("firefox") });
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
    QCOMPARE(m_seeks.size(), 1);
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
    QCOMPARE(platform.messageTexts(), QStringList { text(manualFirstTimeMessage()) });
    QCOMPARE(platform.requests().at(1).text, QStringLiteral("/opt/gone/okular"));
    QCOMPARE(platform.requests().at(2).kind, PlatformRequest::Kind::OpenDocument);
    QCOMPARE(platform.requests().at(2).text, manual);
    QVERIFY(settings.get().pdfViewerFolder.empty());

    platform.clearRecord();
    QVERIFY(documents.show(OutsideDocument::Manual));
    QVERIFY(platform.messageTexts().isEmpty()); // the note is said once a run
    QCOMPARE(platform.requests().size(), 1);
}

void TestOutsideDocuments::readmeNamesTheMenusDocument()
{
    ScriptedPlatform platform;
    SettingsOwner settings;
    OutsideDocuments documents(platform, settings, m_data);
    QVERIFY(documents.show(OutsideDocument::Readme));
    QCOMPARE(platform.messageTexts(),
        QStringList { QStringLiteral("When you are finished viewing the Readme.doc document, "
                                     "click on the [X] box in the upper right corner to return "
                                     "to the Tarvik.") });
    QCOMPARE(platform.messages().constFirst().icon, MessageIcon::Information);
    QCOMPARE(platform.requests().constLast().text, m_data + QStringLiteral("/Readme.doc"));
}

void TestOutsideDocuments::startupEnablesTheHelpMenuItems()
{
    ScriptedPlatform platform;
    QTemporaryDir config;
    Startup startup(platform, DataFolder(QStringLiteral(TARVIK_DATA_DIR)), config.path());
    MainWindow *window = startup.load();
    for (const char *name : { "mnuManual", "mnuReadme", "mnuWeb" }) {
        const auto *item = window->findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(item && item->isEnabled(), name);
    }
    // The shipped readme opens through the wired hook.
    window->findChild<QAction *>(QStringLiteral("mnuReadme"))->trigger();
    QCOMPARE(platform.requests().constLast().kind, PlatformRequest::Kind::OpenDocument);
    QVERIFY(platform.requests().constLast().text.endsWith(QStringLiteral("/Readme.doc")));
}

QTEST_MAIN(TestOutsideDocuments)
#include "tst_outsidedocuments.moc"

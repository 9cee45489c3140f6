// The file seek window on temporary trees: one match closes it with the path,
// none says so and stays open, several offer the list, the "*.qmk" rule for
// our own programs, a folder link loop ends, and the Halt question pauses
// the walk (No goes on where it was, Yes stops).
#include "core/support/documentviewers.h"
#include "core/support/fileseek.h"
#include "gui/platform/scriptedplatform.h"
#include "gui/support/seekwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;

namespace {

// Creates the files (and their folders) under root; "a/b/" makes a folder.
void makeTree(const QString &root, const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString full = root + QLatin1Char('/') + path;
        if (path.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(full);
            continue;
        }
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void waitForWalk(const SeekWindow &window)
{
    QTRY_VERIFY_WITH_TIMEOUT(!window.isSearching(), 20000);
}

} // namespace

class TestSeekWindow : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data();
    void outcomes();
    void manyMatchesOfferTheListAndUse();
    void haltAnsweredNoGoesOn();
    void haltAnsweredYesStops();
    void cancelWithoutSearchGivesNoPath();
};

void TestSeekWindow::outcomes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("chosen"); // relative to the root; empty: not found

    // Outside viewers count in any folder.
    QTest::newRow("single viewer")
        << "evince" << QStringList { "usr/bin/evince", "etc/x/" } << "usr/bin/evince";
    QTest::newRow("name ignores case") << "EVINCE" << QStringList { "opt/Evince" } << "opt/Evince";
    // Our own programs count only beside our data files.
    QTest::newRow("own program beside *.qmk")
        << "TARVIK.BIN"
        << QStringList { "loose/TARVIK.BIN", "installed/TARVIK.BIN", "installed/tk.QMK" }
        << "installed/TARVIK.BIN";
    QTest::newRow("own program nowhere near *.qmk")
        << "TARVIK.BIN" << QStringList { "loose/TARVIK.BIN", "other/tk.qmk" } << QString();
    QTest::newRow("a folder is no match") << "evince" << QStringList { "evince/" } << QString();
}

void TestSeekWindow::outcomes()
{
    QFETCH(QString, name);
    QFETCH(QStringList, tree);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    makeTree(dir.path(), tree);
    ScriptedPlatform platform;
    SeekWindow window(platform, name, { dir.path() });
    window.show();
    QCOMPARE(window.instructionText(),
        QStringLiteral("Select Drive to Search for %1\nThen click on the Search Button").arg(name));

    QTest::mouseClick(window.searchButton(), Qt::LeftButton);
    waitForWalk(window);
    if (chosen.isEmpty()) {
        // Nothing found: said once, and the window stays for another try.
        QCOMPARE(platform.messageTexts(),
            QStringList { QString::fromStdString(seekNotFoundText(dir.path().toStdString())) });
        QCOMPARE(platform.messages().constFirst().title, QStringLiteral("Tarvik"));
        QVERIFY(window.isVisible());
        QVERIFY(window.chosenPath().isEmpty());
        QVERIFY(window.searchButton()->isEnabled());
        QCOMPARE(window.foundCaption(), QStringLiteral("0 Occurances Found of ") + name);
    } else {
        // One match: the window closes at once with it; no list, no message.
        QCOMPARE(window.chosenPath(), dir.path() + QLatin1Char('/') + chosen);
        QCOMPARE(window.QDialog::result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
        QVERIFY(platform.requests().isEmpty());
    }
    QVERIFY(window.foldersText().startsWith(QStringLiteral("Folders Searched: ")));
    QVERIFY(window.foldersText().mid(18).toInt() >= 2);
}

void TestSeekWindow::manyMatchesOfferTheListAndUse()
{
    QTemporaryDir dir;
    makeTree(dir.path(), { "a/firefox", "b/firefox", "c/" });
    // A link back up the tree must not make the walk go round.
    QVERIFY(QFile::link(dir.path(), dir.path() + QStringLiteral("/c/loop")));
    ScriptedPlatform platform;
    SeekWindow window(platform, QStringLiteral("firefox"), { dir.path() });
    window.show();
    QVERIFY(!window.useButton()->isVisible());

    window.search();
    waitForWalk(window);
    const QStringList expected { dir.path() + QStringLiteral("/a/firefox"),
        dir.path() + QStringLiteral("/b/firefox") };
    QCOMPARE(window.foundPaths(), expected);
    QCOMPARE(window.foundCaption(), QStringLiteral("2 Occurances Found of firefox"));
    QCOMPARE(window.foldersText(), QStringLiteral("Folders Searched: 4"));
    QCOMPARE(window.instructionText(),
        QStringLiteral("Double click (or single click and click on 'Use') on the occurance of "
                       "firefox you want to use."));
    QVERIFY(window.useButton()->isVisible());
    QVERIFY(window.isVisible());

    window.foundList()->setCurrentRow(1);
    QTest::mouseClick(window.useButton(), Qt::LeftButton);
    QCOMPARE(window.chosenPath(), expected[1]);
    QVERIFY(!window.isVisible());
}

void TestSeekWindow::haltAnsweredNoGoesOn()
{
    QTemporaryDir dir;
    QStringList tree;
    for (int i = 0; i < 300; ++i) {
        tree << QStringLiteral("d%1/e/").arg(i, 3, 10, QLatin1Char('0'));
    }
    tree << "d299/e/evince";
    makeTree(dir.path(), tree);
    ScriptedPlatform platform;
    platform.answerMessage(MessageAnswer::No);
    SeekWindow window(platform, QStringLiteral("evince"), { dir.path() });

    window.search();
    QTest::mouseClick(window.haltButton(), Qt::LeftButton);
    const PlatformRequest question = platform.requests().constFirst();
    QCOMPARE(question.title, QStringLiteral("                   Halt ?                    "));
    QCOMPARE(question.text, QStringLiteral("Halt searching for file ?"));
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    waitForWalk(window);
    // Every folder once: the walk was neither stopped nor started over.
    QCOMPARE(window.foldersText(), QStringLiteral("Folders Searched: 601"));
    QCOMPARE(window.chosenPath(), dir.path() + QStringLiteral("/d299/e/evince"));
}

void TestSeekWindow::haltAnsweredYesStops()
{
    QTemporaryDir dir;
    QStringList tree;
    for (int i = 0; i < 300; ++i) {
        tree << QStringLiteral("d%1/").arg(i, 3, 10, QLatin1Char('0'));
    }
    makeTree(dir.path(), tree);
    ScriptedPlatform platform;
    platform.answerMessage(MessageAnswer::Yes);
    SeekWindow window(platform, QStringLiteral("evince"), { dir.path() });
    window.show();

    window.search();
    QVERIFY(!window.searchButton()->isEnabled());
    window.cancelOrHalt();
    waitForWalk(window);
    QCOMPARE(platform.pendingAnswers(), 0);
    QVERIFY(window.searchButton()->isEnabled());
    QVERIFY(window.isVisible()); // nothing found: stays open after the message
}

void TestSeekWindow::cancelWithoutSearchGivesNoPath()
{
    ScriptedPlatform platform;
    SeekWindow window(platform, QStringLiteral("evince"), {});
    QCOMPARE(window.rootList()->count(), 1); // "/" when no list is given
    window.show();
    QTest::mouseClick(window.haltButton(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.QDialog::result(), int(QDialog::Rejected));
    QVERIFY(window.chosenPath().isEmpty());
    QVERIFY(platform.requests().isEmpty());
}

QTEST_MAIN(TestSeekWindow)
#include "tst_seekwindow.moc"

// The paged help window: page buttons per group, paragraph rules as shown,
// empty pages for missing files, and sizing to the text.
#include "core/support/helptopic.h"
#include "gui/support/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;

class TestSupportHelp : public QObject
{
    Q_OBJECT

private:
    static void writePage(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
    {
        QDir(dir.path()).mkpath(QStringLiteral("TKTEXT"));
        QFile file(dir.filePath(QStringLiteral("TKTEXT/") + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void walksTheMainGroupWithItsButtons()
    {
        HelpWindow window(QStringLiteral(TARVIK_DATA_DIR), kHelpGroupMain);
        QCOMPARE(window.page(), 0);
        QVERIFY(!window.previousButton()->isEnabled());
        QVERIFY(window.nextButton()->isEnabled());
        QVERIFY(window.cancelButton()->isEnabled());
        QCOMPARE(window.previousButton()->text(), QStringLiteral("Last (previous) Screen"));
        QCOMPARE(window.nextButton()->text(), QStringLiteral("Next Screen"));
        QCOMPARE(window.cancelButton()->text(), QStringLiteral("Cancel"));

        QStringList titles { window.title() };
        for (int i = 0; i < 7; ++i) {
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
            titles << window.title();
        }
        QCOMPARE(window.page(), 7);
        QVERIFY(window.previousButton()->isEnabled());
        QVERIFY(!window.nextButton()->isEnabled());
        titles.removeDuplicates();
        QCOMPARE(titles.size(), 8); // every page has its own title
        QCOMPARE(window.windowTitle(), titles.last());

        window.showNextPage(); // no further page: stays
        QCOMPARE(window.page(), 7);
        QTest::mouseClick(window.previousButton(), Qt::LeftButton);
        QCOMPARE(window.page(), 6);
    }

    void pageButtonsPerGroup_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("nextEnabled");
        QTest::newRow("shim calculator") << kHelpGroupShimCalc << true;
        QTest::newRow("gain definition") << kHelpGroupGainSpec << false;
        QTest::newRow("table specs") << kHelpGroupTableSpec << false;
        QTest::newRow("graph") << kHelpGroupGraph << false;
        QTest::newRow("graph options") << kHelpGroupGraphOptions << true;
        QTest::newRow("camber table") << kHelpGroupCamberTable << true;
    }

    void pageButtonsPerGroup()
    {
        QFETCH(int, group);
        QFETCH(bool, nextEnabled);
        HelpWindow window(QStringLiteral(TARVIK_DATA_DIR), group);
        QVERIFY(!window.previousButton()->isEnabled());
        QCOMPARE(window.nextButton()->isEnabled(), nextEnabled);
        QVERIFY(!window.title().isEmpty());
    }

    void unknownGroupOrMissingFilesGiveAnEmptyWindow()
    {
        HelpWindow unknown(QStringLiteral(TARVIK_DATA_DIR), 500);
        QVERIFY(unknown.title().isEmpty());
        QVERIFY(unknown.body().isEmpty());
        QVERIFY(!unknown.nextButton()->isEnabled());

        QTemporaryDir empty;
        HelpWindow missing(empty.path(), kHelpGroupMain);
        QVERIFY(missing.title().isEmpty());
        QVERIFY(missing.body().isEmpty());
        QVERIFY(missing.nextButton()->isEnabled());
    }

    void showsTheBodyWithItsLineRules()
    {
        QTemporaryDir dir;
        writePage(dir, QStringLiteral("HELPG0.TXT"),
            "Graph Title\r\nSome text\r\n  Step 1\r\nMore\r\n \r\nlast\n");
        HelpWindow window(dir.path(), kHelpGroupGraph);
        QCOMPARE(window.title(), QStringLiteral("Graph Title"));
        // Paragraph breaks are shown as line breaks.
        QCOMPARE(window.body(), QStringLiteral("Some text  Step 1\n More\n last"));
    }

    void sizesItselfToTheText()
    {
        QTemporaryDir dir;
        writePage(dir, QStringLiteral("helpg0.txt"), "Short\r\nOne line.\r\n");
        HelpWindow shortPage(dir.path(), kHelpGroupGraph);
        const auto *scroll = shortPage.findChild<QScrollArea *>();
        QVERIFY(scroll);
        // Buttons 300 twips (20 px) below the text, window 1200 twips (80 px) taller than it.
        QCOMPARE(shortPage.nextButton()->y(), scroll->geometry().bottom() + 1 + 20);
        QCOMPARE(shortPage.height(), scroll->height() + 80);
        const QRect buttons = shortPage.cancelButton()->geometry();
        QVERIFY(shortPage.rect().contains(buttons));

        QByteArray longText = "Long\r\n";
        for (int i = 0; i < 400; ++i) {
            longText += "  A line that stands on its own, again and again.\r\n";
        }
        writePage(dir, QStringLiteral("helpg0.txt"), longText);
        HelpWindow longPage(dir.path(), kHelpGroupGraph);
        const auto *longScroll = longPage.findChild<QScrollArea *>();
        const QLabel *label = longPage.findChild<QLabel *>(QStringLiteral("helpText"));
        QVERIFY(label->height() > longScroll->height()); // scrolls rather than clipping
        QVERIFY(longPage.height() <= longPage.screen()->availableGeometry().height());
        QVERIFY(longPage.rect().contains(longPage.cancelButton()->geometry()));
    }

    void cancelClosesTheWindow()
    {
        HelpWindow window(QStringLiteral(TARVIK_DATA_DIR), kHelpGroupGraph);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestSupportHelp)
#include "tst_helpwindow.moc"

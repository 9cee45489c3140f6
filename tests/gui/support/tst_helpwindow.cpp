// The paged help window (page buttons per group, paragraph rules as shown,
// empty pages for missing files, sizing to the text), the intro help
// messages with their flags and pointer lines, and the start-up splash timing.
#include "core/support/helptopic.h"
#include "core/support/introhelp.h"
#include "gui/platform/intromessagewindow.h"
#include "gui/platform/pointerlines.h"
#include "gui/support/helpwindow.h"
#include "gui/support/splashwindow.h"
#include "testing/findwidget.h"
#include "testing/leftoverwindows.h"
#include "testing/pdffacts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;
using tarvik::gui::testing::writeFile;

class TestSupportHelp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void walksTheGroupsWithTheirButtons()
    {
        HelpWindow window(QStringLiteral(TARVIK_DATA_DIR), kHelpGroupMain);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.page(), 0);
        QVERIFY(!child<QPushButton>(&window, "previousScreen")->isEnabled());
        QVERIFY(child<QPushButton>(&window, "nextScreen")->isEnabled());
        QCOMPARE(child<QPushButton>(&window, "previousScreen")->text(),
            QStringLiteral("Last (previous) Screen"));
        QCOMPARE(child<QPushButton>(&window, "nextScreen")->text(), QStringLiteral("Next Screen"));
        QCOMPARE(child<QPushButton>(&window, "cancel")->text(), QStringLiteral("Cancel"));

        QStringList titles { window.title() };
        for (int i = 0; i < 7; ++i) {
            QTest::mouseClick(child<QPushButton>(&window, "nextScreen"), Qt::LeftButton);
            titles << window.title();
        }
        QCOMPARE(window.page(), 7);
        QVERIFY(child<QPushButton>(&window, "previousScreen")->isEnabled());
        QVERIFY(!child<QPushButton>(&window, "nextScreen")->isEnabled());
        titles.removeDuplicates();
        QCOMPARE(titles.size(), 8); // every page has its own title
        QCOMPARE(window.windowTitle(), titles.last());

        window.showNextPage(); // no further page: stays
        QCOMPARE(window.page(), 7);
        QTest::mouseClick(child<QPushButton>(&window, "previousScreen"), Qt::LeftButton);
        QCOMPARE(window.page(), 6);
        QTest::mouseClick(child<QPushButton>(&window, "cancel"), Qt::LeftButton);
        QVERIFY(!window.isVisible());

        // The other groups: whether each has a second page.
        const std::pair<int, bool> groups[]
            = { { kHelpGroupShimCalc, true }, { kHelpGroupGainSpec, false },
                  { kHelpGroupTableSpec, false }, { kHelpGroupGraph, false },
                  { kHelpGroupGraphOptions, true }, { kHelpGroupCamberTable, true } };
        for (const auto &[group, more] : groups) {
            HelpWindow window(QStringLiteral(TARVIK_DATA_DIR), group);
            QVERIFY(!child<QPushButton>(&window, "previousScreen")->isEnabled());
            QCOMPARE(child<QPushButton>(&window, "nextScreen")->isEnabled(), more);
            QVERIFY(!window.title().isEmpty());
        }

        // An unknown group or missing files give an empty window.
        HelpWindow unknown(QStringLiteral(TARVIK_DATA_DIR), 500);
        QVERIFY(unknown.title().isEmpty() && unknown.body().isEmpty());
        QVERIFY(!child<QPushButton>(&unknown, "nextScreen")->isEnabled());
        QTemporaryDir empty;
        HelpWindow missing(empty.path(), kHelpGroupMain);
        QVERIFY(missing.title().isEmpty() && missing.body().isEmpty());
        QVERIFY(child<QPushButton>(&missing, "nextScreen")->isEnabled());
    }

    void showsTheTextWithItsLineRulesAndSizesToIt()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("TKTEXT/HELPG0.TXT"));
        QVERIFY(writeFile(file, "Graph Title\r\nSome text\r\n  Step 1\r\nMore\r\n \r\nlast\n"));
        HelpWindow shortPage(dir.path(), kHelpGroupGraph);
        QCOMPARE(shortPage.title(), QStringLiteral("Graph Title"));
        // Paragraph breaks are shown as line breaks.
        QCOMPARE(shortPage.body(), QStringLiteral("Some text  Step 1\n More\n last"));
        const auto *scroll = shortPage.findChild<QScrollArea *>();
        QVERIFY(scroll);
        // Buttons 300 twips (20 px) below the text, window 1200 twips (80 px) taller than it.
        QCOMPARE(child<QPushButton>(&shortPage, "nextScreen")->y(),
            scroll->geometry().bottom() + 1 + 20);
        QCOMPARE(shortPage.height(), scroll->height() + 80);
        QVERIFY(shortPage.rect().contains(child<QPushButton>(&shortPage, "cancel")->geometry()));

        QByteArray longText = "Long\r\n";
        for (int i = 0; i < 400; ++i) {
            longText += "  A line that stands on its own, again and again.\r\n";
        }
        QVERIFY(writeFile(file, longText));
        HelpWindow longPage(dir.path(), kHelpGroupGraph);
        const auto *longScroll = longPage.findChild<QScrollArea *>();
        const QLabel *label = longPage.findChild<QLabel *>(QStringLiteral("helpText"));
        QVERIFY(label->height() > longScroll->height()); // scrolls rather than clipping
        QVERIFY(longPage.height() <= longPage.screen()->availableGeometry().height());
        QVERIFY(longPage.rect().contains(child<QPushButton>(&longPage, "cancel")->geometry()));
    }

    void introCheckBoxStoresUnderTheKindsFlag()
    {
        // Kind, caption, the message's opening and its flag.
        const std::tuple<int, const char *, const char *, int> kinds[] = {
            { kIntroKindHelpBox, "IMPORTANT:  Help (definition)",
                "Any time you need help on an input:", 0 },
            { kIntroKindOpenFile, "Loading a Set of Saved Specs", "To load in a set of dimensions",
                1 },
            { kIntroKindManual, "User's Manual", "To view the User's Manual", 2 },
        };
        for (const auto &[kind, caption, opening, flag] : kinds) {
            IntroHelpFlags flags;
            IntroMessageWindow window(kind);
            QCOMPARE(window.windowTitle(), QString::fromLatin1(caption));
            QVERIFY(window.message().startsWith(QString::fromLatin1(opening)));
            QCOMPARE(child<QCheckBox>(&window, "IntroDontShow")->text(),
                QStringLiteral("Don't show this again"));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            child<QCheckBox>(&window, "IntroDontShow")->setChecked(true);
            QTest::mouseClick(child<QPushButton>(&window, "IntroOk"), Qt::LeftButton);
            QVERIFY(!window.isVisible());
            flags.recordChoice(kind, window.dontShowAgain());
            for (int i = 0; i < kIntroFlagCount; ++i) {
                QCOMPARE(flags.flag(i), i == flag);
            }
        }
    }

    void pointerLinesRunFromTheMessageToTheHelpBoxWhileItShows()
    {
        QVERIFY(introHasPointerLines(kIntroKindHelpBox));
        QVERIFY(introHasPointerLines(kIntroKindManual));
        QVERIFY(!introHasPointerLines(kIntroKindOpenFile));

        QWidget mainWindow;
        mainWindow.resize(800, 600);
        auto *helpBox = new QLabel(QStringLiteral("Help (definition)"), &mainWindow);
        helpBox->setGeometry(450, 20, 330, 60);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        IntroMessageWindow message(kIntroKindHelpBox, &mainWindow);
        PointerLines lines(helpBox, &message);
        QVERIFY(!lines.isVisible());
        message.show();
        message.move(mainWindow.mapToGlobal(QPoint(150, 250)));
        QVERIFY(QTest::qWaitForWindowExposed(&message));
        QTRY_VERIFY(lines.isVisible());
        const QRect box(helpBox->pos(), helpBox->size());
        for (const QLineF &line : lines.lines()) {
            // Each ends on the help box's lower edge, from the message's upper one.
            QVERIFY(box.adjusted(0, 0, 0, 2).contains(line.p2().toPoint()));
            QVERIFY(line.p1().y() > box.bottom());
        }
        // Drawn in red over the window, between the message and the box.
        const QImage shot = mainWindow.grab().toImage();
        const QPointF middle = lines.lines()[0].pointAt(0.5);
        const QColor c = shot.pixelColor(middle.toPoint());
        QVERIFY2(c.red() > 150 && c.green() < 90, qPrintable(c.name()));
        message.accept();
        QTRY_VERIFY(!lines.isVisible());
    }

    void splashHoldsTheMainWindowUntilItsTimerFires()
    {
        QCOMPARE(SplashWindow(nullptr).displayMs(), 3000);

        QWidget mainWindow;
        mainWindow.show();
        SplashWindow splash(&mainWindow, 60);
        QSignalSpy finished(&splash, &SplashWindow::finished);
        bool hiddenWhenFinished = false;
        connect(&splash, &SplashWindow::finished, this,
            [&] { hiddenWhenFinished = !splash.isVisible(); });
        splash.start();
        QVERIFY(splash.isVisible());
        QVERIFY(!mainWindow.isEnabled());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

        QVERIFY(finished.wait(2000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(hiddenWhenFinished);
        QVERIFY(mainWindow.isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QTest::qWait(100);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(TestSupportHelp)
#include "tst_helpwindow.moc"

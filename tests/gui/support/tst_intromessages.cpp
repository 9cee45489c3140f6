// Intro help messages and their flags, and the start-up splash timing.
#include "core/support/introhelp.h"
#include "gui/support/intromessagewindow.h"
#include "gui/support/pointerlines.h"
#include "gui/support/splashwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tarvik;
using namespace tarvik::gui;

class TestSupportIntro : public QObject
{
    Q_OBJECT

private slots:
    void checkBoxStoresUnderTheKindsFlag_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("flag");
        QTest::newRow("help box") << kIntroKindHelpBox
                                  << QStringLiteral("IMPORTANT:  Help (definition)")
                                  << QStringLiteral("Any time you need help on an input:") << 0;
        QTest::newRow("open file")
            << kIntroKindOpenFile << QStringLiteral("Loading a Set of Saved Specs")
            << QStringLiteral("To load in a set of dimensions") << 1;
        QTest::newRow("manual") << kIntroKindManual << QStringLiteral("User's Manual")
                                << QStringLiteral("To view the User's Manual") << 2;
    }

    void checkBoxStoresUnderTheKindsFlag()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QString, opening);
        QFETCH(int, flag);

        IntroHelpFlags flags;
        IntroMessageWindow window(kind);
        QCOMPARE(window.windowTitle(), caption);
        QVERIFY(window.message().startsWith(opening));
        QCOMPARE(window.dontShowAgainBox()->text(), QStringLiteral("Don't show this again"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.dontShowAgainBox()->setChecked(true);
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        flags.recordChoice(kind, window.dontShowAgain());
        for (int i = 0; i < kIntroFlagCount; ++i) {
            QCOMPARE(flags.flag(i), i == flag);
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

QTEST_MAIN(TestSupportIntro)
#include "tst_intromessages.moc"

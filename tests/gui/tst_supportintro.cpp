// Intro help messages and their flags, and the start-up splash timing.
#include "gui/support/intromessagewindow.h"
#include "gui/support/splashwindow.h"

#include <QApplication>
#include <QCheckBox>
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
        IntroMessageWindow window(kind, flags);
        QCOMPARE(window.windowTitle(), caption);
        QVERIFY(window.message().startsWith(opening));
        QCOMPARE(window.dontShowAgainBox()->text(), QStringLiteral("Don't show this again"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.dontShowAgainBox()->setChecked(true);
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        for (int i = 0; i < kIntroFlagCount; ++i) {
            QCOMPARE(flags.flag(i), i == flag);
        }
    }

    void closingWithoutTheBoxClearsTheFlag()
    {
        IntroHelpFlags flags;
        flags.setFlag(1, true);
        IntroMessageWindow window(kIntroKindOpenFile, flags);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close(); // the close box records the box too
        QVERIFY(!flags.flag(1));
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
#include "tst_supportintro.moc"

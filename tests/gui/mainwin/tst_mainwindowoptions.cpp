// The main window's display choices as a user makes them: the suspension
// type with its captions and entry mode, the Options menu's messages and
// checks, and the big drawing that hides the input boxes.
#include "core/layout/entrynumbers.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/specgrid.h"
#include "support/namedentries.h"
#include "testing/leftoverwindows.h"
#include "testing/mainwindowfixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

class TestMainWindowOptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void suspensionTypeSwitchesCaptionsAndEntryMode();
    void optionMessagesAndChecks();
    void bigDrawingHidesInputs();
};

void TestMainWindowOptions::suspensionTypeSwitchesCaptionsAndEntryMode()
{
    Settings options;
    options.entryMode = EntryMode::LengthAndAngle;
    WorkedWindow f(options);
    QVERIFY(f.window->action(QStringLiteral("mnuEntryLenAngle"))->isChecked());
    f.window->action(QStringLiteral("mnuStrut"))->trigger();
    QCOMPARE(f.window->grid()->rowCaption(0), QStringLiteral("Upper Strut Loc."));
    QVERIFY(f.window->action(QStringLiteral("mnuEntryXHt"))->isChecked());
    QVERIFY(!f.window->action(QStringLiteral("mnuEntryLenAngle"))->isEnabled());
    QVERIFY(f.window->action(QStringLiteral("mnuStrut"))->isChecked());
    QVERIFY(f.changed()); // the type is stored in the file
    QVERIFY(f.settings.get().entryMode == EntryMode::XAndHeight);
    f.window->action(QStringLiteral("mnuAArm"))->trigger();
    QCOMPARE(f.window->grid()->rowCaption(0), QStringLiteral("Upper Ball Joint"));
    QVERIFY(f.window->action(QStringLiteral("mnuEntryLenAngle"))->isEnabled());

    // A strut file opened from disk: its type, captions and the strut picture,
    // and nothing to save yet.
    f.open(QStringLiteral("STRUT.TK"));
    QVERIFY(f.document->state().suspensionType == SuspensionType::Strut);
    QCOMPARE(f.window->grid()->rowCaption(1), QStringLiteral("Lower Strut Loc."));
    QCOMPARE(f.window->grid()->rowCaption(6), QStringLiteral("Strut Dim."));
    QVERIFY(f.window->action(QStringLiteral("mnuEntryXHt"))->isChecked());
    QVERIFY(!f.widget<QMenu>("mnuShim")->isEnabled());
    QCOMPARE(f.widget<FrontView>("FrontView")->scene().logicalWidth, 340.0);
    QCOMPARE(f.document->output().captions.camberGain[0], std::string("Camber Gain: -.60"));
    QVERIFY(!f.changed());
}

void TestMainWindowOptions::optionMessagesAndChecks()
{
    Settings options;
    options.extensionLines = false;
    WorkedWindow f(options);
    auto trigger = [&](const char *name) {
        f.platform.clearRecord();
        f.window->action(QString::fromLatin1(name))->trigger();
        return f.platform.messageTexts();
    };
    QCOMPARE(trigger("mnuLinesOn").size(), 1);
    QVERIFY((f.settings.get().extensionLines != 0));
    QVERIFY(trigger("mnuLinesOff").isEmpty());
    QVERIFY(trigger("mnuLinesOn").isEmpty()); // the hint is shown once per run
    // Metric converts the open layout, its definitions and the dive spin;
    // English takes it back, and undo does too.
    QVERIFY(f.window->action(QStringLiteral("mnuEnglish"))->isChecked());
    QVERIFY(trigger("mnuMetric").isEmpty());
    QVERIFY(f.window->action(QStringLiteral("mnuMetric"))->isChecked());
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("609.6"));
    QCOMPARE(f.settings.get().units, Units::Metric);
    f.box(kRightUpperBallJointX)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QVERIFY(f.helpText().contains(QStringLiteral(" mm ")));
    const auto labelShown = [&](const QString &text) {
        for (const QLabel *label : f.window->findChildren<QLabel *>()) {
            if (label->isVisible() && label->text() == text) {
                return true;
            }
        }
        return false;
    };
    QVERIFY(labelShown(QStringLiteral("Dive, mm")) && labelShown(QStringLiteral("Track, mm")));
    f.setEntry(kDiveEntry, QStringLiteral("0"));
    f.window->setApplyDiveRoll(true);
    f.window->spin(Entry::dive(), true);
    QCOMPARE(f.text(kDiveEntry), QStringLiteral("2.54"));
    QCOMPARE(f.document->undoStack().undoText(), QStringLiteral("Dive"));
    // A metric rate shows rounded and keeps its full value through a visit
    // of its box, so English gives back the 500 that was typed.
    QCOMPARE(f.text(kRightSpringRate), QStringLiteral("87.56"));
    f.type(kRightSpringRate, QStringLiteral("87.56"));
    QCOMPARE(f.document->entry(kRightSpringRate), QStringLiteral("87.56341762"));
    QVERIFY(trigger("mnuEnglish").isEmpty());
    QCOMPARE(f.document->undoStack().undoText(), QStringLiteral("English Units"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("24"));
    QCOMPARE(f.text(kRightSpringRate), QStringLiteral("500"));
    QCOMPARE(f.text(kDiveEntry), QStringLiteral(".1"));
    // The help box follows the units without the focus moving.
    QVERIFY2(!f.helpText().contains(QStringLiteral(" mm ")), qPrintable(f.helpText()));
    f.document->undoStack().undo();
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("609.6"));
    QCOMPARE(
        f.window->action(QStringLiteral("mnuRedo"))->text(), QStringLiteral("&Redo English Units"));
    while (f.document->undoStack().canUndo()) {
        f.document->undoStack().undo();
    }
    QCOMPARE(
        f.window->action(QStringLiteral("mnuRedo"))->text(), QStringLiteral("&Redo Metric Units"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("24"));
    QCOMPARE(f.settings.get().units, Units::English);
    QVERIFY(!f.window->isWindowModified()); // undone to the file as read
    f.window->setApplyDiveRoll(false);
    QVERIFY(trigger("mnuCamberChanges")[0].startsWith(
        QStringLiteral("Starting now, camber will change")));
    QVERIFY(f.window->action(QStringLiteral("mnuCamberChanges"))->isChecked());
    QVERIFY(trigger("mnuCamberFixed")[0].startsWith(
        QStringLiteral("Starting now, camber will NOT change")));
    QVERIFY(trigger("mnuEntryLenAngle")[0].contains(QStringLiteral("\r\rFor the Upper Arm")));
    QVERIFY(f.settings.get().entryMode == EntryMode::LengthAndAngle);
    QVERIFY(trigger("mnuDarkGray").isEmpty());
    QVERIFY((f.settings.get().darkGrayBackground));
    QCOMPARE(trigger("mnuRestartIntro"),
        QStringList { QStringLiteral(
            "Intro Help messages will be displayed next time you start the program.") });
    QVERIFY(!f.changed());
}

void TestMainWindowOptions::bigDrawingHidesInputs()
{
    // The grid hidden and the car drawn larger are the end-to-end script's.
    WorkedWindow f;
    QPushButton *draw = f.widget<QPushButton>("DrawButton");
    QCOMPARE(draw->text(), QStringLiteral("Big"));
    QTest::mouseClick(draw, Qt::LeftButton);
    QApplication::processEvents();
    QCOMPARE(draw->text(), QStringLiteral("Normal"));
    QVERIFY(f.window->isBig());
    const auto *other = f.widget<QGroupBox>("OtherDimensions");
    QVERIFY(other->isVisible());
    QCOMPARE(other->title(), QStringLiteral("Other Dimensions && Specs"));
    QCOMPARE(f.widget<QLabel>("OtherCamber0")->text(), QStringLiteral("-.5"));
    QTest::mouseClick(f.widget<QLabel>("OtherCamber1"), Qt::LeftButton);
    QCOMPARE(f.platform.messageTexts().size(), 1);
    QVERIFY(f.platform.messageTexts()[0].startsWith(
        QStringLiteral("You can not change any measurements in the Draw Big mode.")));
    // In the big drawing the extension-lines hint is never shown.
    f.window->action(QStringLiteral("mnuLinesOn"))->trigger();
    QCOMPARE(f.platform.messageTexts().size(), 1);
    QTest::mouseClick(draw, Qt::LeftButton);
    QCOMPARE(draw->text(), QStringLiteral("Big"));
}

QTEST_MAIN(TestMainWindowOptions)
#include "tst_mainwindowoptions.moc"

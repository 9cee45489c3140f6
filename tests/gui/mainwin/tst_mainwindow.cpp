// The main window driven as a user drives it: typing into the input boxes
// (fractions, refused values, empty and zero-length boxes), moving with the
// keys, clicking captions, the camber that follows an edit, and the dive and
// roll controls at their limits.
#include "core/layout/entrynumbers.h"
#include "core/layout/fieldinfo.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/pointdragger.h"
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
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>
#include <QWhatsThis>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

// A spin arrow of the dive or roll box.
QToolButton *spinButton(const WindowFixture &f, int entry, bool up)
{
    return child<QToolButton>(f.window.get(),
        QStringLiteral("%1%2").arg(
            entry == kDiveEntry ? QStringLiteral("Dive") : QStringLiteral("Roll"),
            up ? QStringLiteral("Up") : QStringLiteral("Down")));
}

// A click on the input grid's caption with this text.
void clickCaption(WindowFixture &f, const char *caption)
{
    for (QLabel *label : f.window->grid()->findChildren<QLabel *>()) {
        if (label->text() == QString::fromLatin1(caption)) {
            QTest::mouseClick(label, Qt::LeftButton);
            QApplication::processEvents();
            return;
        }
    }
    QFAIL(caption);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void startsUntitledWithStaticLayout();
    void typedEntriesAreNormalisedAndRedrawn();
    void refusedEntryWarnsAndRestoresFocusTimeValue();
    void focusShowsDefinitionKeysMoveAndCaptionsExplain();
    void camberFollowsTheEditHoweverTheBoxIsLeft();
    void spinButtons();
    void yesNoSwitchesDiveAndRollAndWarnsOncePerRedraw();
};

void TestMainWindow::startsUntitledWithStaticLayout()
{
    WindowFixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ UNTITLED[*] ]"));
    QCOMPARE(f.window->grid()->rowCaption(0), QStringLiteral("Upper Ball Joint"));
    QVERIFY(f.widget<QRadioButton>("ApplyNo")->isChecked());
    QVERIFY(!f.box(kDiveEntry)->isEnabled());
    QVERIFY(!spinButton(f, kRollEntry, true)->isEnabled());
    QVERIFY(!f.changed());
    QVERIFY(!f.widget<QMenu>("mnuShim")->isEnabled());
    QCOMPARE(f.widget<FrontView>("FrontView")->captions().gainBasis,
        std::string("Gain based on 1\" Dive."));

    f.open(QStringLiteral("WORKED.TK"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ WORKED.TK[*] ]"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("24"));
    // The solve wrote the arm dimensions back and filled the results.
    QVERIFY(!f.text(kRightUpperArmLength).isEmpty());
    QVERIFY(!f.track(1)->text().isEmpty());
    QVERIFY(f.widget<QMenu>("mnuShim")->isEnabled());
    QVERIFY(!f.widget<FrontView>("FrontView")->scene().items.empty());
    QVERIFY(f.widget<FrontView>("FrontView")
                ->captions()
                .rollCenterHeight.starts_with("Roll Center height = "));
    QVERIFY(f.platform.messages().isEmpty());
}

void TestMainWindow::typedEntriesAreNormalisedAndRedrawn()
{
    // The fraction and number rules themselves are tested in the core; here:
    // the box shows the normalised text, the picture follows, and only a new
    // value marks the layout changed. An empty box and an arm length of
    // zero are not checked at all.
    WorkedWindow f;
    QSignalSpy redraws(f.document.get(), &LayoutDocument::solved);
    f.type(kRightHubDistance, QString());
    QCOMPARE(f.text(kRightHubDistance), QString());
    QCOMPARE(redraws.count(), 0);
    // Entering box 6 leaves box 41, whose unchanged value is accepted and
    // redrawn; only what leaving box 6 does counts here.
    f.box(kRightUpperArmLength)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QApplication::processEvents();
    redraws.clear();
    f.type(kRightUpperArmLength, QStringLiteral("0.0"));
    QCOMPARE(redraws.count(), 0);
    QCOMPARE(f.text(kRightUpperArmLength), QStringLiteral("0.0"));
    QVERIFY(!f.changed());
    QVERIFY(f.platform.messages().isEmpty());

    f.type(kRightUpperBallJointHeight, QStringLiteral("15.0"));
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("15"));
    QVERIFY(!f.changed());
    const QString kingPinBefore = f.widget<QLabel>("KingPinAngle0")->text();
    f.type(kRightUpperBallJointX, QStringLiteral("12 3/4"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("12.75"));
    QVERIFY(f.changed());
    // The right king-pin angle moved with the ball joint.
    QVERIFY(f.widget<QLabel>("KingPinAngle0")->text() != kingPinBefore);
    f.type(kRightUpperBallJointX, QStringLiteral("60")); // the shipped upper limit is accepted
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("60"));
    QVERIFY(f.platform.messages().isEmpty());

    // Ctrl+Z in a box being typed in takes back its own text; in a box
    // holding nothing typed it is Edit > Undo, as is Ctrl+Shift+Z for redo.
    f.typeWithoutLeaving(kRightUpperBallJointHeight, QStringLiteral("16"));
    QTest::keyClick(f.box(kRightUpperBallJointHeight), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("15"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("60"));
    QTest::keyClick(f.box(kRightUpperBallJointHeight), Qt::Key_Return);
    QTest::keyClick(f.box(kRightUpperFramePivotHeight), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("12.75"));
    QTest::keyClick(
        f.box(kRightUpperFramePivotHeight), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("60"));
}

void TestMainWindow::refusedEntryWarnsAndRestoresFocusTimeValue()
{
    WorkedWindow f;
    QLineEdit *edit = f.box(kRightUpperBallJointX);
    // The window comes up with the focus in a box: that is the box's first visit.
    edit->setFocus(Qt::ActiveWindowFocusReason);
    QApplication::processEvents();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("75"));
    // Switching to another program and back mid-edit keeps the visit going.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &out);
    QApplication::sendEvent(edit, &in);
    QApplication::processEvents();
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("75"));
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    QApplication::processEvents();
    const QList<PlatformRequest> warnings = f.platform.messages();
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings[0].title, QStringLiteral("Warning"));
    QCOMPARE(warnings[0].text,
        QStringLiteral("Right Upper Ball Joint X = 75.  Value must be "
                       "between  0 and  60 ."));
    QCOMPARE(warnings[0].icon, MessageIcon::Exclamation);
    QCOMPARE(warnings[0].buttons, MessageButtons::Ok);
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("24"));
    QVERIFY(edit->hasFocus());
    QVERIFY(!f.changed());

    // The restore value is the text the box had when it got the focus this time.
    f.type(kRightUpperBallJointX, QStringLiteral("30"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("30"));
    f.type(kRightUpperBallJointX, QStringLiteral("-1"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("30"));
    QCOMPARE(f.platform.messages().size(), 2);

    // A text with no number in it is refused the same way, where 0 would
    // pass the limits (and even in an arm length, where 0 is "not used").
    for (const char *typed : { "abc", "-", ".", "x12" }) {
        f.type(kRightUpperBallJointX, QString::fromLatin1(typed));
        QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("30"));
        QCOMPARE(f.platform.messages().constLast().text,
            QStringLiteral("Right Upper Ball Joint X = %1.  Value must be between  0 and  60 .")
                .arg(QString::fromLatin1(typed)));
    }
    f.type(kRightUpperArmLength, QStringLiteral("abc"));
    QCOMPARE(f.text(kRightUpperArmLength), f.document->entry(kRightUpperArmLength));
    QCOMPARE(f.platform.messages().size(), 7);
    f.type(kRightUpperBallJointX, QStringLiteral("28abc"));
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("28"));
    QCOMPARE(f.platform.messages().size(), 7);
}

void TestMainWindow::focusShowsDefinitionKeysMoveAndCaptionsExplain()
{
    int helpWindows = 0;
    MainWindowHooks hooks;
    hooks.showHelp = [&helpWindows] { ++helpWindows; };
    WorkedWindow f({}, false, hooks);
    f.box(kRightUpperSpringPadX)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QVERIFY(f.helpText().endsWith(QString::fromLatin1(kSpringPadNote)));
    QTRY_COMPARE(f.box(kRightUpperSpringPadX)->selectedText(), f.text(kRightUpperSpringPadX));

    // F1 in a box is that box's help, beside it; the window's is the menu's.
    QTest::keyClick(f.box(kRightUpperSpringPadX), Qt::Key_F1);
    QCOMPARE(helpWindows, 0);
    QVERIFY(f.helpText().endsWith(QString::fromLatin1(kSpringPadNote)));
    QVERIFY(f.box(kRightUpperSpringPadX)->hasFocus());
    QCOMPARE(f.window->action(QStringLiteral("mnuHelpTarvik"))->shortcut(),
        QKeySequence(QKeySequence::HelpContents));
    f.window->action(QStringLiteral("mnuHelpTarvik"))->trigger();
    QCOMPARE(helpWindows, 1);
    // The File menu's standard keys.
    for (const auto &[name, key] : { std::pair { "mnuNew", QKeySequence(Qt::CTRL | Qt::Key_N) },
             std::pair { "mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O) },
             std::pair { "mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S) },
             std::pair { "mnuSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) },
             std::pair { "mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P) },
             std::pair { "mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q) } }) {
        QVERIFY2(f.window->action(QString::fromLatin1(name))->shortcuts().contains(key), name);
    }

    // A result caption explains itself and takes the focus off the boxes.
    QTest::mouseClick(f.result(kRightSpringLength), Qt::LeftButton);
    QVERIFY(f.helpText().endsWith(
        QStringLiteral(" These values can't be entered, but are calculated from other inputs.")));
    QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()));

    // The Length/Angle headings point to the Options menu.
    clickCaption(f, "Length");
    QCOMPARE(f.platform.messageTexts(),
        QStringList { QStringLiteral(
            "To enter angles and lengths of the suspension arms, click on 'Options' at the "
            "top of the screen, then select 'Enter X&Ht at Frame, Arm Len & Angle'") });

    // The arrow keys and Enter move between boxes; input captions focus theirs.
    f.box(kRightUpperFramePivotX)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(f.box(kRightUpperFramePivotX), Qt::Key_Down);
    QVERIFY(!f.box(kRightUpperFramePivotX)->hasFocus());
    QWidget *next = QApplication::focusWidget();
    QVERIFY(next);
    QTest::keyClick(next, Qt::Key_Up);
    QVERIFY(f.box(kRightUpperFramePivotX)->hasFocus());
    QTest::keyClick(f.box(kRightUpperFramePivotX), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), next);

    const std::pair<const char *, int> rows[] = {
        { "Lower Frame Pivot", 3 },
        { "Upper Arm Dim.", 6 },
        { "Lower Arm Dim.", 7 },
        { "Spring Rate", 35 },
        { "Static Camber, deg", 38 },
        { "Wheel Rim Offset", 42 },
    };
    for (const auto &[caption, entry] : rows) {
        clickCaption(f, caption);
        QVERIFY2(f.box(entry)->hasFocus(), caption);
    }
    // F1's help popup beside the box stays up until a click reaches it.
    QWhatsThis::hideText();
}

void TestMainWindow::camberFollowsTheEditHoweverTheBoxIsLeft()
{
    // Box A is passed through with Tab into box B; A's redraw runs after B
    // has the focus and must not use up B's flag. B's edit tilts the left
    // king-pin axis, so the left static camber follows, whether B is left by
    // Tab or by a command (a click on Big).
    for (const bool byCommand : { false, true }) {
        Settings options;
        options.camberFollowsEdits = true;
        WorkedWindow f(options);
        f.typeWithoutLeaving(kRightUpperBallJointHeight, QStringLiteral("15"));
        QTest::keyClick(f.box(kRightUpperBallJointHeight), Qt::Key_Tab);
        QApplication::processEvents();
        QApplication::processEvents();
        QVERIFY(f.box(kLeftUpperBallJointX)->hasFocus());
        QTest::keyClicks(f.box(kLeftUpperBallJointX), QStringLiteral("25"));
        if (byCommand) {
            QTest::mouseClick(f.widget<QPushButton>("DrawButton"), Qt::LeftButton);
        } else {
            QTest::keyClick(f.box(kLeftUpperBallJointX), Qt::Key_Tab);
        }
        QApplication::processEvents();
        QApplication::processEvents();
        QCOMPARE(f.text(kLeftUpperBallJointX), QStringLiteral("25"));
        QVERIFY2(f.text(kLeftStaticCamber) != QStringLiteral("-.5"),
            qPrintable(f.text(kLeftStaticCamber)));
        QCOMPARE(f.text(kRightStaticCamber), QStringLiteral("-.5")); // the right side did not tilt
    }
}

void TestMainWindow::spinButtons()
{
    // Entry, start, up or down, and the result: empty for a beep with nothing changed.
    struct Press
    {
        int entry;
        const char *start;
        bool up;
        const char *expected;
    };
    const std::pair<bool, std::vector<Press>> ranges[] = {
        { false,
            {
                { 54, "6.00", true, "" }, // dive at the top
                { 54, "5.97", true, "6.00" }, { 54, "", true, ".10" },
                { 54, ".05", false, ".00" }, // snaps down to zero
                { 54, "0", false, "-.10" }, { 54, "-6.00", false, "" }, // dive at the bottom
                { 55, ".10", true, ".40" }, // roll snaps to its grid
                { 55, "-10.00", false, "" }, // roll at the bottom
            } },
        { true, // the extended roll range
            {
                { 55, "-10.00", false, "-10.20" },
                { 55, "70", true, "" },
            } },
    };
    for (const auto &[extended, presses] : ranges) {
        WorkedWindow f({}, extended);
        QTest::mouseClick(f.widget<QRadioButton>("ApplyYes"), Qt::LeftButton);
        for (const Press &press : presses) {
            const int beeps = f.platform.beepCount();
            const QString start = QString::fromLatin1(press.start);
            const QString expected = QString::fromLatin1(press.expected);
            f.setEntry(press.entry, start);
            QTest::mouseClick(spinButton(f, press.entry, press.up), Qt::LeftButton);
            QCOMPARE(f.platform.beepCount(), beeps + (expected.isEmpty() ? 1 : 0));
            QCOMPARE(f.text(press.entry), expected.isEmpty() ? start : expected);
            QCOMPARE(f.changed(), !expected.isEmpty());
        }
    }
}

void TestMainWindow::yesNoSwitchesDiveAndRollAndWarnsOncePerRedraw()
{
    WorkedWindow f;
    f.setEntry(kDiveEntry, QStringLiteral("1"));
    QTest::mouseClick(f.widget<QRadioButton>("ApplyYes"), Qt::LeftButton);
    QVERIFY((f.document->state().applyDiveRoll));
    QVERIFY(f.box(kDiveEntry)->isEnabled());
    QVERIFY(f.document->output().movedPass.has_value());
    QVERIFY(!f.widget<FrontView>("FrontView")->captions().movedRollCenterHeight.empty());
    QTest::mouseClick(f.widget<QRadioButton>("ApplyNo"), Qt::LeftButton);
    QVERIFY(!(f.document->state().applyDiveRoll));
    QVERIFY(!f.box(kRollEntry)->isEnabled());
    QVERIFY(!f.document->output().movedPass.has_value());

    // A short, steep upper arm cannot follow 6 inches of dive with 10 degrees of roll.
    for (int entry : { 1, 17 }) {
        f.setEntry(entry, QStringLiteral("23"));
        f.setEntry(entry + 8, QStringLiteral("25"));
    }
    f.document->setEntries(
        { { Entry::dive(), QStringLiteral("6") }, { Entry::roll(), QStringLiteral("10") } });
    f.platform.clearRecord();
    QTest::mouseClick(f.widget<QRadioButton>("ApplyYes"), Qt::LeftButton);
    QList<PlatformRequest> warnings = f.platform.messages();
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings[0].title, QStringLiteral("Error - Geometry Layout Very Unusual"));
    QVERIFY(warnings[0].text.endsWith(QStringLiteral("Answers produced with this warning are not "
                                                     "reliable.")));
    QCOMPARE(f.widget<FrontView>("FrontView")->captions().status,
        std::string("Problem with layout.  Do NOT trust results."));
    // The next redraw warns once more, not once per pass or per side.
    QTest::mouseClick(spinButton(f, kRollEntry, false), Qt::LeftButton);
    QCOMPARE(f.platform.messages().size(), 2);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

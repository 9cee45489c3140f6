// The main window driven as a user drives it: typing into the input boxes
// (fractions, refused values, empty and zero-length boxes), moving with the
// keys, clicking captions, the dive and roll controls at their limits, the
// big drawing, the options and suspension type, and the edit commands.
#include "core/layout/entrynumbers.h"
#include "core/layout/fieldinfo.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/pointdragger.h"
#include "gui/mainwin/specgrid.h"
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

// A spin arrow of the dive (54) or roll (55) box.
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
    void suspensionTypeSwitchesCaptionsAndEntryMode();
    void camberFollowsTheEditHoweverTheBoxIsLeft();
    void spinButtons();
    void yesNoSwitchesDiveAndRollAndWarnsOncePerRedraw();
    void bigDrawingHidesInputs();
    void optionMessagesAndChecks();
    void amountEditCommands();
    void centreAndCopyCommands();
    void draggingAPointMovesItsBoxes();
};

void TestMainWindow::startsUntitledWithStaticLayout()
{
    WindowFixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ UNTITLED[*] ]"));
    QCOMPARE(f.window->grid()->rowCaption(0), QStringLiteral("Upper Ball Joint"));
    QVERIFY(f.widget<QRadioButton>("ApplyNo")->isChecked());
    QVERIFY(!f.box(54)->isEnabled());
    QVERIFY(!spinButton(f, 55, true)->isEnabled());
    QVERIFY(!f.changed());
    QVERIFY(!f.widget<QMenu>("mnuShim")->isEnabled());
    QCOMPARE(f.widget<FrontView>("FrontView")->captions().gainBasis,
        std::string("Gain based on 1\" Dive."));

    f.open(QStringLiteral("WORKED.TK"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tarvik - Quellmark Inc.   [ WORKED.TK[*] ]"));
    QCOMPARE(f.text(0), QStringLiteral("24"));
    // The solve wrote the arm dimensions back and filled the results.
    QVERIFY(!f.text(6).isEmpty());
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
    f.type(40, QString());
    QCOMPARE(f.text(40), QString());
    QCOMPARE(redraws.count(), 0);
    // Entering box 6 leaves box 41, whose unchanged value is accepted and
    // redrawn; only what leaving box 6 does counts here.
    f.box(6)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QApplication::processEvents();
    redraws.clear();
    f.type(6, QStringLiteral("0.0"));
    QCOMPARE(redraws.count(), 0);
    QCOMPARE(f.text(6), QStringLiteral("0.0"));
    QVERIFY(!f.changed());
    QVERIFY(f.platform.messages().isEmpty());

    f.type(8, QStringLiteral("15.0"));
    QCOMPARE(f.text(8), QStringLiteral("15"));
    QVERIFY(!f.changed());
    const QString kingPinBefore = f.widget<QLabel>("KingPinAngle0")->text();
    f.type(0, QStringLiteral("12 3/4"));
    QCOMPARE(f.text(0), QStringLiteral("12.75"));
    QVERIFY(f.changed());
    // The right king-pin angle moved with the ball joint.
    QVERIFY(f.widget<QLabel>("KingPinAngle0")->text() != kingPinBefore);
    f.type(0, QStringLiteral("60")); // the shipped upper limit is accepted
    QCOMPARE(f.text(0), QStringLiteral("60"));
    QVERIFY(f.platform.messages().isEmpty());

    // Ctrl+Z in a box being typed in takes back its own text; in a box
    // holding nothing typed it is Edit > Undo, as is Ctrl+Shift+Z for redo.
    f.typeWithoutLeaving(8, QStringLiteral("16"));
    QTest::keyClick(f.box(8), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.text(8), QStringLiteral("15"));
    QCOMPARE(f.text(0), QStringLiteral("60"));
    QTest::keyClick(f.box(8), Qt::Key_Return);
    QTest::keyClick(f.box(9), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.text(0), QStringLiteral("12.75"));
    QTest::keyClick(f.box(9), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.text(0), QStringLiteral("60"));
}

void TestMainWindow::refusedEntryWarnsAndRestoresFocusTimeValue()
{
    WorkedWindow f;
    QLineEdit *edit = f.box(0);
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
    QCOMPARE(f.text(0), QStringLiteral("75"));
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
    QCOMPARE(f.text(0), QStringLiteral("24"));
    QVERIFY(edit->hasFocus());
    QVERIFY(!f.changed());

    // The restore value is the text the box had when it got the focus this time.
    f.type(0, QStringLiteral("30"));
    QCOMPARE(f.text(0), QStringLiteral("30"));
    f.type(0, QStringLiteral("-1"));
    QCOMPARE(f.text(0), QStringLiteral("30"));
    QCOMPARE(f.platform.messages().size(), 2);

    // A text with no number in it is refused the same way, where 0 would
    // pass the limits (and even in an arm length, where 0 is "not used").
    for (const char *typed : { "abc", "-", ".", "x12" }) {
        f.type(0, QString::fromLatin1(typed));
        QCOMPARE(f.text(0), QStringLiteral("30"));
        QCOMPARE(f.platform.messages().constLast().text,
            QStringLiteral("Right Upper Ball Joint X = %1.  Value must be between  0 and  60 .")
                .arg(QString::fromLatin1(typed)));
    }
    f.type(6, QStringLiteral("abc"));
    QCOMPARE(f.text(6), f.document->entry(6));
    QCOMPARE(f.platform.messages().size(), 7);
    f.type(0, QStringLiteral("28abc"));
    QCOMPARE(f.text(0), QStringLiteral("28"));
    QCOMPARE(f.platform.messages().size(), 7);
}

void TestMainWindow::focusShowsDefinitionKeysMoveAndCaptionsExplain()
{
    int helpWindows = 0;
    MainWindowHooks hooks;
    hooks.showHelp = [&helpWindows] { ++helpWindows; };
    WorkedWindow f({}, false, hooks);
    f.box(4)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QVERIFY(f.helpText().endsWith(QString::fromLatin1(kSpringPadNote)));
    QTRY_COMPARE(f.box(4)->selectedText(), f.text(4));

    // F1 in a box is that box's help, beside it; the window's is the menu's.
    QTest::keyClick(f.box(4), Qt::Key_F1);
    QCOMPARE(helpWindows, 0);
    QVERIFY(f.helpText().endsWith(QString::fromLatin1(kSpringPadNote)));
    QVERIFY(f.box(4)->hasFocus());
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
    QTest::mouseClick(f.result(32), Qt::LeftButton);
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
    f.box(1)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(f.box(1), Qt::Key_Down);
    QVERIFY(!f.box(1)->hasFocus());
    QWidget *next = QApplication::focusWidget();
    QVERIFY(next);
    QTest::keyClick(next, Qt::Key_Up);
    QVERIFY(f.box(1)->hasFocus());
    QTest::keyClick(f.box(1), Qt::Key_Return);
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

void TestMainWindow::suspensionTypeSwitchesCaptionsAndEntryMode()
{
    Settings options;
    options.entryMode = 1;
    WorkedWindow f(options);
    QVERIFY(f.window->action(QStringLiteral("mnuEntryLenAngle"))->isChecked());
    f.window->action(QStringLiteral("mnuStrut"))->trigger();
    QCOMPARE(f.window->grid()->rowCaption(0), QStringLiteral("Upper Strut Loc."));
    QVERIFY(f.window->action(QStringLiteral("mnuEntryXHt"))->isChecked());
    QVERIFY(!f.window->action(QStringLiteral("mnuEntryLenAngle"))->isEnabled());
    QVERIFY(f.window->action(QStringLiteral("mnuStrut"))->isChecked());
    QVERIFY(f.changed()); // the type is stored in the file
    QCOMPARE(f.settings.get().entryMode, 0);
    f.window->action(QStringLiteral("mnuAArm"))->trigger();
    QCOMPARE(f.window->grid()->rowCaption(0), QStringLiteral("Upper Ball Joint"));
    QVERIFY(f.window->action(QStringLiteral("mnuEntryLenAngle"))->isEnabled());

    // A strut file opened from disk: its type, captions and the strut picture,
    // and nothing to save yet.
    f.open(QStringLiteral("STRUT.TK"));
    QCOMPARE(f.document->state().suspensionType, 1);
    QCOMPARE(f.window->grid()->rowCaption(1), QStringLiteral("Lower Strut Loc."));
    QCOMPARE(f.window->grid()->rowCaption(6), QStringLiteral("Strut Dim."));
    QVERIFY(f.window->action(QStringLiteral("mnuEntryXHt"))->isChecked());
    QVERIFY(!f.widget<QMenu>("mnuShim")->isEnabled());
    QCOMPARE(f.widget<FrontView>("FrontView")->scene().logicalWidth, 340.0);
    QCOMPARE(f.document->output().captions.camberGain[0], std::string("Camber Gain: -.60"));
    QVERIFY(!f.changed());
}

void TestMainWindow::camberFollowsTheEditHoweverTheBoxIsLeft()
{
    // Box A is passed through with Tab into box B; A's redraw runs after B
    // has the focus and must not use up B's flag. B's edit tilts the left
    // king-pin axis, so the left static camber follows, whether B is left by
    // Tab or by a command (a click on Big).
    for (const bool byCommand : { false, true }) {
        Settings options;
        options.camberOption = 1;
        WorkedWindow f(options);
        f.typeWithoutLeaving(8, QStringLiteral("15"));
        QTest::keyClick(f.box(8), Qt::Key_Tab);
        QApplication::processEvents();
        QApplication::processEvents();
        QVERIFY(f.box(16)->hasFocus());
        QTest::keyClicks(f.box(16), QStringLiteral("25"));
        if (byCommand) {
            QTest::mouseClick(f.widget<QPushButton>("DrawButton"), Qt::LeftButton);
        } else {
            QTest::keyClick(f.box(16), Qt::Key_Tab);
        }
        QApplication::processEvents();
        QApplication::processEvents();
        QCOMPARE(f.text(16), QStringLiteral("25"));
        QVERIFY2(f.text(49) != QStringLiteral("-.5"), qPrintable(f.text(49)));
        QCOMPARE(f.text(38), QStringLiteral("-.5")); // the right side did not tilt
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
    f.setEntry(54, QStringLiteral("1"));
    QTest::mouseClick(f.widget<QRadioButton>("ApplyYes"), Qt::LeftButton);
    QVERIFY((f.document->state().applyDiveRoll == 1));
    QVERIFY(f.box(54)->isEnabled());
    QVERIFY(f.document->output().movedPass.has_value());
    QVERIFY(!f.widget<FrontView>("FrontView")->captions().movedRollCenterHeight.empty());
    QTest::mouseClick(f.widget<QRadioButton>("ApplyNo"), Qt::LeftButton);
    QVERIFY(!(f.document->state().applyDiveRoll == 1));
    QVERIFY(!f.box(55)->isEnabled());
    QVERIFY(!f.document->output().movedPass.has_value());

    // A short, steep upper arm cannot follow 6 inches of dive with 10 degrees of roll.
    for (int entry : { 1, 17 }) {
        f.setEntry(entry, QStringLiteral("23"));
        f.setEntry(entry + 8, QStringLiteral("25"));
    }
    f.document->setEntries({ { 54, QStringLiteral("6") }, { 55, QStringLiteral("10") } });
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
    QTest::mouseClick(spinButton(f, 55, false), Qt::LeftButton);
    QCOMPARE(f.platform.messages().size(), 2);
}

void TestMainWindow::bigDrawingHidesInputs()
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

void TestMainWindow::optionMessagesAndChecks()
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
    QCOMPARE(f.text(0), QStringLiteral("609.6"));
    QCOMPARE(f.settings.get().unitsFlag, 1);
    f.box(0)->setFocus(Qt::TabFocusReason);
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
    f.setEntry(54, QStringLiteral("0"));
    f.window->setApplyDiveRoll(true);
    f.window->spin(54, true);
    QCOMPARE(f.text(54), QStringLiteral("2.54"));
    QCOMPARE(f.document->undoStack().undoText(), QStringLiteral("Dive"));
    // A metric rate shows rounded and keeps its full value through a visit
    // of its box, so English gives back the 500 that was typed.
    QCOMPARE(f.text(35), QStringLiteral("87.56"));
    f.type(35, QStringLiteral("87.56"));
    QCOMPARE(f.document->entry(35), QStringLiteral("87.56341762"));
    QVERIFY(trigger("mnuEnglish").isEmpty());
    QCOMPARE(f.document->undoStack().undoText(), QStringLiteral("English Units"));
    QCOMPARE(f.text(0), QStringLiteral("24"));
    QCOMPARE(f.text(35), QStringLiteral("500"));
    QCOMPARE(f.text(54), QStringLiteral(".1"));
    // The help box follows the units without the focus moving.
    QVERIFY2(!f.helpText().contains(QStringLiteral(" mm ")), qPrintable(f.helpText()));
    f.document->undoStack().undo();
    QCOMPARE(f.text(0), QStringLiteral("609.6"));
    QCOMPARE(
        f.window->action(QStringLiteral("mnuRedo"))->text(), QStringLiteral("&Redo English Units"));
    while (f.document->undoStack().canUndo()) {
        f.document->undoStack().undo();
    }
    QCOMPARE(
        f.window->action(QStringLiteral("mnuRedo"))->text(), QStringLiteral("&Redo Metric Units"));
    QCOMPARE(f.text(0), QStringLiteral("24"));
    QCOMPARE(f.settings.get().unitsFlag, 0);
    QVERIFY(!f.window->isWindowModified()); // undone to the file as read
    f.window->setApplyDiveRoll(false);
    QVERIFY(trigger("mnuCamberChanges")[0].startsWith(
        QStringLiteral("Starting now, camber will change")));
    QVERIFY(f.window->action(QStringLiteral("mnuCamberChanges"))->isChecked());
    QVERIFY(trigger("mnuCamberFixed")[0].startsWith(
        QStringLiteral("Starting now, camber will NOT change")));
    QVERIFY(trigger("mnuEntryLenAngle")[0].contains(QStringLiteral("\r\rFor the Upper Arm")));
    QCOMPARE(f.settings.get().entryMode, 1);
    QVERIFY(trigger("mnuDarkGray").isEmpty());
    QVERIFY((f.settings.get().backgroundColour != 0));
    QCOMPARE(trigger("mnuRestartIntro"),
        QStringList { QStringLiteral(
            "Intro Help messages will be displayed next time you start the program.") });
    QVERIFY(!f.changed());
}

void TestMainWindow::amountEditCommands()
{
    WorkedWindow f;
    // Each command moves its own way, here by 1 from the right and left Upper
    // Ball Joint X 24 and Height 15; arm rows are never moved.
    const QString armLength = f.text(6);
    const std::pair<EditCode, QStringList> moves[] = {
        { EditCode::Raise, { "24", "24", "16." } },
        { EditCode::Lower, { "24", "24", "14." } },
        { EditCode::MoveLeft, { "23.", "25.", "15" } },
        { EditCode::MoveRight, { "25.", "23.", "15" } },
        { EditCode::MoveOut, { "25.", "25.", "15" } },
        { EditCode::MoveIn, { "23.", "23.", "15" } },
    };
    for (const auto &[code, moved] : moves) {
        f.platform.answerInput(QStringLiteral("1"));
        f.window->action(QStringLiteral("mnuEdit%1").arg(int(code)))->trigger();
        QCOMPARE((QStringList { f.text(0), f.text(16), f.text(8) }), moved);
        QCOMPARE(f.text(6), armLength);
        f.document->undoStack().undo();
    }
    f.platform.clearRecord();

    f.setEntry(13, QString()); // an empty box stays empty

    // 5.01 is refused with a message and the prompt comes again; then 1.25 is used.
    f.platform.answerInput(QStringLiteral("5.01"));
    f.platform.answerInput(QStringLiteral("1.25"));
    f.window->doEdit(EditCode::Raise);
    const QList<PlatformRequest> &asked = f.platform.requests();
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[0].title, QStringLiteral("Raise All Measurements"));
    QCOMPARE(asked[0].defaultText, QStringLiteral(" "));
    QCOMPARE(asked[0].text,
        QStringLiteral("Enter the amount to Raise all measurements (a number from 0 to 5)."
                       "\r\rThis will change several measurements.  If you are not sure of "
                       "this, click on 'Cancel'."));
    QCOMPARE(asked[1].text,
        QStringLiteral("The value should be between 0 and 5.  Try again, or click on Cancel."));
    QCOMPARE(f.text(8), QStringLiteral("16.25"));
    QCOMPARE(f.text(24), QStringLiteral("16.25"));
    QCOMPARE(f.text(12), QStringLiteral("17.25"));
    QCOMPARE(f.text(13), QString());
    QCOMPARE(f.text(0), QStringLiteral("24")); // X untouched
    QVERIFY(f.changed());

    // The window's activation after the prompt closes refills the boxes
    // from the record, which already holds the moved values.
    f.window->activated();
    QCOMPARE(f.text(8), QStringLiteral("16.25"));

    // Move Out by 5 (the limit is accepted) writes whole values with a point.
    f.platform.answerInput(QStringLiteral("5"));
    f.window->doEdit(EditCode::MoveOut);
    QCOMPARE(f.text(0), QStringLiteral("29."));
    QCOMPARE(f.text(16), QStringLiteral("29."));

    // Cancel changes nothing.
    f.platform.answerInput(QString());
    f.window->doEdit(EditCode::MoveLeft);
    QCOMPARE(f.text(0), QStringLiteral("29."));
}

void TestMainWindow::centreAndCopyCommands()
{
    WorkedWindow f;
    f.platform.answerInput(QStringLiteral("1"));
    f.window->doEdit(EditCode::MoveLeft);
    const double right = f.track(0)->text().toDouble();
    const double left = f.track(2)->text().toDouble();
    QVERIFY(left > right);
    f.window->doEdit(EditCode::CenterOnTrack);
    QVERIFY(qAbs(f.track(0)->text().toDouble() - f.track(2)->text().toDouble()) < 0.11);

    f.setEntry(3, QString());
    f.setEntry(35, QStringLiteral("650"));
    f.window->doEdit(EditCode::CopyRightToLeft);
    QCOMPARE(f.text(19), QString());
    QCOMPARE(f.text(46), QStringLiteral("650"));
    QCOMPARE(f.text(16), f.text(0));

    f.setEntry(49, QStringLiteral("1.5"));
    f.setEntry(51, QString());
    f.window->doEdit(EditCode::CopyLeftToRight);
    QCOMPARE(f.text(38), QStringLiteral("1.5"));
    QCOMPARE(f.text(40), QString());

    // A track of 0 makes centring impossible: the left tyre on the centreline.
    for (const auto &[entry, text] :
        { std::pair { 18, "0" }, { 51, "0" }, { 52, "0" }, { 53, ".5" } }) {
        f.setEntry(entry, QString::fromLatin1(text));
    }
    QCOMPARE(f.track(2)->text(), QStringLiteral("0.0"));
    f.platform.clearRecord();
    f.window->doEdit(EditCode::CenterOnTrack);
    QCOMPARE(f.platform.messageTexts(),
        QStringList { QStringLiteral("One of the current Tracks is 0, so centering based on "
                                     "'Tracks' is not possible.") });
}

void TestMainWindow::draggingAPointMovesItsBoxes()
{
    WorkedWindow f;
    FrontView *view = f.widget<FrontView>("FrontView");
    PointDragger &drag = *child<PointDragger>(f.window.get());
    const auto status = [&] { return f.window->statusBar()->currentMessage(); };
    const int x = pointEntry(kSideRight, kColumnX, kUpperFramePivot);
    const int y = pointEntry(kSideRight, kColumnHeight, kUpperFramePivot);
    const QString oldX = f.text(x), oldY = f.text(y);
    const QPoint start = drag.pointPosition(kSideRight, kUpperFramePivot).toPoint();

    QTest::mouseMove(view, start);
    QCOMPARE(view->cursor().shape(), Qt::OpenHandCursor);
    QVERIFY2(status().startsWith(QStringLiteral("Right Upper Frame Pivot:  X ") + oldX + " in"),
        qPrintable(status()));

    // Live while dragging: the boxes follow the pointer on the 0.05 in grid
    // and the drawn point with them; the release makes one undo step.
    const int steps = f.document->undoStack().count();
    QTest::mousePress(view, Qt::LeftButton, {}, start);
    QTest::mouseMove(view, start + QPoint(-25, -15));
    QVERIFY(f.text(x) != oldX && f.text(y) != oldY);
    for (const int entry : { x, y }) {
        const double value = f.text(entry).toDouble() * 20;
        QVERIFY2(std::abs(value - std::round(value)) < 1e-9, qPrintable(f.text(entry)));
    }
    QVERIFY(
        QLineF(drag.pointPosition(kSideRight, kUpperFramePivot), start + QPoint(-25, -15)).length()
        < 4);
    QTest::mouseMove(view, start + QPoint(-30, -20));
    // Past the centreline the X box would refuse it: the point stays.
    const QString keptX = f.text(x);
    const QPoint centre = view->rect().center();
    QTest::mouseMove(view, QPoint(centre.x() + 40, start.y()));
    QCOMPARE(f.text(x), keptX);
    QVERIFY2(status().contains(QStringLiteral("Right Upper Frame Pivot")), qPrintable(status()));
    QTest::mouseRelease(view, Qt::LeftButton, {}, start + QPoint(-30, -20));
    QVERIFY(f.changed());
    QCOMPARE(f.document->undoStack().count(), steps + 1);
    QCOMPARE(f.document->undoStack().undoText(), QStringLiteral("Drag of Right Upper Frame Pivot"));
    f.document->undoStack().undo();
    QCOMPARE(f.text(x), oldX);
    QCOMPARE(f.text(y), oldY);
    QVERIFY(!f.changed());

    // Escape puts the point back and leaves no step.
    QTest::mousePress(view, Qt::LeftButton, {}, start);
    QTest::mouseMove(view, start + QPoint(20, 20));
    QVERIFY(f.text(x) != oldX);
    const QString draggedX = QStringLiteral("X ") + f.text(x) + " in";
    QVERIFY2(status().contains(draggedX), qPrintable(status()));
    QTest::keyClick(view, Qt::Key_Escape);
    QCOMPARE(f.text(x), oldX);
    // The status line no longer tells of the place the point was dragged to.
    QVERIFY2(!status().contains(draggedX), qPrintable(status()));
    QVERIFY(!f.changed());
    QTest::mouseRelease(view, Qt::LeftButton, {}, start + QPoint(20, 20));
    QCOMPARE(f.document->undoStack().count(), steps + 1);

    // In the length-and-angle mode the arm places the ball joint: no drag.
    f.settings.change([](Settings &s) { s.entryMode = 1; });
    f.document->redraw();
    const int jointX = pointEntry(kSideRight, kColumnX, kUpperBallJoint);
    const QString jointText = f.text(jointX);
    const QPoint joint = drag.pointPosition(kSideRight, kUpperBallJoint).toPoint();
    QTest::mouseMove(view, joint);
    QCOMPARE(view->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mousePress(view, Qt::LeftButton, {}, joint);
    QTest::mouseMove(view, joint + QPoint(-20, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, joint + QPoint(-20, 0));
    QVERIFY(!drag.isDragging());
    QCOMPARE(f.text(jointX), jointText);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

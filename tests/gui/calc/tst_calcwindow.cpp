// The calculation window driven as a user drives it from the main window on
// the worked example, in each mode: the lists, the boxes and their keys, the
// range check, Accept with its questions, and what reaches the layout
// document and the settings. The window's life: it closes
// when the user activates another window of the program, but not for its
// own message boxes and dialogs nor while its help is up; one window at a
// time; a definition file that is missing or broken opens nothing; Help and
// Print. The coil spring accepted for both sides is the end-to-end script's.
#include "calcfixture.h"
#include "core/calc/springrate.h"
#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"
#include "gui/support/helpwindow.h"
#include "support/namedentries.h"
#include "testing/leftoverwindows.h"
#include "testing/pdffacts.h"

#include <QCheckBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

QString shown(CalcWindow *w, int output)
{
    return outputValue(w, output)->text();
}

// Message boxes that take the activation as real ones do: a window without
// a parent (so only the window's own count can tell it is its own) is
// shown and made active while the question is up.
class ActivatingPlatform : public ScriptedPlatform
{
public:
    MessageAnswer message(QWidget *parent, const QString &title, const QString &text,
        MessageButtons buttons, MessageIcon icon,
        std::optional<MessageAnswer> defaultButton) override
    {
        QWidget box;
        box.setWindowTitle(title);
        box.show();
        box.activateWindow();
        activated = QTest::qWaitForWindowActive(&box);
        QTest::qWait(20); // whatever the lost activation set off runs now
        return ScriptedPlatform::message(parent, title, text, buttons, icon, defaultButton);
    }
    bool activated = false;
};

} // namespace

class TestCalcWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void torsionBarsWithoutARateAndHollow()
    {
        CalcFixture f;
        CalcWindow *w = f.openCalc(CalcMode::Spring);
        QVERIFY(w);
        choose(w, 1, 0); // right side: its lower arm fills row 5
        choose(w, 2, 2);
        const QString arm
            = f.document->entry(Entry::armDimension(kSideRight, kLowerArmDim, kColumnX));
        QCOMPARE(box(w, 5)->text(), arm);
        QVERIFY(!box(w, 6)->isEnabled());
        typeInto(w, 3, QStringLiteral("0"));
        typeInto(w, 4, QStringLiteral("40"));
        QCOMPARE(f.platform.messageTexts(),
            QStringList { "Torsion Bar Diameter, in = 0.  Value must be between  .05 and  3 ." });
        QCOMPARE(shown(w, 0), QString());
        // No rate: Use Calc Value is shut, and a click on it does nothing.
        QVERIFY(!button(w, "CalcAccept")->isEnabled());
        click(button(w, "CalcAccept"));
        QCOMPARE(f.platform.messages().size(), 1);
        QVERIFY(w->isVisible() && !w->isClosing());

        // A hollow bar as wide inside as outside keeps a wall of .02 in.
        choose(w, 2, 3);
        typeInto(w, 3, QStringLiteral("1"));
        typeInto(w, 6, QStringLiteral("1"));
        QCOMPARE(shown(w, 0),
            QString::fromStdString(
                springRateText(*torsionBarRate(1, 40, readNumber(arm.toStdString()), 0.98))));
        QVERIFY(button(w, "CalcAccept")->isEnabled());
    }

    void refusedValueRestoresTheTextOnEntry()
    {
        CalcFixture f;
        CalcWindow *w = f.openCalc(CalcMode::Spring);
        QVERIFY(w);
        QCOMPARE(button(w, "CalcAccept")->text(), QStringLiteral("Use Calc Value"));
        QVERIFY(!box(w, 6)->isEnabled() && caption(w, 6)->text().isEmpty());
        typeInto(w, 4, QStringLiteral("3.5"));
        typeInto(w, 4, QStringLiteral("40"));
        QCOMPARE(f.platform.messages().size(), 1);
        const PlatformRequest refusal = f.platform.messages().first();
        QCOMPARE(refusal.title, QStringLiteral("Warning"));
        QCOMPARE(refusal.icon, MessageIcon::Exclamation);
        QCOMPARE(refusal.text,
            QStringLiteral(
                "Inside Diameter of Coil, in = 40.  Value must be between  .1 and  12 ."));
        QCOMPARE(box(w, 4)->text(), QStringLiteral("3.5"));
        QCOMPARE(QApplication::focusWidget(), box(w, 4));

        // The coil's rate once all three dimensions are in.
        typeInto(w, 3, QStringLiteral("0.5"));
        QCOMPARE(box(w, 3)->text(), QStringLiteral(".5"));
        QCOMPARE(shown(w, 0), QString());
        typeInto(w, 5, QStringLiteral("10"));
        QCOMPARE(shown(w, 0), QStringLiteral("134"));
    }

    void keysMoveBetweenFieldsAndNeverChangeAChoice()
    {
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(CalcMode::Spring);
        QVERIFY(w);
        choose(w, 2, 1); // leaf spring
        QTest::keyClick(choice(w, 2), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), box(w, 3));
        QTest::keyClick(box(w, 3), Qt::Key_Up);
        QTest::keyClick(choice(w, 2), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), choice(w, 1));
        QTest::keyClick(choice(w, 1), Qt::Key_Down);
        QCOMPARE(choice(w, 2)->currentIndex(), 1);
        QCOMPARE(choice(w, 1)->currentIndex(), -1);
        // Enter moves on and is used up in a field; on a button it presses it.
        QTest::keyClick(choice(w, 2), Qt::Key_Return);
        QTest::keyClick(box(w, 3), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box(w, 4));
        QVERIFY(!w->isClosing());
        button(w, "CalcCancel")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button(w, "CalcCancel"), Qt::Key_Return);
        QVERIFY(closed(w));
    }

    void acceptedShimMovesTheArm()
    {
        // Side, camber option, and the answer to "Let Camber Change?" when asked.
        const std::tuple<int, bool, Answer> cases[] = {
            { kSideRight, true, std::nullopt }, // the option on: not asked
            { kSideLeft, false, MessageAnswer::Yes },
            { kSideRight, false, MessageAnswer::No },
        };
        for (const auto &[side, followsEdits, answer] : cases) {
            Settings initial;
            initial.camberFollowsEdits = followsEdits;
            CalcFixture f(initial);
            const std::size_t s = std::size_t(side);
            const std::string kingPin = f.document->output().captions.kingPinAngle[s];
            f.trigger(side == kSideRight ? "mnuShimRight" : "mnuShimLeft");
            CalcWindow *w = f.shown();
            QVERIFY(w);
            choose(w, 2, 1); // standard shims: two 1/16 and one 1/8
            choose(w, 3, 2);
            choose(w, 4, 1);
            QCOMPARE(shown(w, 0), QStringLiteral(".2500"));
            QCOMPARE(shown(w, 2), QStringLiteral("-.5"));
            if (answer) {
                f.platform.answerMessage(*answer);
            }
            click(button(w, "CalcAccept"));
            QCOMPARE(f.platform.pendingAnswers(), 0);
            QCOMPARE(f.platform.messages().size(), answer ? 1 : 0);
            // The pivot moved out by the shims; the re-solved ball joint is written
            // as a distance from the centreline on either side.
            QCOMPARE(
                f.document->entry(Entry::coordinate(side, kUpperFramePivot, kColumnX)), "12.25");
            const double jointX
                = readNumber(f.document->entry(Entry::coordinate(side, kUpperBallJoint, kColumnX))
                                 .toStdString());
            QVERIFY2(jointX > 24 && jointX < 24.6, qPrintable(QString::number(jointX)));
            QCOMPARE(
                f.document->entry(Entry::coordinate(1 - side, kUpperFramePivot, kColumnX)), "12");
            QVERIFY(f.document->output().captions.kingPinAngle[s] != kingPin);
            const bool camberFollows = !answer || *answer == MessageAnswer::Yes;
            QCOMPARE(f.document->entry(Entry::otherSpec(side, kStaticCamberRow)) != "-.5",
                camberFollows);
            QCOMPARE(f.document->entry(Entry::otherSpec(1 - side, kStaticCamberRow)), "-.5");
        }
    }

    void shimChoicesRememberedPerSideUntilNew()
    {
        Settings initial;
        initial.camberFollowsEdits = true;
        CalcFixture f(initial);
        CalcWindow *w = f.openCalc(CalcMode::Shim, kSideRight);
        QVERIFY(w);
        choose(w, 1, 1);
        choose(w, 2, 2); // custom thickness
        QVERIFY(!choice(w, 3)->isEnabled() && box(w, 5)->isEnabled());
        QCOMPARE(caption(w, 5)->text(), QStringLiteral("Custom Thickness Removed"));
        typeInto(w, 5, QStringLiteral(".1"));
        click(button(w, "CalcAccept"));

        w = f.openCalc(CalcMode::Shim, kSideRight);
        QCOMPARE(choice(w, 1)->currentIndex(), 1);
        QCOMPARE(choice(w, 2)->currentIndex(), 2);
        QCOMPARE(box(w, 5)->text(), QStringLiteral(".1"));
        QCOMPARE(choice(f.openCalc(CalcMode::Shim, kSideLeft), 2)->currentIndex(), 0);
        f.document->newLayout();
        f.open(QStringLiteral("WORKED.TK"));
        QCOMPARE(choice(f.openCalc(CalcMode::Shim, kSideRight), 1)->currentIndex(), 0);
    }

    void unusualGeometryOpensNothing()
    {
        CalcFixture f;
        f.setEntry(Entry::coordinate(kSideRight, kUpperFramePivot, kColumnX), QStringLiteral("24"));
        f.platform.clearRecord(); // the main window's own warning about the drawing
        f.trigger("mnuShimRight");
        QVERIFY(!f.calc.window());
        QCOMPARE(f.platform.messages().size(), 1);
        QCOMPARE(f.platform.messages().first().title, QStringLiteral("Unusual Geometry"));
    }

    void gainDefinitionAsksAndRedraws()
    {
        CalcFixture f;
        const std::string basis = f.document->output().captions.gainBasis;
        f.trigger("mnuCamberGainDefinitions");
        CalcWindow *w = f.shown();
        QVERIFY(w);
        QVERIFY(!outputValue(w, 0)->isVisible() && !box(w, 2)->isEnabled());
        choose(w, 1, 1);
        typeInto(w, 2, QStringLiteral("2"));
        typeInto(w, 3, QStringLiteral("1.5"));
        f.platform.answerMessage(MessageAnswer::No);
        click(button(w, "CalcAccept"));
        QVERIFY(!w->isClosing());
        QCOMPARE(f.settings.get().GainSpecChoice, 0);
        const PlatformRequest question = f.platform.messages().last();
        QCOMPARE(question.title, QStringLiteral("Use Non-Standard Specs Anyway?"));
        QCOMPARE(question.defaultButton, Answer(MessageAnswer::No));

        f.platform.answerMessage(MessageAnswer::Yes);
        click(button(w, "CalcAccept"));
        QCOMPARE(f.settings.get().GainSpecChoice, 1);
        QCOMPARE(f.settings.get().GainDiveText + "/" + f.settings.get().GainRollText, "2/1.5");
        QVERIFY(f.document->output().captions.gainBasis != basis);
    }

    void tableSpecIsFittedOnceAndStored()
    {
        Settings initial;
        initial.tableSpec = TableSpec { 0, "-5", "5", 2, "-4", "4", 1 };
        CalcFixture f(initial);
        QSignalSpy changed(&f.settings, &SettingsOwner::changed);
        CalcWindow *w = f.openCalc(CalcMode::TableSpec);
        QVERIFY(w);
        // .5 in gives 21 rows, 1 in still 11: the dive steps up twice, warned once.
        QCOMPARE(f.platform.messageTexts(),
            QStringList { "Dive Increment must be increased to stay within 10 as Max Number of "
                          "Rows." });
        QCOMPARE(choice(w, 4)->currentIndex(), 0);
        QVERIFY(child<QLabel>(w, "Label1")->text().contains(QStringLiteral("6 rows x 5 columns.")));
        typeInto(w, 6, QStringLiteral("6"));
        QCOMPARE(changed.count(), 0);
        click(button(w, "CalcAccept"));
        QCOMPARE(f.settings.get().tableSpec, (TableSpec { 0, "-5", "5", 0, "-4", "6", 1 }));
        QCOMPARE(changed.count(), 1);
    }

    void closesWhenAnotherWindowIsActivatedUnlessItsHelpIsUp()
    {
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(CalcMode::Spring);
        QVERIFY(w);
        click(button(w, "CalcHelp"));
        QCOMPARE(child<HelpWindow>(w)->title(), QStringLiteral("Spring Rate Calculator"));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::qWait(20);
        QVERIFY(!closed(w));

        child<HelpWindow>(w)->reject();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        f.window->activateWindow();
        QTRY_VERIFY(closed(w));
    }

    void ownDialogsKeepItOpen()
    {
        // A dialog of its own, found through the parent chain.
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(CalcMode::Spring);
        QVERIFY(w);
        auto *child = new QDialog(w);
        child->show();
        child->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(child));
        QTest::qWait(20);
        QVERIFY(!closed(w));
        delete child;

        // A message box it opened, known by the window's own count.
        ActivatingPlatform platform;
        CalcOpener opener(platform, shippedData(), *f.document, f.settings);
        opener.setMainWindow(f.window.get());
        const QPointer<CalcWindow> other = opener.open(CalcMode::Spring);
        QVERIFY(QTest::qWaitForWindowActive(other));
        typeInto(other, 4, QStringLiteral("40")); // refused: a message, and the window stays
        QVERIFY(platform.activated);
        QCOMPARE(platform.messages().size(), 1);
        QVERIFY(!closed(other));
    }

    void oneWindowAtATimeAndEscapeWritesNothing()
    {
        CalcFixture f;
        const QPointer<CalcWindow> first = f.openCalc(CalcMode::Spring);
        const QPointer<CalcWindow> second = f.openCalc(CalcMode::GainSpec);
        QVERIFY(closed(first));
        QCOMPARE(f.calc.window(), second.data());
        choose(second, 1, 1);
        typeInto(second, 2, QStringLiteral("3"));
        QTest::keyClick(box(second, 3), Qt::Key_Escape);
        QVERIFY(second && second->isClosing());
        QVERIFY(!f.calc.window());
        QCOMPARE(f.settings.get().GainDiveText, Settings {}.GainDiveText);

        // Opened again while the cancelled one waits for its deletion: a new
        // window, which stays up when the old one goes.
        const QPointer<CalcWindow> third = f.openCalc(CalcMode::GainSpec);
        QVERIFY(third && third != second);
        QTRY_VERIFY(!second);
        QVERIFY(!closed(third) && third->isVisible());
        QCOMPARE(f.calc.window(), third.data());
    }

    void shimCalculatorClosesWhenItsLayoutChanges()
    {
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(CalcMode::Shim, kSideLeft);
        QVERIFY(w);
        click(button(w, "CalcHelp")); // the main window can be used meanwhile
        f.document->setEntries({ { kLeftUpperFramePivotX, QStringLiteral("11") } });
        QVERIFY(closed(w));
    }

    void missingOrShortDefinitionOpensNothing()
    {
        for (const QByteArray &contents :
            { QByteArray(), QByteArray("Spring\r\nRate\r\n5000\r\n") }) {
            QTemporaryDir data;
            if (!contents.isEmpty()) {
                QVERIFY(writeFile(data.filePath(QStringLiteral("CALC/spring.CLC")), contents));
            }
            CalcFixture f;
            CalcOpener opener(f.platform, DataFolder(data.path()), *f.document, f.settings);
            QVERIFY(!opener.open(CalcMode::Spring));
            QCOMPARE(f.platform.messages().size(), 1);
            QVERIFY(f.platform.messages().first().text.contains(QStringLiteral("spring.CLC")));
        }
    }

    void printShowsTheFooterAndFitsOnePage()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("calc.pdf"));
        CalcFixture f;
        CalcWindow *w = f.openCalc(CalcMode::Spring);
        QVERIFY(w);
        f.platform.answerInput(QStringLiteral("Front coils, new"));
        answerPrintToPdf(f.platform, pdf);
        click(button(w, "CalcPrint"));
        QCOMPARE(f.platform.requests().first().title, QStringLiteral("Printed Comment"));
        const QStringList footer = child<QLabel>(w, "Label2")->text().split(u'\n');
        QCOMPARE(footer.size(), 3);
        QVERIFY(footer[1].startsWith(QStringLiteral("Vehicle File: WORKED.TK          ")));
        QCOMPARE(footer[2], QStringLiteral("Front coils, new"));
        QVERIFY(!child<QLabel>(w, "Label2")->isVisible() && button(w, "CalcPrint")->isVisible()
            && !closed(w));
        QCOMPARE(readPdfFacts(pdf).pages, 1);
    }

private:
    using Answer = std::optional<MessageAnswer>;
};

QTEST_MAIN(TestCalcWindow)
#include "tst_calcwindow.moc"

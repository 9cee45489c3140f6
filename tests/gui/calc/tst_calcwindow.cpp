// The calculation window driven as a user drives it from the main window on
// the worked example, in each mode: the lists, the boxes and their keys, the
// range check, Accept with its questions, and what reaches the layout
// document and the settings.
#include "calcfixture.h"
#include "core/calc/springrate.h"
#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"

#include <QPointer>
#include <QSignalSpy>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

QString shown(CalcWindow *w, int output)
{
    return w->outputValue(output)->text();
}

} // namespace

Q_DECLARE_METATYPE(std::optional<tarvik::gui::MessageAnswer>)

class TestCalcWindow : public QObject
{
    Q_OBJECT

private slots:
    void calcButtonCoilSpringReachesBothSides()
    {
        CalcFixture f;
        const std::string wheelRate = f.document->output().captions.wheelRate[0];
        click(f.window->findChild<QPushButton *>(QStringLiteral("ClcBttn")));
        CalcWindow *w = f.shown();
        QVERIFY(w);
        QCOMPARE(w->acceptButton()->text(), QStringLiteral("Use Calc Value"));
        QVERIFY(!w->box(6)->isEnabled() && w->caption(6)->text().isEmpty());
        choose(w, 1, 2); // both sides
        typeInto(w, 3, QStringLiteral("0.5"));
        typeInto(w, 4, QStringLiteral("3.5"));
        QCOMPARE(shown(w, 0), QString()); // not all three dimensions yet
        typeInto(w, 5, QStringLiteral("10"));
        QCOMPARE(w->box(3)->text(), QStringLiteral(".5"));
        QCOMPARE(shown(w, 0), QStringLiteral("134"));

        click(w->acceptButton());
        QVERIFY(w->isClosing());
        QCOMPARE(f.document->entry(springRateEntry(kSideRight)), QStringLiteral("134"));
        QCOMPARE(f.text(springRateEntry(kSideLeft)), QStringLiteral("134"));
        QVERIFY(f.changed() && f.document->output().captions.wheelRate[0] != wheelRate);
        QVERIFY(f.platform.messages().isEmpty());
    }

    void torsionBarsWithoutARateAndHollow()
    {
        CalcFixture f;
        CalcWindow *w = f.openCalc(kCalcModeSpring);
        QVERIFY(w);
        choose(w, 1, 0); // right side: its lower arm fills row 5
        choose(w, 2, 2);
        const QString arm = f.document->entry(pointEntry(kSideRight, kColumnX, kLowerArmDim));
        QCOMPARE(w->box(5)->text(), arm);
        QVERIFY(!w->box(6)->isEnabled());
        typeInto(w, 3, QStringLiteral("0"));
        typeInto(w, 4, QStringLiteral("40"));
        QCOMPARE(f.platform.messageTexts(),
            QStringList { "Torsion Bar Diameter, in = 0.  Value must be between  .05 and  3 ." });
        QCOMPARE(shown(w, 0), QString());
        click(w->acceptButton());
        QCOMPARE(f.platform.messageTexts().last(),
            QStringLiteral("No Spring Rate has been calculated.  No Spring Rate can be used."));
        QVERIFY(w->isVisible() && !w->isClosing());

        // A hollow bar as wide inside as outside keeps a wall of .02 in.
        choose(w, 2, 3);
        typeInto(w, 3, QStringLiteral("1"));
        typeInto(w, 6, QStringLiteral("1"));
        QCOMPARE(shown(w, 0),
            QString::fromStdString(
                springRateText(*torsionBarRate(1, 40, readNumber(arm.toStdString()), 0.98))));
    }

    void refusedValueRestoresTheTextOnEntry()
    {
        CalcFixture f;
        CalcWindow *w = f.openCalc(kCalcModeSpring);
        QVERIFY(w);
        typeInto(w, 4, QStringLiteral("3.5"));
        typeInto(w, 4, QStringLiteral("40"));
        QCOMPARE(f.platform.messages().size(), 1);
        const PlatformRequest refusal = f.platform.messages().first();
        QCOMPARE(refusal.title, QStringLiteral("Warning"));
        QCOMPARE(refusal.icon, MessageIcon::Exclamation);
        QCOMPARE(refusal.text,
            QStringLiteral(
                "Inside Diameter of Coil, in = 40.  Value must be between  .1 and  12 ."));
        QCOMPARE(w->box(4)->text(), QStringLiteral("3.5"));
        QCOMPARE(QApplication::focusWidget(), w->box(4));
    }

    void keysMoveBetweenFieldsAndNeverChangeAChoice()
    {
        CalcFixture f;
        CalcWindow *w = f.openCalc(kCalcModeSpring);
        QVERIFY(w);
        choose(w, 2, 1); // leaf spring
        QTest::keyClick(w->choice(2), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), w->box(3));
        QTest::keyClick(w->box(3), Qt::Key_Up);
        QTest::keyClick(w->choice(2), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), w->choice(1));
        QTest::keyClick(w->choice(1), Qt::Key_Down);
        QCOMPARE(w->choice(2)->currentIndex(), 1);
        QCOMPARE(w->choice(1)->currentIndex(), -1);
        // Enter moves on and is used up in a field; on a button it presses it.
        QTest::keyClick(w->choice(2), Qt::Key_Return);
        QTest::keyClick(w->box(3), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->box(4));
        QVERIFY(!w->isClosing());
        w->cancelButton()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->cancelButton(), Qt::Key_Return);
        QVERIFY(w->isClosing());
    }

    void acceptedShimMovesTheArm_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("camberOption");
        QTest::addColumn<std::optional<MessageAnswer>>("answer"); // to "Let Camber Change?"
        QTest::newRow("right, camber option on") << int(kSideRight) << 1 << NoAnswer;
        QTest::newRow("left, camber allowed") << int(kSideLeft) << 0 << Answer(MessageAnswer::Yes);
        QTest::newRow("right, camber kept") << int(kSideRight) << 0 << Answer(MessageAnswer::No);
    }

    void acceptedShimMovesTheArm()
    {
        QFETCH(int, side);
        QFETCH(int, camberOption);
        QFETCH(std::optional<MessageAnswer>, answer);
        Settings initial;
        initial.camberOption = camberOption;
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
        click(w->acceptButton());
        QCOMPARE(f.platform.pendingAnswers(), 0);
        QCOMPARE(f.platform.messages().size(), answer ? 1 : 0);
        // The pivot moved out by the shims; the re-solved ball joint is written
        // as a distance from the centreline on either side.
        QCOMPARE(f.document->entry(pointEntry(side, kColumnX, kUpperFramePivot)), "12.25");
        const double jointX = readNumber(
            f.document->entry(pointEntry(side, kColumnX, kUpperBallJoint)).toStdString());
        QVERIFY2(jointX > 24 && jointX < 24.6, qPrintable(QString::number(jointX)));
        QCOMPARE(f.document->entry(pointEntry(1 - side, kColumnX, kUpperFramePivot)), "12");
        QVERIFY(f.document->output().captions.kingPinAngle[s] != kingPin);
        const bool camberFollows = !answer || *answer == MessageAnswer::Yes;
        QCOMPARE(f.document->entry(staticCamberEntry(side)) != "-.5", camberFollows);
        QCOMPARE(f.document->entry(staticCamberEntry(1 - side)), "-.5");
    }

    void shimChoicesRememberedPerSideUntilNew()
    {
        Settings initial;
        initial.camberOption = 1;
        CalcFixture f(initial);
        CalcWindow *w = f.openCalc(kCalcModeShim, kSideRight);
        QVERIFY(w);
        choose(w, 1, 1);
        choose(w, 2, 2); // custom thickness
        QVERIFY(!w->choice(3)->isEnabled() && w->box(5)->isEnabled());
        QCOMPARE(w->caption(5)->text(), QStringLiteral("Custom Thickness Removed"));
        typeInto(w, 5, QStringLiteral(".1"));
        click(w->acceptButton());

        w = f.openCalc(kCalcModeShim, kSideRight);
        QCOMPARE(w->choice(1)->currentIndex(), 1);
        QCOMPARE(w->choice(2)->currentIndex(), 2);
        QCOMPARE(w->box(5)->text(), QStringLiteral(".1"));
        QCOMPARE(f.openCalc(kCalcModeShim, kSideLeft)->choice(2)->currentIndex(), 0);
        f.document->newLayout();
        f.open(QStringLiteral("WORKED.TK"));
        QCOMPARE(f.openCalc(kCalcModeShim, kSideRight)->choice(1)->currentIndex(), 0);
    }

    void unusualGeometryOpensNothing()
    {
        CalcFixture f;
        f.setEntry(pointEntry(kSideRight, kColumnX, kUpperFramePivot), QStringLiteral("24"));
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
        QVERIFY(!w->outputValue(0)->isVisible() && !w->box(2)->isEnabled());
        choose(w, 1, 1);
        typeInto(w, 2, QStringLiteral("2"));
        typeInto(w, 3, QStringLiteral("1.5"));
        f.platform.answerMessage(MessageAnswer::No);
        click(w->acceptButton());
        QVERIFY(!w->isClosing());
        QCOMPARE(f.settings.get().GainSpecChoice, 0);
        const PlatformRequest question = f.platform.messages().last();
        QCOMPARE(question.title, QStringLiteral("Use Non-Standard Specs Anyway?"));
        QCOMPARE(question.defaultButton, Answer(MessageAnswer::No));

        f.platform.answerMessage(MessageAnswer::Yes);
        click(w->acceptButton());
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
        CalcWindow *w = f.openCalc(kCalcModeTableSpec);
        QVERIFY(w);
        // .5 in gives 21 rows, 1 in still 11: the dive steps up twice, warned once.
        QCOMPARE(f.platform.messageTexts(),
            QStringList { "Dive Increment must be increased to stay within 10 as Max Number of "
                          "Rows." });
        QCOMPARE(w->choice(4)->currentIndex(), 0);
        QVERIFY(w->note()->text().contains(QStringLiteral("6 rows x 5 columns.")));
        typeInto(w, 6, QStringLiteral("6"));
        QCOMPARE(changed.count(), 0);
        click(w->acceptButton());
        QCOMPARE(f.settings.get().tableSpec, (TableSpec { 0, "-5", "5", 0, "-4", "6", 1 }));
        QCOMPARE(changed.count(), 1);
    }

private:
    using Answer = std::optional<MessageAnswer>;
    static inline const Answer NoAnswer {};
};

QTEST_MAIN(TestCalcWindow)
#include "tst_calcwindow.moc"

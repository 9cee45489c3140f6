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

Q_DECLARE_METATYPE(std::optional<tarvik::gui::MessageAnswer>)

class TestCalcWindow : public QObject
{
    Q_OBJECT

private slots:
    void calcButtonCoilSpringReachesBothSides();
    void torsionBars_data();
    void torsionBars();
    void refusedValueRestoresTheTextOnEntry();
    void keysMoveBetweenFieldsAndNeverChangeAChoice();
    void acceptedShimMovesTheArm_data();
    void acceptedShimMovesTheArm();
    void shimChoicesRememberedPerSideUntilNew();
    void unusualGeometryOpensNothing();
    void gainDefinitionAsksAndRedraws();
    void tableSpecIsFittedOnceAndStored();
};

void TestCalcWindow::calcButtonCoilSpringReachesBothSides()
{
    CalcFixture f;
    const std::string wheelRateBefore = f.document->output().captions.wheelRate[0];
    click(f.window->findChild<QPushButton *>(QStringLiteral("ClcBttn")));
    CalcWindow *w = f.shown();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Spring Rate Calculator"));
    QCOMPARE(w->acceptButton()->text(), QStringLiteral("Use Calc Value"));
    QCOMPARE(w->choice(2)->currentText(), QStringLiteral("Coil Spring"));
    QVERIFY(!w->box(6)->isEnabled());
    QVERIFY(w->caption(6)->text().isEmpty());

    choose(w, 1, 2); // both sides
    typeInto(w, 3, QStringLiteral("0.5"));
    typeInto(w, 4, QStringLiteral("3.5"));
    QCOMPARE(shownValue(w, 0), QString()); // not all three dimensions yet
    typeInto(w, 5, QStringLiteral("10"));
    QCOMPARE(w->box(3)->text(), QStringLiteral(".5"));
    QCOMPARE(shownValue(w, 0), QStringLiteral("134"));
    QVERIFY(f.platform.messages().isEmpty());

    const QPointer<CalcWindow> guard(w);
    click(w->acceptButton());
    QVERIFY(!guard || guard->isClosing());
    QCOMPARE(f.document->entry(springRateEntry(kSideRight)), QStringLiteral("134"));
    QCOMPARE(f.document->entry(springRateEntry(kSideLeft)), QStringLiteral("134"));
    QCOMPARE(f.text(springRateEntry(kSideLeft)), QStringLiteral("134"));
    QVERIFY(f.changed());
    QVERIFY(f.document->output().captions.wheelRate[0] != wheelRateBefore);
}

void TestCalcWindow::torsionBars_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("insideDiameter");
    QTest::addColumn<QString>("rate"); // empty: none could be made
    QTest::addColumn<QString>("message");

    QTest::newRow("hollow bar as wide inside as outside keeps a wall") << 3 << "1"
                                                                       << "1"
                                                                       << "rate"
                                                                       << "";
    QTest::newRow("zero diameter is refused, so no rate")
        << 2 << "0"
        << ""
        << ""
        << "Torsion Bar Diameter, in = 0.  Value must be between  .05 and  3 .";
}

void TestCalcWindow::torsionBars()
{
    QFETCH(int, type);
    QFETCH(QString, diameter);
    QFETCH(QString, insideDiameter);
    QFETCH(QString, rate);
    QFETCH(QString, message);
    CalcFixture f;
    CalcWindow *w = f.openCalc(kCalcModeSpring);
    QVERIFY(w);
    choose(w, 1, 0); // right side: its lower arm fills row 5
    choose(w, 2, type);
    const QString arm = f.document->entry(pointEntry(kSideRight, kColumnX, kLowerArmDim));
    QCOMPARE(w->box(5)->text(), arm);
    if (!rate.isEmpty()) {
        // The wall is kept at .02 in: the inside diameter counts as .98.
        rate = QString::fromStdString(
            springRateText(*torsionBarRate(1, 40, readNumber(arm.toStdString()), 0.98)));
    }
    QCOMPARE(w->box(6)->isEnabled(), type == 3);
    typeInto(w, 3, diameter);
    typeInto(w, 4, QStringLiteral("40"));
    if (!insideDiameter.isEmpty()) {
        typeInto(w, 6, insideDiameter);
    }
    QCOMPARE(shownValue(w, 0), rate);
    QCOMPARE(f.platform.messageTexts().join(u'|'), message);
    if (rate.isEmpty()) {
        f.platform.clearRecord();
        click(w->acceptButton());
        QCOMPARE(f.platform.messageTexts(),
            QStringList { QStringLiteral(
                "No Spring Rate has been calculated.  No Spring Rate can be used.") });
        QVERIFY(w->isVisible());
        QCOMPARE(f.document->entry(springRateEntry(kSideRight)), QStringLiteral("500"));
    }
}

void TestCalcWindow::refusedValueRestoresTheTextOnEntry()
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
        QStringLiteral("Inside Diameter of Coil, in = 40.  Value must be between  .1 and  12 ."));
    QCOMPARE(w->box(4)->text(), QStringLiteral("3.5"));
    QCOMPARE(QApplication::focusWidget(), w->box(4));
    QVERIFY(w->isVisible());
    // Typing 12 and letters is read as 12; an emptied box is not checked.
    typeInto(w, 5, QStringLiteral("12abc"));
    QCOMPARE(w->box(5)->text(), QStringLiteral("12"));
    typeInto(w, 5, QString());
    QCOMPARE(f.platform.messages().size(), 1);
}

void TestCalcWindow::keysMoveBetweenFieldsAndNeverChangeAChoice()
{
    CalcFixture f;
    CalcWindow *w = f.openCalc(kCalcModeSpring);
    QVERIFY(w);
    choose(w, 2, 1); // leaf spring
    QTest::keyClick(w->choice(2), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), w->box(3));
    QTest::keyClick(w->box(3), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), w->choice(2));
    QTest::keyClick(w->choice(2), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), w->choice(1));
    QTest::keyClick(w->choice(1), Qt::Key_Down);
    QCOMPARE(w->choice(2)->currentIndex(), 1);
    QCOMPARE(w->choice(1)->currentIndex(), -1);
    // Enter moves on and is used up: the window does not close.
    QTest::keyClick(w->choice(2), Qt::Key_Return);
    QTest::keyClick(w->box(3), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->box(4));
    QVERIFY(w->isVisible() && !w->isClosing());
    QCOMPARE(w->caption(7)->text(), QStringLiteral("Spring Width, in"));
    // On a button, Enter presses it.
    w->cancelButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->cancelButton(), Qt::Key_Return);
    QVERIFY(w->isClosing());
}

void TestCalcWindow::acceptedShimMovesTheArm_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("camberOption");
    QTest::addColumn<std::optional<MessageAnswer>>("answer"); // to "Let Camber Change?"
    QTest::addColumn<bool>("camberFollows");

    QTest::newRow("right, camber option on")
        << int(kSideRight) << 1 << std::optional<MessageAnswer>() << true;
    QTest::newRow("left, camber allowed")
        << int(kSideLeft) << 0 << std::optional(MessageAnswer::Yes) << true;
    QTest::newRow("right, camber kept")
        << int(kSideRight) << 0 << std::optional(MessageAnswer::No) << false;
}

void TestCalcWindow::acceptedShimMovesTheArm()
{
    QFETCH(int, side);
    QFETCH(int, camberOption);
    QFETCH(std::optional<MessageAnswer>, answer);
    QFETCH(bool, camberFollows);
    Settings initial;
    initial.camberOption = camberOption;
    CalcFixture f(initial);
    const int other = 1 - side;
    const std::string kingPinBefore = f.document->output().captions.kingPinAngle[std::size_t(side)];
    f.trigger(side == kSideRight ? "mnuShimRight" : "mnuShimLeft");
    CalcWindow *w = f.shown();
    QVERIFY(w);
    QVERIFY(w->windowTitle().endsWith(
        side == kSideRight ? QStringLiteral("Right Side") : QStringLiteral("Left Side")));
    choose(w, 2, 1); // standard shims: two 1/16 and one 1/8
    choose(w, 3, 2);
    choose(w, 4, 1);
    QCOMPARE(shownValue(w, 0), QStringLiteral(".2500"));
    QCOMPARE(shownValue(w, 2), QStringLiteral("-.5"));
    QVERIFY(!shownValue(w, 1).isEmpty());
    if (answer) {
        f.platform.answerMessage(*answer);
    }
    click(w->acceptButton());
    QCOMPARE(f.platform.pendingAnswers(), 0);
    QCOMPARE(f.platform.messages().size(), answer ? 1 : 0);
    if (answer) {
        QCOMPARE(f.platform.messages().first().title, QStringLiteral("Let Camber Change?"));
        QCOMPARE(f.platform.messages().first().buttons, MessageButtons::YesNo);
    }
    // The frame pivot moved out by the shims; the ball joint was re-solved
    // and written as a distance from the centreline on either side.
    QCOMPARE(
        f.document->entry(pointEntry(side, kColumnX, kUpperFramePivot)), QStringLiteral("12.25"));
    const double jointX
        = readNumber(f.document->entry(pointEntry(side, kColumnX, kUpperBallJoint)).toStdString());
    QVERIFY2(jointX > 24 && jointX < 24.6, qPrintable(QString::number(jointX)));
    QCOMPARE(
        f.document->entry(pointEntry(other, kColumnX, kUpperFramePivot)), QStringLiteral("12"));
    QVERIFY(f.document->output().captions.kingPinAngle[std::size_t(side)] != kingPinBefore);
    QCOMPARE(f.document->entry(staticCamberEntry(side)) != QStringLiteral("-.5"), camberFollows);
    QCOMPARE(f.document->entry(staticCamberEntry(other)), QStringLiteral("-.5"));
}

void TestCalcWindow::shimChoicesRememberedPerSideUntilNew()
{
    CalcFixture f(Settings {});
    f.settings.change([](Settings &s) { s.camberOption = 1; });
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
    w = f.openCalc(kCalcModeShim, kSideLeft);
    QCOMPARE(w->choice(2)->currentIndex(), 0);
    f.document->newLayout();
    f.open(QStringLiteral("WORKED.TK"));
    w = f.openCalc(kCalcModeShim, kSideRight);
    QCOMPARE(w->choice(1)->currentIndex(), 0);
    QCOMPARE(w->box(5)->text(), QString());
}

void TestCalcWindow::unusualGeometryOpensNothing()
{
    CalcFixture f;
    f.setEntry(pointEntry(kSideRight, kColumnX, kUpperFramePivot), QStringLiteral("24"));
    f.platform.clearRecord(); // the main window's own warning about the drawing
    f.trigger("mnuShimRight");
    QVERIFY(!f.calc.window());
    QCOMPARE(f.platform.messages().size(), 1);
    QCOMPARE(f.platform.messages().first().title, QStringLiteral("Unusual Geometry"));
    QVERIFY(
        f.platform.messages().first().text.contains(QStringLiteral("Ball Joint is more inboard")));
}

void TestCalcWindow::gainDefinitionAsksAndRedraws()
{
    CalcFixture f;
    const std::string basis = f.document->output().captions.gainBasis;
    f.trigger("mnuCamberGainDefinitions");
    CalcWindow *w = f.shown();
    QVERIFY(w);
    QCOMPARE(w->acceptButton()->text(), QStringLiteral("OK/Exit"));
    QVERIFY(!w->outputValue(0)->isVisible());
    QVERIFY(!w->box(2)->isEnabled());
    choose(w, 1, 1);
    typeInto(w, 2, QStringLiteral("2"));
    typeInto(w, 3, QStringLiteral("1.5"));

    f.platform.answerMessage(MessageAnswer::No);
    click(w->acceptButton());
    QVERIFY(w->isVisible());
    QCOMPARE(f.settings.get().GainSpecChoice, 0);
    const PlatformRequest question = f.platform.messages().last();
    QCOMPARE(question.title, QStringLiteral("Use Non-Standard Specs Anyway?"));
    QCOMPARE(question.buttons, MessageButtons::YesNoCancel);
    QCOMPARE(question.defaultButton, std::optional(MessageAnswer::No));

    f.platform.answerMessage(MessageAnswer::Yes);
    click(w->acceptButton());
    QCOMPARE(f.settings.get().GainSpecChoice, 1);
    QCOMPARE(f.settings.get().GainDiveText, std::string("2"));
    QCOMPARE(f.settings.get().GainRollText, std::string("1.5"));
    QVERIFY(f.document->output().captions.gainBasis != basis);
}

void TestCalcWindow::tableSpecIsFittedOnceAndStored()
{
    Settings initial;
    initial.tableSpec = TableSpec { 0, "-5", "5", 2, "-4", "4", 1 };
    CalcFixture f(initial);
    QSignalSpy changed(&f.settings, &SettingsOwner::changed);
    CalcWindow *w = f.openCalc(kCalcModeTableSpec);
    QVERIFY(w);
    // .5 in gives 21 rows, 1 in still 11: the dive steps up twice, warned once.
    QCOMPARE(f.platform.messageTexts(),
        QStringList {
            "Dive Increment must be increased to stay within 10 as Max Number of Rows." });
    QCOMPARE(w->choice(4)->currentIndex(), 0);
    QVERIFY(w->note()->text().contains(QStringLiteral("6 rows x 5 columns.")));
    QCOMPARE(changed.count(), 0);

    typeInto(w, 6, QStringLiteral("6"));
    click(w->acceptButton());
    QCOMPARE(f.settings.get().tableSpec, (TableSpec { 0, "-5", "5", 0, "-4", "6", 1 }));
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(TestCalcWindow)
#include "tst_calcwindow.moc"

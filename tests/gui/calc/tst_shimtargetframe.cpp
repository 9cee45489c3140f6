// The shim calculator's target camber frame, driven as a user drives it from
// the main window on the worked example: the switch, the target box with its
// check, the stack landing in the calculator's rows, and Accept writing it as
// any shim change.
#include "calcfixture.h"
#include "core/layout/entrynumbers.h"
#include "gui/calc/shimtargetframe.h"

#include <QCheckBox>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

ShimTargetFrame *switchedOn(CalcWindow *w)
{
    ShimTargetFrame *t = w->targetFrame();
    QTest::mouseClick(t->toggle(), Qt::LeftButton);
    QApplication::processEvents();
    return t;
}

QList<int> rows(CalcWindow *w)
{
    return { w->choice(1)->currentIndex(), w->choice(2)->currentIndex(),
        w->choice(3)->currentIndex(), w->choice(4)->currentIndex() };
}

} // namespace

class TestShimTargetFrame : public QObject
{
    Q_OBJECT

private slots:
    void stackFoundAndAcceptedAsOneStep()
    {
        Settings initial;
        initial.camberOption = 1;
        CalcFixture f(initial);
        const int pivotX = pointEntry(kSideRight, kColumnX, kUpperFramePivot);
        const int steps = f.document->undoStack().count();
        f.trigger("mnuShimRight");
        CalcWindow *w = f.shown();
        QVERIFY(w && w->targetFrame());
        QVERIFY(!w->targetFrame()->box()->isEnabled());

        ShimTargetFrame *t = switchedOn(w);
        QVERIFY(t->box()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), t->box());
        QVERIFY(!w->choice(1)->isEnabled() && !w->choice(2)->isEnabled());
        typeInto(t->box(), QStringLiteral("-1.50"));
        QCOMPARE(t->box()->text(), QStringLiteral("-1.5"));
        QCOMPARE(rows(w), (QList<int> { 1, 1, 1, 1 })); // a 1/16 and a 1/8 removed
        QCOMPARE(w->outputValue(0)->text(), QStringLiteral(".1875"));
        QCOMPARE(t->camber()->text(), w->outputValue(1)->text());
        QCOMPARE(t->residual()->text(), QStringLiteral("-.06"));

        click(w->acceptButton());
        QVERIFY(w->isClosing());
        QVERIFY(f.platform.messages().isEmpty());
        QCOMPARE(f.document->entry(pivotX), QStringLiteral("11.81"));
        QVERIFY(f.document->entry(staticCamberEntry(kSideRight)) != QStringLiteral("-.5"));
        QCOMPARE(f.document->undoStack().count(), steps + 1);
        f.document->undoStack().undo();
        QCOMPARE(f.document->entry(pivotX), QStringLiteral("12"));

        // Reopened, the rows hold the stack and the switch is off.
        w = f.openCalc(kCalcModeShim, kSideRight);
        QCOMPARE(rows(w), (QList<int> { 1, 1, 1, 1 }));
        QVERIFY(!w->targetFrame()->toggle()->isChecked() && w->choice(3)->isEnabled());
    }

    void targetBoxCheckedEmptiedAndTakenByAccept()
    {
        CalcFixture f;
        CalcWindow *w = f.openCalc(kCalcModeShim, kSideLeft);
        QVERIFY(w);
        ShimTargetFrame *t = switchedOn(w);
        typeInto(t->box(), QStringLiteral("25"));
        QCOMPARE(f.platform.messageTexts(),
            QStringList { "Target Camber, deg = 25.  Value must be between -10 and  10 ." });
        QCOMPARE(t->box()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), t->box());
        click(w->acceptButton());
        QCOMPARE(f.platform.messageTexts().last(),
            QStringLiteral("No shims have been found for a target camber, so there is no Shim "
                           "Thickness to be used."));
        QVERIFY(!w->isClosing());

        // Typed and not left: Accept takes the text, then asks about camber.
        t->box()->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(t->box(), QStringLiteral("1"));
        f.platform.answerMessage(MessageAnswer::No);
        click(w->acceptButton());
        QVERIFY(w->isClosing());
        QCOMPARE(f.platform.messages().last().title, QStringLiteral("Let Camber Change?"));
        QCOMPARE(f.document->entry(pointEntry(kSideLeft, kColumnX, kUpperFramePivot)),
            QStringLiteral("12.25")); // two 1/8 in shims added
        QCOMPARE(f.document->entry(staticCamberEntry(kSideLeft)), QStringLiteral("-.5"));
    }

    void metricLayoutAndALayoutWithNoStack()
    {
        Settings initial;
        initial.camberOption = 1;
        CalcFixture f(initial);
        f.document->setUnits(true);
        CalcWindow *w = f.openCalc(kCalcModeShim, kSideRight);
        QVERIFY(w);
        typeInto(switchedOn(w)->box(), QStringLiteral("1"));
        QCOMPARE(w->outputValue(0)->text(), QStringLiteral("6.3500")); // 1/4 in in mm
        click(w->acceptButton());
        QCOMPARE(f.document->entry(pointEntry(kSideRight, kColumnX, kUpperFramePivot)),
            QStringLiteral("311.15"));

        // A right upper arm .01 in long: no shim closes the linkage.
        f.document->setUnits(false);
        f.open(QStringLiteral("WORKED.TK"));
        f.setEntry(pointEntry(kSideRight, kColumnX, kUpperFramePivot), QStringLiteral("23.99"));
        f.setEntry(pointEntry(kSideRight, kColumnHeight, kUpperFramePivot), QStringLiteral("15"));
        f.platform.clearRecord();
        w = f.openCalc(kCalcModeShim, kSideRight);
        QVERIFY(w);
        ShimTargetFrame *t = switchedOn(w);
        typeInto(t->box(), QStringLiteral("1"));
        QCOMPARE(f.platform.messages().size(), 1);
        QCOMPARE(f.platform.messages().first().title, QStringLiteral("Target Camber"));
        QCOMPARE(rows(w), (QList<int> { 0, 0, -1, -1 }));
        QCOMPARE(t->camber()->text(), QString());
    }
};

QTEST_MAIN(TestShimTargetFrame)
#include "tst_shimtargetframe.moc"

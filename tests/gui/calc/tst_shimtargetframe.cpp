// The shim calculator's target camber frame, driven as a user drives it from
// the main window on the worked example: the switch, the target box with its
// focus rules, the stack landing in the calculator's lists, and Accept
// writing it as any shim change, one step of the document.
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

    void refusedTargetKeepsTheFocusAndAcceptTakesTypedText()
    {
        CalcFixture f;
        CalcWindow *w = f.openCalc(kCalcModeShim, kSideLeft);
        QVERIFY(w);
        ShimTargetFrame *t = switchedOn(w);
        typeInto(t->box(), QStringLiteral("25"));
        QCOMPARE(f.platform.messages().size(), 1);
        QCOMPARE(f.platform.messages().first().title, QStringLiteral("Warning"));
        QCOMPARE(t->box()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), t->box());
        click(w->acceptButton()); // no stack found yet
        QCOMPARE(f.platform.messages().size(), 2);
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
};

QTEST_MAIN(TestShimTargetFrame)
#include "tst_shimtargetframe.moc"

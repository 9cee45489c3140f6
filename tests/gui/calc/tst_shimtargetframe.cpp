// The shim calculator's target camber frame as a user drives it: the switch,
// the target box with its focus rules, the stack that lands in the lists,
// and Accept as one step of the layout document.
#include "calcfixture.h"
#include "core/layout/entrynumbers.h"
#include "gui/calc/shimtargetframe.h"
#include "testing/leftoverwindows.h"

#include <QCheckBox>
#include <QPointer>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

ShimTargetFrame *switchedOn(CalcWindow *w)
{
    ShimTargetFrame *t = child<ShimTargetFrame>(w, "Frame3DTarget");
    QTest::mouseClick(t->toggle(), Qt::LeftButton);
    QApplication::processEvents();
    return t;
}

QList<int> rows(CalcWindow *w)
{
    return { choice(w, 1)->currentIndex(), choice(w, 2)->currentIndex(),
        choice(w, 3)->currentIndex(), choice(w, 4)->currentIndex() };
}

} // namespace

class TestShimTargetFrame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void stackFoundAndAcceptedAsOneStep()
    {
        Settings initial;
        initial.camberFollowsEdits = true;
        CalcFixture f(initial);
        const Entry pivotX = Entry::coordinate(kSideRight, kUpperFramePivot, kColumnX);
        const int steps = f.document->undoStack().count();
        f.trigger("mnuShimRight");
        CalcWindow *w = f.shown();
        QVERIFY(w && child<ShimTargetFrame>(w, "Frame3DTarget"));
        QVERIFY(!child<ShimTargetFrame>(w, "Frame3DTarget")->box()->isEnabled());

        ShimTargetFrame *t = switchedOn(w);
        QVERIFY(t->box()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), t->box());
        QVERIFY(!choice(w, 1)->isEnabled() && !choice(w, 2)->isEnabled());
        typeInto(t->box(), QStringLiteral("-1.50"));
        QCOMPARE(t->box()->text(), QStringLiteral("-1.5"));
        QCOMPARE(rows(w), (QList<int> { 1, 1, 1, 1 })); // a 1/16 and a 1/8 removed
        QCOMPARE(outputValue(w, 0)->text(), QStringLiteral(".1875"));
        QCOMPARE(child<QLabel>(w, "CalcTargetCamber")->text(), outputValue(w, 1)->text());
        QCOMPARE(child<QLabel>(w, "CalcTargetResidual")->text(), QStringLiteral("-.06"));

        // Accepted, the window deletes itself once events run (the click's
        // may already have), so only a QPointer may look at it afterwards.
        const QPointer<CalcWindow> accepted = w;
        click(button(w, "CalcAccept"));
        QVERIFY(closed(accepted));
        QVERIFY(!f.calc.window());
        QVERIFY(f.platform.messages().isEmpty());
        QCOMPARE(f.document->entry(pivotX), QStringLiteral("11.81"));
        QVERIFY(f.document->entry(Entry::otherSpec(kSideRight, kStaticCamberRow))
            != QStringLiteral("-.5"));
        QCOMPARE(f.document->undoStack().count(), steps + 1);
        f.document->undoStack().undo();
        QCOMPARE(f.document->entry(pivotX), QStringLiteral("12"));

        // Reopened, the rows hold the stack and the switch is off.
        w = f.openCalc(CalcMode::Shim, kSideRight);
        QVERIFY(w && w != accepted);
        QCOMPARE(rows(w), (QList<int> { 1, 1, 1, 1 }));
        QVERIFY(!child<ShimTargetFrame>(w, "Frame3DTarget")->toggle()->isChecked()
            && choice(w, 3)->isEnabled());
    }

    void refusedTargetKeepsTheFocusAndAcceptTakesTypedText()
    {
        CalcFixture f;
        const QPointer<CalcWindow> w = f.openCalc(CalcMode::Shim, kSideLeft);
        QVERIFY(w);
        ShimTargetFrame *t = switchedOn(w);
        typeInto(t->box(), QStringLiteral("25"));
        QCOMPARE(f.platform.messages().size(), 1);
        QCOMPARE(f.platform.messages().first().title, QStringLiteral("Warning"));
        QCOMPARE(t->box()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), t->box());
        click(button(w, "CalcAccept")); // no stack found yet
        QCOMPARE(f.platform.messages().size(), 2);
        QVERIFY(!w->isClosing());

        // Typed and not left: Accept takes the text, then asks about camber.
        t->box()->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(t->box(), QStringLiteral("1"));
        f.platform.answerMessage(MessageAnswer::No);
        click(button(w, "CalcAccept"));
        QVERIFY(closed(w));
        QCOMPARE(f.platform.messages().last().title, QStringLiteral("Let Camber Change?"));
        QCOMPARE(f.document->entry(Entry::coordinate(kSideLeft, kUpperFramePivot, kColumnX)),
            QStringLiteral("12.25")); // two 1/8 in shims added
        QCOMPARE(f.document->entry(Entry::otherSpec(kSideLeft, kStaticCamberRow)),
            QStringLiteral("-.5"));
    }
};

QTEST_MAIN(TestShimTargetFrame)
#include "tst_shimtargetframe.moc"

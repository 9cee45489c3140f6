// Design > Find Pick-up Points on the worked example: opened from the menu,
// prefilled from the layout, a search run to its end and applied as one
// change that Edit > Undo takes back; an answer made stale by an edit asks
// before it is applied; Stop keeps the best so far, and closing the window
// while a search runs ends it; a metric layout shows millimetres.
#include "core/layout/entrynumbers.h"
#include "gui/design/designcoordinatespanel.h"
#include "gui/design/designtargetspanel.h"
#include "gui/design/pickupoptimizerwindow.h"
#include "support/namedentries.h"
#include "testing/leftoverwindows.h"
#include "testing/mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

constexpr int kRightPivotHeight = 9;
constexpr int kLeftPivotHeight = 25;

// The worked example with the Design menu wired as start-up wires it.
struct DesignFixture : WorkedWindow
{
    QPointer<PickupOptimizerWindow> design;

    DesignFixture()
        : WorkedWindow({}, false, hooksFor(this))
    {
    }

    static MainWindowHooks hooksFor(DesignFixture *self)
    {
        MainWindowHooks hooks;
        hooks.openDesign = [self] {
            self->design = new PickupOptimizerWindow(
                self->platform, *self->document, self->settings, self->window.get());
            self->design->show();
        };
        return hooks;
    }

    PickupOptimizerWindow *open()
    {
        window->action(QStringLiteral("mnuFindPickups"))->trigger();
        return design;
    }
};

// The panels' rows, by object name: a target row's switch, value and
// achieved value; a coordinate entry's switch and least value.
QCheckBox *useBox(const QWidget *w, int row)
{
    return child<QCheckBox>(w, QStringLiteral("DesignUse%1").arg(row));
}
QLineEdit *valueBox(const QWidget *w, int row)
{
    return child<QLineEdit>(w, QStringLiteral("DesignValue%1").arg(row));
}
QLabel *achieved(const QWidget *w, int row)
{
    return child<QLabel>(w, QStringLiteral("DesignAchieved%1").arg(row));
}
QCheckBox *freeBox(const QWidget *w, int entry)
{
    return child<QCheckBox>(w, QStringLiteral("DesignFree%1").arg(entry));
}
QLineEdit *minBox(const QWidget *w, int entry)
{
    return child<QLineEdit>(w, QStringLiteral("DesignMin%1").arg(entry));
}

void check(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void waitDone(PickupOptimizerWindow *w)
{
    QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 30000);
}

} // namespace

class TestPickupOptimizerWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void searchesAppliesAsOneChangeAndUndoes()
    {
        DesignFixture f;
        PickupOptimizerWindow *w = f.open();
        QVERIFY(w && w->isVisible());
        auto *targets = child<DesignTargetsPanel>(w);
        auto *coordinates = child<DesignCoordinatesPanel>(w);
        QCOMPARE(valueBox(targets, 0)->text(), QStringLiteral("3.693"));
        QCOMPARE(minBox(coordinates, kRightPivotHeight)->text(), QStringLiteral("12"));
        QVERIFY(child<QCheckBox>(coordinates, "DesignSymmetric")->isChecked());
        QVERIFY(!freeBox(coordinates, kLeftPivotHeight)->isEnabled());

        QTest::mouseClick(child<QPushButton>(w, "DesignStart"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, "DesignStatus")->text(),
            QStringLiteral("Choose at least one target."));
        QVERIFY(!w->isRunning());

        check(useBox(targets, 0));
        typeInto(valueBox(targets, 0), QStringLiteral("2"));
        check(freeBox(coordinates, kRightPivotHeight));
        QTest::mouseClick(child<QPushButton>(w, "DesignStart"), Qt::LeftButton);
        QVERIFY(!valueBox(targets, 0)->isEnabled()); // locked while it runs
        waitDone(w);
        QVERIFY(w->hasAnswer() && child<QPushButton>(w, "DesignApply")->isEnabled()
            && child<QPushButton>(w, "DesignStart")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "DesignStop")->isEnabled());
        QVERIFY(qAbs(achieved(targets, 0)->text().toDouble() - 2.0) < 0.02);
        const QString changes = child<QPlainTextEdit>(w, "DesignChanges")->toPlainText();
        QVERIFY2(changes.startsWith(QStringLiteral("Right Upper Frame Pivot Height: 14 \u2192 ")),
            qPrintable(changes));
        QVERIFY(changes.contains(QStringLiteral("Left Upper Frame Pivot Height: 14 \u2192 ")));
        QVERIFY(!f.changed());

        QTest::mouseClick(child<QPushButton>(w, "DesignApply"), Qt::LeftButton);
        const QString moved = f.text(kRightPivotHeight);
        QVERIFY(moved != QStringLiteral("14") && f.text(kLeftPivotHeight) == moved);
        // Both boxes' moves, with the smallest change preferred as it is at first.
        QVERIFY(child<QCheckBox>(w, "DesignPreferSmall")->isChecked());
        QCOMPARE(
            child<QLabel>(w, "DesignMovement")->text().section(QLatin1Char(' '), 2, 2).toDouble(),
            2 * qAbs(moved.toDouble() - 14));
        QVERIFY(
            f.changed() && !w->hasAnswer() && !child<QPushButton>(w, "DesignApply")->isEnabled());
        QCOMPARE(f.document->undoStack().undoText(), QStringLiteral("Find Pick-up Points"));
        QCOMPARE(valueBox(targets, 0)->text(), QStringLiteral("2")); // what the user typed stays
        f.window->action(QStringLiteral("mnuUndo"))->trigger();
        QCOMPARE(f.text(kRightPivotHeight), QStringLiteral("14"));
        QCOMPARE(f.text(kLeftPivotHeight), QStringLiteral("14"));
        QVERIFY(!f.document->undoStack().canUndo());

        // An edit after the search: the answer is stale, and Apply asks.
        QTest::mouseClick(child<QPushButton>(w, "DesignStart"), Qt::LeftButton);
        waitDone(w);
        f.document->setEntries({ { kRightLowerBallJointX, QStringLiteral("26.5") } });
        QVERIFY(w->isStale()
            && child<QLabel>(w, "DesignStatus")->text().contains(QStringLiteral("as it was")));
        f.platform.answerMessage(MessageAnswer::No);
        QTest::mouseClick(child<QPushButton>(w, "DesignApply"), Qt::LeftButton);
        QCOMPARE(f.text(kRightPivotHeight), QStringLiteral("14"));
        f.platform.answerMessage(MessageAnswer::Yes);
        QTest::mouseClick(child<QPushButton>(w, "DesignApply"), Qt::LeftButton);
        QVERIFY(f.text(kRightPivotHeight) != QStringLiteral("14"));
        QCOMPARE(f.platform.messages().size(), 2);

        // Other units: the answer and the texts start afresh in millimetres.
        f.document->setUnits(Units::Metric);
        QVERIFY(coordinates->title().endsWith(QStringLiteral("(mm)")));
        const double mm = f.text(kLeftPivotHeight).toDouble();
        QCOMPARE(minBox(coordinates, kLeftPivotHeight)->text(),
            QString::number(qRound((mm - 50.8) * 100) / 100.0));
        QVERIFY(!useBox(targets, 0)->isChecked());
    }

    void stopKeepsTheBestSoFarAndClosingEndsTheSearch()
    {
        DesignFixture f;
        PickupOptimizerWindow *w = f.open();
        // Many targets and every point of both sides: a search of seconds.
        for (int row : { 0, 1, 5, 6, 7 }) {
            check(useBox(w, row));
        }
        typeInto(valueBox(w, 0), QStringLiteral("2"));
        typeInto(valueBox(w, 5), QStringLiteral("-3"));
        check(child<QCheckBox>(w, "DesignSymmetric"));
        for (int entry = 0; entry < 32; ++entry) {
            if (auto *box = w->findChild<QCheckBox *>(QStringLiteral("DesignFree%1").arg(entry))) {
                check(box);
            }
        }
        QTest::mouseClick(child<QPushButton>(w, "DesignStart"), Qt::LeftButton);
        QVERIFY(w->isRunning() && child<QPushButton>(w, "DesignStop")->isEnabled());
        QTRY_VERIFY(w->findChild<QLabel *>(QStringLiteral("DesignStage"))->text()
            == QStringLiteral("evolving (2 of 4)"));
        QTest::mouseClick(child<QPushButton>(w, "DesignStop"), Qt::LeftButton);
        waitDone(w);
        QVERIFY2(
            child<QLabel>(w, "DesignStatus")->text().startsWith(QStringLiteral("Stopped: Apply")),
            qPrintable(child<QLabel>(w, "DesignStatus")->text()));
        QVERIFY(w->hasAnswer());
        QVERIFY(achieved(w, 0)->text() != QStringLiteral("-"));

        QTest::mouseClick(child<QPushButton>(w, "DesignStart"), Qt::LeftButton);
        QVERIFY(w->isRunning());
        const QPointer<PickupOptimizerWindow> closing(w);
        w->close();
        QTRY_VERIFY(closing.isNull());
        QVERIFY(!f.changed());
    }
};

QTEST_MAIN(TestPickupOptimizerWindow)
#include "tst_pickupoptimizerwindow.moc"

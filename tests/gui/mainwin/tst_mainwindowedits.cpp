// The main window's edit commands as a user gives them: amounts added to a
// point or an arm, centring and copying one side to the other, and a pick-up
// point dragged in the drawing.
#include "core/layout/entrynumbers.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/pointdragger.h"
#include "support/namedentries.h"
#include "testing/leftoverwindows.h"
#include "testing/mainwindowfixture.h"

#include <QAction>
#include <QStatusBar>
#include <QUndoStack>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

class TestMainWindowEdits : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void amountEditCommands();
    void centreAndCopyCommands();
    void draggingAPointMovesItsBoxes();
};

void TestMainWindowEdits::amountEditCommands()
{
    WorkedWindow f;
    // Each command moves its own way, here by 1 from the right and left Upper
    // Ball Joint X 24 and Height 15; arm rows are never moved.
    const QString armLength = f.text(kRightUpperArmLength);
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
        QCOMPARE((QStringList { f.text(kRightUpperBallJointX), f.text(kLeftUpperBallJointX),
                     f.text(kRightUpperBallJointHeight) }),
            moved);
        QCOMPARE(f.text(kRightUpperArmLength), armLength);
        f.document->undoStack().undo();
    }
    f.platform.clearRecord();

    f.setEntry(kRightLowerSpringPadHeight, QString()); // an empty box stays empty

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
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16.25"));
    QCOMPARE(f.text(kLeftUpperBallJointHeight), QStringLiteral("16.25"));
    QCOMPARE(f.text(kRightUpperSpringPadHeight), QStringLiteral("17.25"));
    QCOMPARE(f.text(kRightLowerSpringPadHeight), QString());
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("24")); // X untouched
    QVERIFY(f.changed());

    // The window's activation after the prompt closes refills the boxes
    // from the record, which already holds the moved values.
    f.window->activated();
    QCOMPARE(f.text(kRightUpperBallJointHeight), QStringLiteral("16.25"));

    // Move Out by 5 (the limit is accepted) writes whole values with a point.
    f.platform.answerInput(QStringLiteral("5"));
    f.window->doEdit(EditCode::MoveOut);
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("29."));
    QCOMPARE(f.text(kLeftUpperBallJointX), QStringLiteral("29."));

    // Cancel changes nothing.
    f.platform.answerInput(QString());
    f.window->doEdit(EditCode::MoveLeft);
    QCOMPARE(f.text(kRightUpperBallJointX), QStringLiteral("29."));
}

void TestMainWindowEdits::centreAndCopyCommands()
{
    WorkedWindow f;
    f.platform.answerInput(QStringLiteral("1"));
    f.window->doEdit(EditCode::MoveLeft);
    const double right = f.track(0)->text().toDouble();
    const double left = f.track(2)->text().toDouble();
    QVERIFY(left > right);
    f.window->doEdit(EditCode::CenterOnTrack);
    QVERIFY(qAbs(f.track(0)->text().toDouble() - f.track(2)->text().toDouble()) < 0.11);

    f.setEntry(kRightLowerFramePivotX, QString());
    f.setEntry(kRightSpringRate, QStringLiteral("650"));
    f.window->doEdit(EditCode::CopyRightToLeft);
    QCOMPARE(f.text(kLeftLowerFramePivotX), QString());
    QCOMPARE(f.text(kLeftSpringRate), QStringLiteral("650"));
    QCOMPARE(f.text(kLeftUpperBallJointX), f.text(kRightUpperBallJointX));

    f.setEntry(kLeftStaticCamber, QStringLiteral("1.5"));
    f.setEntry(kLeftHubDistance, QString());
    f.window->doEdit(EditCode::CopyLeftToRight);
    QCOMPARE(f.text(kRightStaticCamber), QStringLiteral("1.5"));
    QCOMPARE(f.text(kRightHubDistance), QString());

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

void TestMainWindowEdits::draggingAPointMovesItsBoxes()
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
    f.settings.change([](Settings &s) { s.entryMode = EntryMode::LengthAndAngle; });
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

QTEST_MAIN(TestMainWindowEdits)
#include "tst_mainwindowedits.moc"

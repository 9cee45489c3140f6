// The layout document as the one owner of the layout (the window tests set
// entries through it and read the boxes): the changed-flag rules; the
// solve's write-backs; files; the camber-follows flag; undo; and the
// crash-recovery copy with a layout recovered from it.
#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/recoverywriter.h"
#include "gui/document/settingsowner.h"
#include "support/namedentries.h"
#include "testing/leftoverwindows.h"
#include "testing/mainwindowfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

class TestLayoutDocument : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void changedFlagRules()
    {
        SettingsOwner settings;
        LayoutDocument document(settings, QString());
        QSignalSpy solves(&document, &LayoutDocument::solved);
        QString message;
        QVERIFY(document.open(exampleFile(QStringLiteral("WORKED.TK")), message));
        QCOMPARE(solves.count(), 1);
        // The solve wrote the arm dimensions back without marking a change.
        QCOMPARE(document.entry(kRightUpperArmLength), QStringLiteral("12.04"));
        QVERIFY(!document.isChanged());

        document.acceptEdit(kRightUpperBallJointX, QStringLiteral("24")); // the text it already had
        QVERIFY(!document.isChanged());
        QCOMPARE(document.state().lastEditedEntry, kRightUpperBallJointX);
        QCOMPARE(solves.count(), 2); // still the redraw request
        // "15." (as the edit commands write it) left as the box writes it,
        // "15", is the same number: no change, no step.
        document.setEntries({ { kRightUpperFramePivotHeight, QStringLiteral("15.") } });
        document.setChanged(false);
        const int steps = document.undoStack().count();
        document.acceptEdit(kRightUpperFramePivotHeight, QStringLiteral("15"));
        QVERIFY(!document.isChanged());
        QCOMPARE(document.undoStack().count(), steps);
        document.acceptEdit(kRightUpperBallJointX, QStringLiteral("24.5"));
        QVERIFY(document.isChanged());

        QTemporaryDir dir;
        QVERIFY(document.save(dir.filePath(QStringLiteral("car.tk"))).ok);
        QVERIFY(!document.isChanged());
        QCOMPARE(document.fileTitle(), QStringLiteral("CAR.TK"));
        // A failed write keeps file, title and flag.
        document.setComment(QStringLiteral("note"));
        QVERIFY(document.isChanged());
        const WriteResult failed = document.save(dir.filePath(QStringLiteral("no/such/dir.tk")));
        QVERIFY(!failed.ok);
        QVERIFY(failed.message.find("dir.tk") != std::string::npos);
        QVERIFY(document.isChanged());
        QCOMPARE(document.fileTitle(), QStringLiteral("CAR.TK"));

        document.newLayout();
        QCOMPARE(document.entry(kRightUpperBallJointX), QString());
        QVERIFY(!document.isChanged());
        QCOMPARE(document.fileTitle(), QStringLiteral("UNTITLED"));
    }

    void camberFollowsAndUndoRestoresEachStep()
    {
        Settings initial;
        initial.camberFollowsEdits = true;
        SettingsOwner settings(initial);
        LayoutDocument document(settings, QString());
        QString message;
        QVERIFY(document.open(exampleFile(QStringLiteral("WORKED.TK")), message));
        QUndoStack &undo = document.undoStack();
        QVERIFY(!undo.canUndo());
        const QString camber = document.entry(Entry::otherSpec(kSideRight, kStaticCamberRow));
        const Entry ubjX = kRightUpperBallJointX;

        // Entered, then another redraw (a spin, a menu command): the camber
        // no longer follows the edit.
        document.boxEntered();
        document.redraw();
        document.acceptEdit(ubjX, QStringLiteral("26"));
        QCOMPARE(document.entry(Entry::otherSpec(kSideRight, kStaticCamberRow)), camber);
        undo.undo();

        // An edit whose redraw moved the static camber: one step for both.
        document.boxEntered();
        document.acceptEdit(ubjX, QStringLiteral("25"));
        QVERIFY(document.entry(Entry::otherSpec(kSideRight, kStaticCamberRow)) != camber);
        // What is shown is of the camber as it now stands, not the one the
        // edit's solve started from.
        const Captions &shown = document.output().captions;
        const double spindle
            = readNumber(
                  document.entry(Entry::otherSpec(kSideRight, kStaticCamberRow)).toStdString())
            + readNumber(shown.kingPinAngle[kSideRight]);
        QVERIFY(qAbs(readNumber(shown.spindleAngle[kSideRight]) - spindle) < 0.011);
        QCOMPARE(undo.undoText(), QStringLiteral("Right Upper Ball Joint X"));
        document.setSuspensionType(SuspensionType::Strut);
        document.setComment(QStringLiteral("strut try"));
        QCOMPARE(undo.count(), 3);
        document.acceptEdit(ubjX, QStringLiteral("25")); // nothing new: no step
        QCOMPARE(undo.count(), 3);

        QSignalSpy boxes(&document, &LayoutDocument::layoutChanged);
        undo.undo();
        undo.undo();
        QVERIFY(document.state().suspensionType == SuspensionType::DoubleAArm);
        QVERIFY(document.state().comment != "strut try");
        QVERIFY(!boxes.isEmpty());
        undo.undo();
        QCOMPARE(document.entry(ubjX), QStringLiteral("24"));
        QCOMPARE(document.entry(Entry::otherSpec(kSideRight, kStaticCamberRow)), camber);
        QVERIFY(!document.isChanged()); // back to the file as read
        QCOMPARE(undo.redoText(), QStringLiteral("Right Upper Ball Joint X"));
        undo.redo();
        QCOMPARE(document.entry(ubjX), QStringLiteral("25"));
        QVERIFY(document.isChanged());

        // Saved, then undone: the layout differs from the file again.
        QTemporaryDir dir;
        QVERIFY(document.save(dir.filePath(QStringLiteral("car.tk"))).ok);
        undo.undo();
        QVERIFY(document.isChanged());
        document.newLayout();
        QVERIFY(!undo.canUndo() && !undo.canRedo());
    }

    void recoveryCopyFollowsTheChangedFlagAndRecovers()
    {
        QTemporaryDir dir; // outlives the documents' lock files
        SettingsOwner settings;
        LayoutDocument document(settings, QString());
        const QString car = dir.filePath(QStringLiteral("CAR.TK"));
        QVERIFY(QFile::copy(exampleFile(QStringLiteral("WORKED.TK")), car));
        QString message;
        QVERIFY(document.open(car, message));
        document.keepRecoveryCopy(dir.filePath(QStringLiteral("data")));
        const QString copy = document.recoveryCopy()->path();

        // Written a moment after a change (never on every keystroke), and
        // gone once the layout is back to its file.
        document.acceptEdit(kRightUpperBallJointX, QStringLiteral("30"));
        QVERIFY(!QFile::exists(copy));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copy), 3 * RecoveryWriter::kDelayMs);
        const RecoveryReadResult kept = readRecoveryFile(copy.toStdString());
        QVERIFY(kept.ok);
        QCOMPARE(QString::fromStdString(kept.data.file), QFileInfo(car).absoluteFilePath());
        QCOMPARE(kept.data.layout.record.get(kRightUpperBallJointX), std::string("30"));
        document.undoStack().undo();
        QVERIFY(!QFile::exists(copy));
        document.undoStack().redo();
        QVERIFY(document.recoveryCopy()->update() && QFile::exists(copy));
        QVERIFY(document.save(car).ok);
        QVERIFY(!QFile::exists(copy));

        // Recovered: the changes, still changed (undo cannot clear that) and
        // still the file's layout, whose Save writes there.
        LayoutDocument later(settings, QString());
        later.recover(kept.data);
        QVERIFY(later.isChanged());
        QCOMPARE(later.currentFile(), QFileInfo(car).absoluteFilePath());
        QCOMPARE(later.fileTitle(), QStringLiteral("CAR.TK"));
        QCOMPARE(later.entry(kRightUpperBallJointX), QStringLiteral("30"));
        later.acceptEdit(kRightUpperFramePivotX, QStringLiteral("7"));
        later.undoStack().undo();
        QVERIFY(later.isChanged());

        // Leaving on purpose removes the copy, and no later change brings it back.
        later.keepRecoveryCopy(dir.filePath(QStringLiteral("data")));
        QVERIFY(later.recoveryCopy()->update());
        const QString laterCopy = later.recoveryCopy()->path();
        QVERIFY(QFile::exists(laterCopy) && laterCopy != copy);
        later.discardRecoveryCopy();
        later.acceptEdit(kRightUpperFramePivotX, QStringLiteral("8"));
        QTest::qWait(RecoveryWriter::kDelayMs + 200);
        QVERIFY(!QFile::exists(laterCopy));
    }
};

QTEST_MAIN(TestLayoutDocument)
#include "tst_layoutdocument.moc"

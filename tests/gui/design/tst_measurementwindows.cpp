// The readings on the car in the windows: pasted into the Measurements
// window (a bad row refused with its row, the set kept), written beside the
// vehicle file and read again when it opens; the measurement sheet printed; the fit run from its
// window and applied as one change that Undo takes back; the sensitivity table of the Design window
// sorted by the size of a column.
#include "core/design/pickupoptimizer.h"
#include "core/layout/entrynumbers.h"
#include "gui/design/measurementowner.h"
#include "gui/design/measurementswindow.h"
#include "gui/design/measurementwindows.h"
#include "gui/design/modelfitwindow.h"
#include "gui/design/pickupoptimizerwindow.h"
#include "support/namedentries.h"
#include "testing/mainwindowfixture.h"
#include "testing/pdffacts.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

// CIRCLE.TK copied to a folder of its own and opened.
struct CarFixture : WindowFixture
{
    QTemporaryDir folder;
    QString car;
    MeasurementWindows windows { platform, *document, settings };

    CarFixture()
    {
        car = folder.filePath(QStringLiteral("CAR.TK"));
        QFile::copy(exampleFile(QStringLiteral("CIRCLE.TK")), car);
        QFile::setPermissions(car, QFile::ReadOwner | QFile::WriteOwner);
        QString message;
        document->open(car, message);
    }
    QString measuredFile() const { return folder.filePath(QStringLiteral("CAR.measured.csv")); }
};

// Readings of the car with the right upper ball joint 0.2 in higher.
const QString kReadings
    = QStringLiteral("0\t-2\t-3.49\t2.34\n0\t2\t-1.63\t0.56\n1\t-2\t-4.55\t1.01\n"
                     "1\t2\t-2.92\t-0.57\n2\t-2\t-5.72\t-0.45\n2\t2\t-4.35\t-1.81\n");

} // namespace

class TestMeasurementWindows : public QObject
{
    Q_OBJECT

private slots:
    void pastedReadingsAreCheckedKeptBesideTheFileAndReadAgain()
    {
        CarFixture f;
        MeasurementsWindow *w = f.windows.openMeasurements(f.window.get());
        const QString bad = QStringLiteral("1\t0\t-1\t\n2\tx\t-1\t1\n");
        w->pasteCommand(&bad);
        QVERIFY2(w->status()->text().startsWith(QStringLiteral("Row 2: the roll 'x'")),
            qPrintable(w->status()->text()));
        QVERIFY(f.windows.owner().get().rows.empty());
        QVERIFY(!QFile::exists(f.measuredFile()));

        w->pasteCommand(&kReadings);
        QCOMPARE(f.windows.owner().get().rows.size(), std::size_t(6));
        QTRY_COMPARE(w->grid()->rowCount(), 7); // and one empty row to type into
        QVERIFY(QFile::exists(f.measuredFile()));

        // The sheet lists the procedure and the six positions with their boxes.
        const QString pdf = f.folder.filePath(QStringLiteral("sheet.pdf"));
        answerPrintToPdf(f.platform, pdf);
        w->printSheetCommand();
        QCOMPARE(readPdfFacts(pdf).pages, 1);
        const QString sheet = pdfText(pdf);
        QVERIFY2(sheet.contains(QStringLiteral("Camber Measurement Sheet"))
                && sheet.contains(QStringLiteral("camber gauge"))
                && sheet.contains(QStringLiteral("-4.55")),
            qPrintable(sheet));

        // A typed cell that does not read keeps the set as it was.
        w->grid()->item(0, 2)->setText(QStringLiteral("abc"));
        QVERIFY(w->status()->text().contains(QStringLiteral("Row 1")));
        QCOMPARE(f.windows.owner().get().rows.front().camber[0], std::optional<double>(-3.49));

        // Opening the file again reads its readings; a refused file leaves none.
        QString message;
        QVERIFY(f.document->open(f.car, message));
        QCOMPARE(f.windows.owner().get().rows.size(), std::size_t(6));
        QFile file(f.measuredFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("dive,roll,camber_right,camber_left\n1,1,1\n");
        file.close();
        QVERIFY(f.document->open(f.car, message));
        QVERIFY(f.windows.owner().get().rows.empty());
        QVERIFY(f.windows.owner().loadMessage().contains(QStringLiteral("Row 2: needs 4 fields")));
        w->close();
    }

    void fitAppliesAsOneChangeThatUndoTakesBack()
    {
        CarFixture f;
        MeasurementSet set = parsePastedMeasurements(kReadings.toStdString()).set;
        QString message;
        QVERIFY(f.windows.owner().set(set, message));
        ModelFitWindow *w = f.windows.openFit(f.window.get());
        w->vary(QStringLiteral("right.upper_ball_joint.y"), 0.25);
        w->startCommand();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 30000);
        QVERIFY(w->hasAnswer());
        QCOMPARE(w->moves()->rowCount(), 1);
        QCOMPARE(w->moves()->item(0, 2)->text(), QStringLiteral("16.20"));
        QVERIFY(w->residualAfter()->text().startsWith(QStringLiteral("0.00")));
        w->applyCommand();
        QCOMPARE(f.document->entry(kRightUpperBallJointHeight), QStringLiteral("16.20"));
        f.document->undoStack().undo();
        QCOMPARE(f.document->entry(kRightUpperBallJointHeight), QStringLiteral("16"));

        // Held to a tenth of an inch the coordinate ends at its edge, flagged.
        w->vary(QStringLiteral("right.upper_ball_joint.y"), 0.1);
        w->startCommand();
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 30000);
        QVERIFY2(w->moves()->item(0, 3)->text().contains(
                     QStringLiteral("probably measured wrong by more than 0.1 in")),
            qPrintable(w->moves()->item(0, 3)->text()));
        w->close();
    }

    void sensitivityTableSortsByTheSizeOfAColumn()
    {
        CarFixture f;
        PickupOptimizerWindow design(f.platform, *f.document, f.settings, f.window.get());
        design.show();
        auto *table = design.findChild<QTableView *>(QStringLiteral("DesignSensitivity"));
        QVERIFY(table);
        QTRY_COMPARE(table->model()->rowCount(), 24);
        const QAbstractItemModel *model = table->model();
        QVERIFY(model->index(23, 0).data().toString().contains(QStringLiteral("spring_pad")));
        table->sortByColumn(1, Qt::DescendingOrder); // rc-height
        double previous = 1e9;
        for (int r = 0; r < model->rowCount(); ++r) {
            const double size = std::abs(model->index(r, 1).data().toString().toDouble());
            QVERIFY(size <= previous + 1e-9);
            previous = size;
        }
        QCOMPARE(model->index(0, 1).data(Qt::BackgroundRole).isValid(), true);
    }
};

QTEST_MAIN(TestMeasurementWindows)
#include "tst_measurementwindows.moc"

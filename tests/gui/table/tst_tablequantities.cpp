// The Camber Table window's other quantities and its differences, as a user
// meets them: the View switch to the roll centre's height and lateral
// position (cells against the main window's own solve, no new sweep, metric
// labels), each quantity's baseline across a close and reopen and a restart
// through the configuration folder (a damaged file set aside), the heat map
// of the difference cells with its legend and its persisted option, the
// colour rule of the printed report, and the CSV export read back.
#include "core/layout/entrynumbers.h"
#include "core/table/baselinefile.h"
#include "core/table/heatscale.h"
#include "core/table/tablecsv.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"
#include "gui/table/heatlegendbar.h"
#include "gui/table/tableoptions.h"
#include "tablefixture.h"
#include "testing/leftoverwindows.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

namespace {

// The switch as a user works it: focused, one step down or up.
void step(CamberTableWindow *table, Qt::Key key)
{
    child<QComboBox>(table, "cboQuantity")->setFocus();
    QTest::keyClick(child<QComboBox>(table, "cboQuantity"), key);
    QApplication::processEvents();
}

// The main window's own solve of one dive and roll.
const EngineOutput &solveAt(TableFixture &f, const QString &dive, const QString &roll)
{
    f.window->setApplyDiveRoll(true);
    f.document->setEntries({ { Entry::dive(), dive }, { Entry::roll(), roll } });
    return f.document->output();
}

QString picture(double value)
{
    return QString::fromStdString(formatPicture(value, "###.00"));
}

} // namespace

class TestTableQuantities : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void switchShowsTheMainWindowsRollCenter();
    void eachQuantityKeepsItsBaseline();
    void heatMapAndLegend();
    void exportsCsv();
};

// Every roll-centre cell is the moved roll centre the main window shows for
// that dive and roll, in inches or millimetres; switching costs no sweep and
// relabels the window and the graph.
void TestTableQuantities::switchShowsTheMainWindowsRollCenter()
{
    TableFixture f;
    CamberTableWindow *table = f.open();
    const int fills = table->fillCount();
    QCOMPARE(child<QLabel>(table, "lblQuantity")->text(), QStringLiteral("Camber, degrees"));
    step(table, Qt::Key_Down);
    QCOMPARE(table->quantity(), TableQuantity::RollCenterHeight);
    QCOMPARE(table->fillCount(), fills);
    QCOMPARE(
        child<QLabel>(table, "lblQuantity")->text(), QStringLiteral("Roll Center Height, inches"));
    QCOMPARE(sideCaption(table, kSideRight)->text(), QStringLiteral(" Right & Left"));
    QVERIFY(!grid(table, kSideLeft)->isVisible()); // one roll centre: one grid
    QCOMPARE(f.cell(kSideRight, 0, 0), QStringLiteral("Dive, inches"));
    const QString height = f.cell(kSideRight, 5, 4); // dive 2, roll 2

    table->setSelection(kSideRight, { 1, 2, 1, 5 });
    table->graph();
    QCOMPARE(f.graphWindow()->graph().yAxisTitle, std::string("Roll Center Height, in"));

    step(table, Qt::Key_Down);
    QCOMPARE(table->quantity(), TableQuantity::RollCenterLateral);
    QCOMPARE(child<QLabel>(table, "lblQuantity")->text(),
        QStringLiteral("Roll Center Lateral, inches (left +)"));
    const QString lateral = f.cell(kSideRight, 5, 4);
    QCOMPARE(table->fillCount(), fills);

    const EngineOutput &out = solveAt(f, QStringLiteral("2"), QStringLiteral("2"));
    QVERIFY(out.movedPass.has_value());
    QCOMPARE(height, picture(out.movedPass->rollCenter.y));
    QCOMPARE(lateral, picture(out.movedPass->rollCenter.x));
    // The main window's caption shows the same point to one decimal.
    const std::string &caption = out.captions.movedRollCenterHeight;
    QVERIFY(std::abs(readNumber(caption.substr(caption.find('=') + 1))
                - readNumber(height.toStdString()))
        <= 0.051);

    step(table, Qt::Key_Up);
    step(table, Qt::Key_Up);
    QCOMPARE(table->quantity(), TableQuantity::Camber);
    QVERIFY(grid(table, kSideLeft)->isVisible());
    QCOMPARE(sideCaption(table, kSideRight)->text(), QStringLiteral(" Right"));

    // Metric layouts: the table's dive and roll centre are millimetres, and say so.
    f.document->setUnits(Units::Metric);
    f.settings.change([](Settings &s) { s.tableSpec = spec("-50.8", "50.8", 1, "-4", "4", 1); });
    f.open();
    table->showQuantity(TableQuantity::RollCenterHeight);
    QCOMPARE(f.cell(kSideRight, 0, 0), QStringLiteral("Dive, mm"));
    QCOMPARE(child<QLabel>(table, "lblQuantity")->text(),
        QStringLiteral("Roll Center Height, millimeters"));
    QCOMPARE(f.rowHeaders().constLast(), QStringLiteral("50.80")); // steps of 1 in, in mm
    const QString cell = f.cell(kSideRight, 5, 5); // dive 50.8 mm, roll 4
    QCOMPARE(cell,
        picture(solveAt(f, QStringLiteral("50.8"), QStringLiteral("4")).movedPass->rollCenter.y));
}

// Each quantity has its own baseline and menu state: the roll centre's in
// the configuration folder across a reopen and a restart, camber's in the
// settings; a change of units converts the stored roll centre.
void TestTableQuantities::eachQuantityKeepsItsBaseline()
{
    QTemporaryDir config;
    const QString settingsFile = config.filePath(QStringLiteral("settings.QMK"));
    QString heightFile;
    QStringList firstHeights;
    // A damaged file is set aside with one message and replaced at the close.
    const QString lateralFile = config.filePath(
        QString::fromStdString(baselineFileName(TableQuantity::RollCenterLateral)));
    QVERIFY(writeFile(lateralFile, "TARVIK-BASELINE,1\r\nquantity,rc-lateral\r\nspec,\"0\r\n"));
    {
        TableFixture f(tableSettings(), {}, config.path());
        CamberTableWindow *table = f.open();
        QCOMPARE(f.platform.messages().size(), 1);
        QVERIFY(f.platform.messageTexts().constFirst().contains(
            QStringLiteral("Roll Center Lateral baseline could not be read")));
        table->showQuantity(TableQuantity::RollCenterHeight);
        firstHeights << f.cell(kSideRight, 1, 1) << f.cell(kSideRight, 5, 5);
        table->close(); // previous-table mode: every quantity keeps its table
        heightFile = table->baselineFilePath(TableQuantity::RollCenterHeight);
        QVERIFY(QFile::exists(heightFile));
        QVERIFY(readBaselineFile(lateralFile.toStdString(), TableQuantity::RollCenterLateral).ok);

        f.raisePivots();
        f.open();
        QCOMPARE(f.platform.messages().size(), 1); // said once
        f.baseline("mnuShowBaseline");
        QCOMPARE(f.rowHeaders().size(), 15);
        QCOMPARE(f.cell(kSideRight, 2, 1), firstHeights[0]);
        QCOMPARE(f.cell(kSideRight, 14, 5), firstHeights[1]);
        QVERIFY(std::abs(readNumber(f.cell(kSideRight, 3, 1).toStdString())) > 0.1);
        // Camber's baseline is its own, still hidden.
        QCOMPARE(f.baselineState().ShowBaseline, 0);
        table->showQuantity(TableQuantity::Camber);
        QCOMPARE(f.rowHeaders().size(), 5);
        emit child<QMenu>(table, "mnuBaseline")->aboutToShow();
        QVERIFY(table->action(QStringLiteral("mnuDontShowBaseline"))->isChecked());
        table->showQuantity(TableQuantity::RollCenterHeight);
        emit child<QMenu>(table, "mnuBaseline")->aboutToShow();
        QVERIFY(table->action(QStringLiteral("mnuShowBaseline"))->isChecked());

        // A saved roll-centre baseline, with its comment.
        f.platform.answerInput(QStringLiteral("raised pivots"));
        f.baseline("mnuSaveBaseline");
        table->close();
        QVERIFY(f.settings.write(settingsFile).ok);
    }
    const BaselineFileResult stored
        = readBaselineFile(heightFile.toStdString(), TableQuantity::RollCenterHeight);
    QVERIFY(stored.ok);
    QCOMPARE(stored.baseline.BaselineComment, std::string("raised pivots"));
    QCOMPARE(stored.baseline.ShowBaseline, 1);

    SettingsOwner restarted;
    QVERIFY(restarted.read(settingsFile));
    TableFixture f(restarted.get(), {}, config.path());
    f.raisePivots();
    CamberTableWindow *table = f.open();
    QCOMPARE(table->quantity(), TableQuantity::Camber); // a new window starts on camber
    table->showQuantity(TableQuantity::RollCenterHeight);
    QCOMPARE(child<QMenu>(table, "mnuBaseline")->title(),
        QStringLiteral("Base&line (show saved results)"));
    for (int r = 3; r < 16; r += 3) {
        QCOMPARE(f.cell(kSideRight, r, 2), QStringLiteral(".00")); // the saved layout again
    }

    // Metric: the stored heights follow into millimetres.
    const QString inches = f.cell(kSideRight, 2, 2);
    f.document->setUnits(Units::Metric);
    table->hideBaselineData();
    const BaselineFileResult metric
        = readBaselineFile(heightFile.toStdString(), TableQuantity::RollCenterHeight);
    QVERIFY(metric.ok);
    QCOMPARE(QString::fromStdString(metric.baseline.BaselineData[kSideRight][0][1]),
        picture(readNumber(inches.toStdString()) * 25.4));
    QCOMPARE(metric.baseline.BaselineSpec.DiveFrom, std::string("-50.8"));
}

// Difference cells take their colour on the table's span, in both grids; the
// legend shows while differences do; the report prints them in colour only;
// the option is kept across runs.
void TestTableQuantities::heatMapAndLegend()
{
    QTemporaryDir config;
    {
        TableFixture f(tableSettings(), {}, config.path());
        CamberTableWindow *table = f.open();
        QVERIFY(table->heatMap());
        QVERIFY(child<HeatLegendBar>(table, "HeatLegend")->isHidden()); // no differences yet
        table->close();
        f.raisePivots();
        f.open();
        f.baseline("mnuShowBaseline");
        QVERIFY(child<HeatLegendBar>(table, "HeatLegend")->isVisible());

        const CamberTable &shown = table->table();
        const double span = tableHeatSpan(shown);
        QVERIFY(span > 1); // the raised pivots change camber by over a degree
        const QAbstractItemModel *model = grid(table, kSideLeft)->model();
        for (const auto &[row, column] : { std::pair { 3, 1 }, std::pair { 15, 5 } }) {
            const double difference = readNumber(f.cell(kSideLeft, row, column).toStdString());
            const HeatColor expected = heatColor(difference, span);
            const QModelIndex cell = model->index(row, column);
            QCOMPARE(model->data(cell, Qt::BackgroundRole).value<QBrush>().color(),
                QColor(expected.r, expected.g, expected.b));
        }
        QVERIFY(!model->data(model->index(2, 1), Qt::BackgroundRole).isValid()); // "(base)"
        // Selected (a fill selects every cell), a heat cell keeps its colour
        // inside the frame the selection draws.
        FrozenGridView *left = grid(table, kSideLeft);
        const QModelIndex heated = model->index(3, 1);
        QVERIFY(left->selectionModel()->isSelected(heated));
        const QRect rect = left->visualRect(heated);
        const QImage shot = left->viewport()->grab().toImage();
        const QColor heat = model->data(heated, Qt::BackgroundRole).value<QBrush>().color();
        QCOMPARE(shot.pixelColor(rect.left() + 6, rect.center().y()), heat);
        QVERIFY(shot.pixelColor(rect.left() + 1, rect.center().y()) != heat);
        QCOMPARE(child<HeatLegendBar>(table, "HeatLegend")->steps().back().text,
            formatPicture(span, "###.00"));

        // The report names its quantity; its heat colours and legend print
        // only on a colour printer.
        table->showQuantity(TableQuantity::RollCenterHeight);
        f.baseline("mnuShowBaseline");
        const auto print = [&](const QString &name, QPrinter::ColorMode mode) {
            const QString pdf = config.filePath(name);
            f.platform.answerInput(QString());
            f.platform.answerPrintDialog(true, [pdf, mode](QPrinter &printer) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                printer.setColorMode(mode);
            });
            table->printReport();
            return pdfText(pdf).simplified();
        };
        const QString colour = print(QStringLiteral("colour.pdf"), QPrinter::Color);
        QVERIFY(colour.contains(QStringLiteral("Roll Center Height, inches")));
        QVERIFY(colour.contains(QStringLiteral("Difference colors, in:")));
        const QString gray = print(QStringLiteral("gray.pdf"), QPrinter::GrayScale);
        QVERIFY(gray.contains(QStringLiteral("Right & Left")));
        QVERIFY(!gray.contains(QStringLiteral("Difference colors")));

        // Off: no colours, no legend, and the choice is kept.
        table->showQuantity(TableQuantity::Camber);
        model = grid(table, kSideLeft)->model();
        table->action(QStringLiteral("mnuHeatMap"))->trigger();
        QVERIFY(!table->heatMap());
        QVERIFY(child<HeatLegendBar>(table, "HeatLegend")->isHidden());
        QVERIFY(!model->data(model->index(3, 1), Qt::BackgroundRole).isValid());
    }
    TableFixture f(tableSettings(), {}, config.path());
    CamberTableWindow *table = f.open();
    QVERIFY(!table->heatMap());
    QVERIFY(!table->action(QStringLiteral("mnuHeatMap"))->isChecked());
    table->action(QStringLiteral("mnuHeatMap"))->trigger();
    TableOptions reread(config.path());
    QVERIFY(reread.heatMap());
}

void TestTableQuantities::exportsCsv()
{
    QTemporaryDir dir;
    TableFixture f;
    f.open()->close();
    CamberTableWindow *table = f.open();
    table->showQuantity(TableQuantity::RollCenterLateral);
    f.baseline("mnuShowBaseline");
    const QString path = dir.filePath(QStringLiteral("lateral.csv"));
    f.platform.answerSaveFile(path);
    table->action(QStringLiteral("mnuExportCsv"))->trigger();
    const PlatformRequest &asked = f.platform.requests().constLast();
    QCOMPARE(asked.file.defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(asked.file.fileName, QStringLiteral("rc-lateral-table.csv"));
    QVERIFY(QFileInfo(asked.file.folder).isDir());

    // The records themselves are the core's and the end-to-end script's business.
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().toStdString(), labelledTableCsv(table->table()));

    // A folder that does not exist: nothing written, and the user is told.
    f.platform.clearRecord();
    f.platform.answerSaveFile(dir.filePath(QStringLiteral("gone/lateral.csv")));
    table->exportCsv();
    QCOMPARE(f.platform.messages().size(), 1);
    QVERIFY(
        f.platform.messageTexts().constFirst().contains(QStringLiteral("could not be written")));
    f.platform.answerSaveFile(QString()); // cancelled: nothing said
    table->exportCsv();
    QCOMPARE(f.platform.messages().size(), 1);
}

QTEST_MAIN(TestTableQuantities)
#include "tst_tablequantities.moc"

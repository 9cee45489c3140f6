// Graphs from the Camber Table: the selection widened to whole baseline
// groups by a real click, the "Graph" command's checks and its limit of 12
// series (message once, not again on a reload), the graph options window's
// choices kept in the settings with the "~" rule and the reload when the
// user leaves it, the point tooltip, each baseline in its line's colour,
// the graph following the table's View, and colour and black-and-white
// prints read back from PDF.
#include "core/table/graphdata.h"
#include "gui/table/graphoptionswindow.h"
#include "gui/table/graphview.h"
#include "tablefixture.h"
#include "testing/leftoverwindows.h"

#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

Q_DECLARE_METATYPE(tarvik::GridSelection)

namespace {

// Dive -2 to 2 by .5: nine entries, roll -4 to 4 by 2: five columns.
Settings nineRows()
{
    return tableSettings(spec("-2", "2", 2, "-4", "4", 1));
}

GraphWindow *graphOf(TableFixture &f, const GridSelection &selection)
{
    f.table()->setSelection(kSideRight, selection);
    f.table()->action(QStringLiteral("mnuGraph"))->trigger();
    return f.graphWindow();
}

// The options window's label boxes: 0 "Plot Title", 1 "Current Run's
// Label", 2 "Baseline Run's Label".
QLineEdit *labelBox(GraphOptionsWindow *options, int index)
{
    const char *names[3] = { "txtPlotTitle", "txtCurrentRunLabel", "txtBaselineRunLabel" };
    return child<QLineEdit>(options, names[index]);
}

// A click on the option's round button, where a user aims.
void choose(GraphOptionsWindow *options, const char *name)
{
    QRadioButton *button = child<QRadioButton>(options, QString::fromLatin1(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void clickCell(FrozenGridView *grid, int row, int column)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestGraphWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void clickWidensToWholeGroupsAndOneColumnIsRefused();
    void seriesLimits_data();
    void seriesLimits();
    void optionsRoundTrip();
    void followsTheTablesView();
    void printsInColourAndBlackAndWhite();

private:
    QTemporaryDir m_dir;
};

void TestGraphWindow::clickWidensToWholeGroupsAndOneColumnIsRefused()
{
    TableFixture f;
    f.showPreviousBaseline();
    f.table()->resize(700, 900);
    FrozenGridView *right = grid(f.table(), kSideRight);
    clickCell(right, 6, 2); // the "Difference" row of the second entry
    QCOMPARE(f.table()->selection(kSideRight), (GridSelection { 4, 6, 2, 2 }));
    clickCell(right, 8, 3); // a "(base)" row
    QCOMPARE(f.table()->selection(kSideRight), (GridSelection { 7, 9, 3, 3 }));
    // The left grid keeps what the user chose there.
    clickCell(grid(f.table(), kSideLeft), 5, 1);
    QCOMPARE(f.table()->selection(kSideLeft), (GridSelection { 5, 5, 1, 1 }));

    // One column is no graph; the left grid must span columns too.
    f.platform.clearRecord();
    QVERIFY(graphOf(f, { 1, 3, 2, 2 }) == nullptr);
    QCOMPARE(f.platform.messageTexts(), QStringList { QString::fromLatin1(kSelectMoreColumns) });
    f.table()->setSelection(kSideLeft, { 1, 1, 4, 4 });
    QVERIFY(graphOf(f, { 1, 3, 2, 4 }) == nullptr);
    QCOMPARE(f.platform.messages().size(), 2);
}

void TestGraphWindow::seriesLimits_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<GridSelection>("selection");
    QTest::addColumn<QStringList>("legends");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("message");
    const QString rows = QString::fromLatin1(kGraphLimitRows);
    const QString groups = QString::fromLatin1(kGraphLimitGroups);
    QTest::newRow("hidden, 2 rows, 2 columns: points repeat")
        << false << GridSelection { 1, 2, 1, 2 }
        << QStringList { "Rt, dive, in = -2.00", "Rt, dive, in = -1.50", "Lt, dive, in = -2.00",
               "Lt, dive, in = -1.50" }
        << 4 << QString();
    QTest::newRow("hidden, 9 rows: first six")
        << false << GridSelection { 1, 9, 1, 5 } << QStringList {} << 12 << rows;
    QTest::newRow("shown, 1 row widened, 3 columns")
        << true << GridSelection { 2, 2, 1, 3 }
        << QStringList { "Rt, dive, in = -2.00 (new)", "Rt, dive, in = -2.00 (base)",
               "Lt, dive, in = -2.00 (new)", "Lt, dive, in = -2.00 (base)" }
        << 4 << QString();
    QTest::newRow("shown, 4 groups: first and last")
        << true << GridSelection { 1, 12, 1, 5 }
        << QStringList { "Rt, dive, in = -2.00 (new)", "Rt, dive, in = -2.00 (base)",
               "Rt, dive, in = -.50 (new)", "Rt, dive, in = -.50 (base)",
               "Lt, dive, in = -2.00 (new)", "Lt, dive, in = -2.00 (base)",
               "Lt, dive, in = -.50 (new)", "Lt, dive, in = -.50 (base)" }
        << 8 << groups;
}

void TestGraphWindow::seriesLimits()
{
    QFETCH(bool, shown);
    QFETCH(GridSelection, selection);
    QFETCH(QStringList, legends);
    QFETCH(int, points);
    QFETCH(QString, message);
    TableFixture f(nineRows());
    if (shown) {
        f.showPreviousBaseline();
    } else {
        f.open();
    }
    f.platform.clearRecord();
    GraphWindow *graph = graphOf(f, selection);
    QVERIFY(graph != nullptr && graph->isVisible());
    QCOMPARE(graph->windowTitle(), QStringLiteral("Graph"));
    QCOMPARE(
        f.platform.messageTexts(), message.isEmpty() ? QStringList() : QStringList { message });
    const GraphData &data = graph->graph();
    QCOMPARE(data.title, std::string("Camber, deg   vs   Roll, deg"));
    QCOMPARE(data.pointCount, points);
    if (!legends.isEmpty()) {
        QStringList shownLegends;
        for (const GraphSeries &series : data.series) {
            shownLegends << QString::fromStdString(series.legend);
        }
        QCOMPARE(shownLegends, legends);
    } else {
        QCOMPARE(data.series.size(), std::size_t(12));
    }
    // Added points repeat the last real one.
    const std::vector<GraphPoint> &first = data.series.front().points;
    const int real = selection.lastColumn - selection.firstColumn + 1;
    QCOMPARE(first.back().x, first[std::size_t(real - 1)].x);
    QCOMPARE(first.back().y, first[std::size_t(real - 1)].y);
    // The chart draws every series, and names the point under the mouse.
    const QList<QAbstractSeries *> drawn = child<GraphView>(graph, "Graph1")->chart()->series();
    QCOMPARE(drawn.size(), int(data.series.size()));
    // Each baseline is dashed in the colour of the line before it; every
    // pair has a colour of its own.
    QSet<QRgb> colours;
    for (int i = 0; i < drawn.size(); ++i) {
        const QPen pen = qobject_cast<QLineSeries *>(drawn[i])->pen();
        colours.insert(pen.color().rgb());
        QCOMPARE(data.series[std::size_t(i)].baseline, shown && i % 2 == 1);
        QCOMPARE(pen.style() == Qt::SolidLine, !data.series[std::size_t(i)].baseline);
        if (data.series[std::size_t(i)].baseline) {
            const QPen line = qobject_cast<QLineSeries *>(drawn[i - 1])->pen();
            QCOMPARE(pen.color().rgb(), line.color().rgb());
        }
    }
    QCOMPARE(colours.size(), shown ? drawn.size() / 2 : drawn.size());
    QVERIFY(child<GraphView>(graph, "Graph1")
                ->pointText(0, QPointF(first[0].x, first[0].y))
                .contains(QStringLiteral("Roll, deg = %1").arg(first[0].x, 0, 'f', 2)));

    // A reload from the options window does not repeat the limit message.
    graph->reload();
    QCOMPARE(f.platform.messages().size(), message.isEmpty() ? 0 : 1);
}

void TestGraphWindow::optionsRoundTrip()
{
    TableFixture f;
    f.showPreviousBaseline();
    GraphWindow *graph = graphOf(f, { 1, 3, 1, 5 });
    child<QAction>(graph, QStringLiteral("mnuOptions"))->trigger();
    GraphOptionsWindow *options = child<GraphOptionsWindow>(graph);
    QTRY_COMPARE(QApplication::activeWindow(), options);
    QCOMPARE(options->windowTitle(), QStringLiteral("Options for Making Graphs"));
    QVERIFY(child<QRadioButton>(options, QStringLiteral("optWhite"))->isChecked());
    QVERIFY(!labelBox(options, 0)->isEnabled());

    for (const char *name : { "optBlack", "optThick", "optColor", "optGivenLabels" }) {
        choose(options, name);
    }
    QVERIFY(labelBox(options, 0)->isEnabled());
    const char *typed[3] = { "Shim test", "after", "before" };
    for (int i = 0; i < 3; ++i) {
        labelBox(options, i)->selectAll();
        QTest::keyClicks(labelBox(options, i), QString::fromLatin1(typed[i]));
    }
    // Back to the graph without OK: the labels are stored and shown.
    graph->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), graph);
    QCOMPARE(graph->graph().title, std::string("Camber:  Shim test"));
    QCOMPARE(graph->graph().series[1].legend, std::string("Rt, dive, in = -2.00 (before)"));
    QVERIFY(graph->look().blackBackground && graph->look().thickLines);

    // "~" keeps a stored label when going back to the standard ones, and
    // leaving the window afterwards does not store the "~" itself.
    options->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), options);
    labelBox(options, 0)->setText(QStringLiteral("~"));
    labelBox(options, 1)->setText(QStringLiteral("later"));
    choose(options, "optStandardLabels");
    QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("cmdOk")), Qt::LeftButton);
    QTRY_VERIFY(!options->isVisible());
    const GraphOptions &stored = f.settings.get().graph;
    QCOMPARE(stored.plotTitle, std::string("Shim test"));
    QCOMPARE(stored.currentRunLabel, std::string("later"));
    QCOMPARE(graph->graph().title, std::string("Camber, deg   vs   Roll, deg"));
    // Kept as settings; their file's round trip is the core's test.
    QCOMPARE(stored.background, 0);
    QCOMPARE(stored.thickLines, 1);
    QCOMPARE(stored.printColor, 1);

    // Opened again after a black-and-white print: the window shows the
    // settings as they now are, and the stored title, not the "~".
    answerPrintToPdf(f.platform, m_dir.filePath(QStringLiteral("options.pdf")));
    child<QAction>(graph, QStringLiteral("mnuPrintBlackWhite"))->trigger();
    child<QAction>(graph, QStringLiteral("mnuOptions"))->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), options);
    QVERIFY(child<QRadioButton>(options, QStringLiteral("optBlackWhite"))->isChecked());
    QVERIFY(child<QRadioButton>(options, QStringLiteral("optStandardLabels"))->isChecked());
    QCOMPARE(labelBox(options, 0)->text(), QStringLiteral("Shim test"));
    QVERIFY(!labelBox(options, 0)->isEnabled());

    // Closing the graph closes its options window.
    graph->openOptions();
    QPointer<GraphOptionsWindow> open = child<GraphOptionsWindow>(graph);
    child<QAction>(graph, QStringLiteral("mnuBack"))->trigger();
    QTRY_VERIFY(open.isNull() || !open->isVisible());
}

void TestGraphWindow::followsTheTablesView()
{
    TableFixture f;
    f.open();
    QPointer<GraphWindow> graph = graphOf(f, { 2, 3, 1, 5 });
    f.table()->setSelection(kSideRight, { 1, 1, 1, 1 }); // the graph keeps its own rows
    f.table()->showQuantity(TableQuantity::RollCenterHeight);
    QVERIFY(graph && graph->isVisible());
    QCOMPARE(graph->graph().yAxisTitle, std::string("Roll Center Height, in"));
    QCOMPARE(graph->graph().series.size(), std::size_t(2)); // the rows once
    QCOMPARE(graph->graph().series[0].legend, std::string("RC, dive, in = -1.00"));

    // Fifteen rows with the camber baseline shown do not fit the roll
    // centre's five: the graph closes.
    f.table()->showQuantity(TableQuantity::Camber);
    f.showPreviousBaseline();
    graph = graphOf(f, { 1, 15, 1, 5 });
    QVERIFY(graph && graph->graph().series.size() == 8);
    f.table()->showQuantity(TableQuantity::RollCenterLateral);
    QTRY_VERIFY(graph.isNull() || !graph->isVisible());
}

void TestGraphWindow::printsInColourAndBlackAndWhite()
{
    TableFixture f;
    f.open();
    GraphWindow *graph = graphOf(f, { 2, 3, 1, 5 });
    const auto printTo = [&](const QString &pdf, const char *item) {
        answerPrintToPdf(f.platform, pdf);
        child<QAction>(graph, QString::fromLatin1(item))->trigger();
        QCOMPARE(readPdfFacts(pdf).pages, 1);
        const QString text = pdfText(pdf).simplified();
        QVERIFY(text.contains(QStringLiteral("Camber, deg vs Roll, deg")));
        QVERIFY(text.contains(QStringLiteral("Lt, dive, in = .00")));
    };
    QVERIFY(!graph->look().patternedLines);
    printTo(m_dir.filePath(QStringLiteral("bw.pdf")), "mnuPrintBlackWhite");
    QCOMPARE(f.settings.get().graph.printColor, 0);
    // Patterned lines stay on, and a later colour print keeps them.
    QVERIFY(graph->look().patternedLines);
    printTo(m_dir.filePath(QStringLiteral("colour.pdf")), "mnuPrintColor");
    QCOMPARE(f.settings.get().graph.printColor, 1);
    QVERIFY(graph->look().patternedLines);
    // A cancelled print dialog prints nothing and asks nothing more.
    f.platform.answerPrintDialog(false);
    child<QAction>(graph, QStringLiteral("mnuPrintColor"))->trigger();
    QCOMPARE(f.platform.messages().size(), 0);
}

QTEST_MAIN(TestGraphWindow)
#include "tst_graphwindow.moc"

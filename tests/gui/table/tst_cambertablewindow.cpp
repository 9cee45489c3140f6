// The Camber Table window driven as a user drives it: "Table & Graph" from
// the main window, fills in both orientations (awkward ranges are the golden
// files' business), the refill when the table specs change, the baseline in both modes across a
// close and reopen and across a restart through the settings file, the spec
// mismatch, saving while the baseline is shown, the two Cancel rules, the
// geometry warning once per fill, minimising the main window, and the
// printed report read back from a PDF.
#include "core/geometry/engine.h"
#include "core/layout/specrecord.h"
#include "core/table/baseline.h"
#include "core/table/reporttext.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"
#include "tablefixture.h"
#include "testing/leftoverwindows.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace tarvik;
using namespace tarvik::gui;
using namespace tarvik::gui::testing;

class TestCamberTableWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { tarvik::gui::testing::failOnLeftoverWindows(); }
    void fills_data();
    void fills();
    void refillsWhenSpecsChange();
    void previousBaselineAcrossReopenAndRestart();
    void savedBaselineCancelsAndMismatch();
    void geometryWarningOncePerFillAndMinimising();
    void reportPrints();

private:
    QTemporaryDir m_dir;
};

void TestCamberTableWindow::fills_data()
{
    QTest::addColumn<TableSpec>("spec");
    QTest::addColumn<QString>("corner");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("columns");
    const QStringList fiveRoll { "-4.00", "-2.00", ".00", "2.00", "4.00" };
    QTest::newRow("rows dive") << spec("-2", "2", 1, "-4", "4", 1) << "Dive, inches"
                               << "Roll, degrees"
                               << QStringList { "-2.00", "-1.00", ".00", "1.00", "2.00" }
                               << fiveRoll;
    QTest::newRow("rows roll") << spec("0", "1", 2, "-4", "4", 1, 1) << "Roll, deg"
                               << "Dive, inches" << fiveRoll
                               << QStringList { ".00", ".50", "1.00" };
}

// Every cell is what the main window shows for that dive and roll, and the
// main window's own dive, roll and switch come through the sweep untouched,
// redrawn once.
void TestCamberTableWindow::fills()
{
    QFETCH(TableSpec, spec);
    TableFixture f(tableSettings(spec));
    f.setEntry(kDiveEntry, QStringLiteral(".5"));
    f.setEntry(kRollEntry, QStringLiteral("1"));
    const LayoutState before = f.document->state();
    QSignalSpy solves(f.document.get(), &LayoutDocument::solved);

    CamberTableWindow *table = f.open();
    QVERIFY(table->isVisible());
    QCOMPARE(table->windowTitle(), QStringLiteral("Camber Table"));
    QCOMPARE(solves.count(), 1);
    for (int entry = 0; entry <= kRollEntry; ++entry) {
        QCOMPARE(f.document->state().record.get(entry), before.record.get(entry));
    }
    QCOMPARE(f.document->state().applyDiveRoll, before.applyDiveRoll);
    QVERIFY(!f.changed());

    QFETCH(QString, corner);
    QFETCH(QString, caption);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, columns);
    for (int side : { kSideRight, kSideLeft }) {
        QCOMPARE(f.cell(side, 0, 0), corner);
        QCOMPARE(columnCaption(table, side)->text(), caption);
        QCOMPARE(f.rowHeaders(side), rows);
        QCOMPARE(grid(table, side)->model()->columnCount(), columns.size() + 1);
        for (int c = 0; c < columns.size(); ++c) {
            QCOMPARE(f.cell(side, 0, c + 1), columns[c]);
        }
    }

    // The last cell against the main window's own solve of its dive and roll.
    const bool rowsRoll = spec.rowsRoll();
    const QString rowValue = rows.constLast(), columnValue = columns.constLast();
    f.window->setApplyDiveRoll(true);
    f.document->setEntries({ { Entry::dive(), rowsRoll ? columnValue : rowValue },
        { Entry::roll(), rowsRoll ? rowValue : columnValue } });
    for (int side : { kSideRight, kSideLeft }) {
        QCOMPARE(f.cell(side, rows.size(), columns.size()),
            QString::fromStdString(
                formatPicture(f.document->output().camber[std::size_t(side)], "###.00")));
    }
}

void TestCamberTableWindow::refillsWhenSpecsChange()
{
    bool specsOpened = false;
    TableFixture f(tableSettings(), [&] { specsOpened = true; });
    CamberTableWindow *table = f.open();
    table->action(QStringLiteral("mnuTableSpecs"))->trigger();
    QVERIFY(specsOpened);

    // The table-spec window accepts new specs; the table notices when the
    // user comes back to it, and only then.
    f.settings.change([](Settings &s) { s.tableSpec.RollIncIndex = 2; });
    const int fills = table->fillCount();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QCOMPARE(table->fillCount(), fills);
    table->activateWindow();
    QTRY_COMPARE(table->fillCount(), fills + 1);
    QCOMPARE(grid(table, kSideRight)->model()->columnCount(), 10);

    // Without a table-spec window the item says so instead of doing nothing.
    TableFixture bare;
    QAction *specs = bare.open()->action(QStringLiteral("mnuTableSpecs"));
    QVERIFY(!specs->isEnabled());
    QVERIFY(!specs->toolTip().isEmpty());
}

// Previous-table mode: the table closed before the change is the baseline
// of the one after, across a reopen and across a restart.
void TestCamberTableWindow::previousBaselineAcrossReopenAndRestart()
{
    const QString settingsFile = m_dir.filePath(QStringLiteral("previous.QMK"));
    QStringList firstTable;
    {
        TableFixture f;
        f.open();
        firstTable << f.cell(kSideRight, 2, 3) << f.cell(kSideLeft, 5, 1);
        f.table()->close();
        QCOMPARE(f.baselineState().BaselineSpec, standardTableSpec());
        f.raisePivots();
        f.open();
        QCOMPARE(child<QMenu>(f.table(), "mnuBaseline")->title(),
            QStringLiteral("Base&line (hide previous results)"));
        f.baseline("mnuShowBaseline");
        QCOMPARE(child<QMenu>(f.table(), "mnuBaseline")->title(),
            QStringLiteral("Base&line (show previous results)"));
        QVERIFY(f.table()->action(QStringLiteral("mnuShowBaseline"))->isChecked());
        QVERIFY(f.table()->action(QStringLiteral("mnuPreviousBaseline"))->isChecked());
        QVERIFY(!f.table()->action(QStringLiteral("mnuSavedIsBaseline"))->isChecked());

        QCOMPARE(f.rowHeaders().size(), 15);
        QCOMPARE(f.rowHeaders().mid(3, 3),
            (QStringList { "-1.00 (new)", "-1.00 (base)", "Difference" }));
        QCOMPARE(f.cell(kSideRight, 5, 3), firstTable[0]); // entry 1's base row
        QCOMPARE(f.cell(kSideLeft, 14, 1), firstTable[1]);
        const auto number
            = [&f](int row) { return readNumber(f.cell(kSideRight, row, 3).toStdString()); };
        QVERIFY(std::abs(number(6) - (number(4) - number(5))) <= 0.01);
        QVERIFY(std::abs(number(6)) > 0.1);
        f.table()->close(); // the changed table becomes the baseline
        QVERIFY(f.settings.write(settingsFile).ok);
    }
    SettingsOwner restarted;
    QVERIFY(restarted.read(settingsFile));
    QCOMPARE(restarted.get().baseline.ShowBaseline, 1);
    TableFixture f(restarted.get());
    f.raisePivots();
    f.open();
    // Same layout as the baseline: every difference is zero.
    for (int r = 3; r < 16; r += 3) {
        QCOMPARE(f.cell(kSideRight, r, 2), QStringLiteral(".00"));
    }
}

// Saved mode and the two Cancel rules: saving while the baseline is shown
// copies the "(new)" rows; the saved baseline outlives layout changes; a
// changed increment hides it with the mismatch message.
void TestCamberTableWindow::savedBaselineCancelsAndMismatch()
{
    TableFixture f;
    f.showPreviousBaseline();
    QCOMPARE(f.rowHeaders().size(), 15);
    // In previous mode the comment item only explains.
    f.baseline("mnuBaselineComment");
    QCOMPARE(f.platform.messageTexts().constLast(), QString::fromLatin1(kCommentOnlyWhenSaved));
    // A cancelled save comment abandons the save: nothing saved, no question.
    const BaselineState before = f.baselineState();
    f.platform.answerInputCancelled();
    f.baseline("mnuSavedIsBaseline");
    QCOMPARE(f.baselineState(), before);
    QCOMPARE(f.platform.pendingAnswers(), 0);

    f.platform.clearRecord();
    f.platform.answerInput(QStringLiteral("stock pivots"));
    f.baseline("mnuSaveBaseline");
    QCOMPARE(f.platform.messageTexts().constFirst(),
        QStringLiteral("The current Table's '(new)' data will be saved as a Baseline."));
    QCOMPARE(f.baselineState().BaselineIsSaved, 1);
    QCOMPARE(f.baselineState().BaselineComment, std::string("stock pivots"));
    QCOMPARE(child<QMenu>(f.table(), "mnuBaseline")->title(),
        QStringLiteral("Base&line (show saved results)"));
    for (int r = 1; r < 15; r += 3) {
        QCOMPARE(f.cell(kSideLeft, r + 1, 4), f.cell(kSideLeft, r, 4));
        QVERIFY(std::abs(readNumber(f.cell(kSideLeft, r + 2, 4).toStdString())) <= 0.005);
    }
    const QString saved = f.cell(kSideRight, 1, 1);

    // Closing in saved mode keeps the saved table; a changed layout differs from it.
    f.table()->close();
    f.raisePivots();
    f.open();
    QCOMPARE(f.cell(kSideRight, 2, 1), saved);
    QVERIFY(f.cell(kSideRight, 1, 1) != saved);

    // New increments: the baseline no longer fits and is hidden, with the
    // saved-mode instruction.
    f.settings.change([](Settings &s) { s.tableSpec.RollIncIndex = 2; });
    f.platform.clearRecord();
    f.window->action(QStringLiteral("mnuTable"))->trigger();
    QTRY_COMPARE(f.platform.messages().size(), 1);
    QCOMPARE(f.platform.messageTexts().constFirst(),
        QString::fromStdString(baselineMismatchMessage(f.baselineState())));
    QVERIFY(f.platform.messageTexts().constFirst().contains(
        QStringLiteral("click on 'Baseline' and then click on 'Save this Data as Baseline'.")));
    QCOMPARE(f.baselineState().ShowBaseline, 0);
    QCOMPARE(f.rowHeaders().size(), 5);

    // Saved anew with the baseline hidden: two questions, no show question.
    f.platform.clearRecord();
    f.platform.answerMessage(MessageAnswer::Yes); // "Save New Baseline?" in saved mode
    f.platform.answerInput(QStringLiteral("kept"));
    f.baseline("mnuSavedIsBaseline");
    QCOMPARE(f.platform.pendingAnswers(), 0);
    QCOMPARE(f.platform.messages().size(), 2); // the question and the note
    QCOMPARE(f.platform.messages().constFirst().title, QString::fromLatin1(kSaveNewBaselineTitle));
    // A cancelled comment input keeps the comment; an empty OK empties it.
    f.platform.answerInputCancelled();
    f.baseline("mnuBaselineComment");
    QCOMPARE(f.platform.requests().constLast().defaultText, QStringLiteral("kept"));
    QCOMPARE(f.baselineState().BaselineComment, std::string("kept"));
    f.platform.answerInput(QString());
    f.baseline("mnuBaselineComment");
    QCOMPARE(f.baselineState().BaselineComment, std::string());
}

// Dive far beyond what the arms allow: many cells fail, one warning.
void TestCamberTableWindow::geometryWarningOncePerFillAndMinimising()
{
    TableFixture f(tableSettings(spec("18", "24", 0, "-4", "4", 0)));
    f.open();
    QVERIFY(f.table()->table().warningCells > 1);
    const auto warnings = [&f] {
        int count = 0;
        for (const PlatformRequest &m : f.platform.messages()) {
            count += m.title == QString::fromLatin1(kGeometryWarningTitle) ? 1 : 0;
        }
        return count;
    };
    QCOMPARE(warnings(), 1);
    f.baseline("mnuDontShowBaseline"); // a second fill
    QCOMPARE(warnings(), 2);

    // Minimising the main window closes the table, its graph and the graph's options.
    f.table()->setSelection(kSideRight, { 1, 1, 1, 3 });
    f.table()->graph();
    QPointer<GraphWindow> graph = f.graphWindow();
    QVERIFY(graph && graph->isVisible());
    graph->openOptions();
    f.window->showMinimized();
    QTRY_VERIFY(graph.isNull());
    QVERIFY(!f.table()->isVisible());
    // Closing ran the previous-table rule.
    QCOMPARE(f.baselineState().BaselineSpec, f.settings.get().tableSpec);
}

void TestCamberTableWindow::reportPrints()
{
    // Five entries: one page, both tables with their headers.
    TableFixture f;
    f.open();
    const QString pdf = m_dir.filePath(QStringLiteral("table.pdf"));
    const QString text = f.printReport(pdf, QStringLiteral("after the shim change"));
    QCOMPARE(f.platform.requests().constFirst().title, QString::fromLatin1(kReportCommentTitle));
    QCOMPARE(readPdfFacts(pdf).pages, 1);
    const QString flat = text.simplified(); // the PDF keeps no runs of blanks
    for (const char *expected : { "Tarvik - Quellmark Inc. - Camber, degrees",
             "Vehicle File:", "Report Comment: after the shim change",
             "Worked example: symmetric double A-arm layout.", "Right", "Left", "Roll, degrees" }) {
        QVERIFY2(flat.contains(QString::fromLatin1(expected)), expected);
    }
    QVERIFY(QRegularExpression(
        QStringLiteral("Time: \\d\\d:\\d\\d:\\d\\d:[ap]m Date: \\d\\d:\\d\\d:\\d{4}"))
                .match(flat)
                .hasMatch());
    QCOMPARE(text.count(QStringLiteral("Dive, inches")), 2);
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("(?m)^\\s*-1\\.00\\s+"))), 2);

    QVERIFY(!flat.contains(QStringLiteral("Baseline Comment:")));

    // Ten entries with a saved baseline: 31 rows a side, its comment on the
    // first page, the left table on a second page marked "cont.", and no
    // report comment line when none.
    TableFixture big(tableSettings(spec("-2.25", "2.25", 2, "-5", "5", 2)));
    big.showPreviousBaseline();
    big.platform.answerInput(QStringLiteral("soft springs, stock pivots"));
    big.baseline("mnuSaveBaseline");
    QCOMPARE(big.rowHeaders().size(), 30);
    const QString longPdf = m_dir.filePath(QStringLiteral("baseline.pdf"));
    const QString longText = big.printReport(longPdf);
    QCOMPARE(readPdfFacts(longPdf).pages, 2);
    QVERIFY(!longText.contains(QStringLiteral("Report Comment:")));
    const QStringList pages = longText.split(QChar(u'\f'));
    QVERIFY(
        !pages[0].contains(QStringLiteral("cont.")) && pages[0].contains(QStringLiteral("Right")));
    QVERIFY(pages[0].simplified().contains(
        QStringLiteral("Baseline Comment: soft springs, stock pivots")));
    QVERIFY(
        pages[1].contains(QStringLiteral("cont.")) && pages[1].contains(QStringLiteral("Left")));
    // Ten rows, and the heat map's legend under the last table.
    QCOMPARE(pages[1].count(QStringLiteral("Difference")), 11);
    QVERIFY(pages[1].contains(QStringLiteral("Difference colors, deg:")));
}

QTEST_MAIN(TestCamberTableWindow)
#include "tst_cambertablewindow.moc"

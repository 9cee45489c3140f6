// frmGrid, the Camber Table window: its widgets, the fill and the commands;
// see cambertablewindow.h. The grids are filled in cambertablegrids.cpp.
#include "gui/table/cambertablewindow.h"

#include "core/geometry/engine.h"
#include "core/geometry/engineinputbuilder.h"
#include "core/layout/maintexts.h"
#include "core/support/helptopic.h"
#include "core/table/baseline.h"
#include "core/table/reporttext.h"
#include "gui/common/screenplacement.h"
#include "gui/design/measurementowner.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/platform/platform.h"
#include "gui/support/helpwindow.h"
#include "gui/table/cambertablemenus.h"
#include "gui/table/cambertablemodel.h"
#include "gui/table/frozengridview.h"
#include "gui/table/heatcelldelegate.h"
#include "gui/table/heatlegendbar.h"
#include "gui/table/tablecsvexport.h"
#include "gui/table/tablereportprinter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// The hourglass while a command computes; restored however it ends.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

CamberTableWindow::CamberTableWindow(Platform &platform, const DataFolder &data,
    SettingsOwner &settings, LayoutDocument &document, QPrinter &printer,
    std::function<void()> openTableSpecs, const QString &configDir, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_data(data)
    , m_settings(settings)
    , m_document(document)
    , m_printer(printer)
    , m_openTableSpecs(std::move(openTableSpecs))
    , m_options(configDir)
    , m_quantityBaselines(m_options)
    , m_spec(settings.get().tableSpec)
    , m_baseline(settings.get().baseline)
    , m_dialogs(platform, this)
    , m_session(
          m_spec, m_baseline,
          [this](const TableSpec &spec, const BaselineState &baseline) {
              return sweep(spec, baseline);
          },
          m_dialogs)
    , m_baselineCommands(m_session)
{
    setObjectName(QStringLiteral("frmGrid"));
    setWindowTitle(QStringLiteral("Camber Table"));
    keepOnScreen(this);
    for (const TableQuantity q :
        { TableQuantity::RollCenterHeight, TableQuantity::RollCenterLateral }) {
        m_session.setQuantityBaseline(q, m_quantityBaselines.baseline(q));
    }

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(buildQuantityRow(central));
    const char *sideCaptions[2] = { " Right", " Left" };
    for (int side : { kSideRight, kSideLeft }) {
        const auto s = static_cast<std::size_t>(side);
        auto *captions = new QHBoxLayout;
        captions->setSpacing(0);
        m_sideCaptions[s] = new QLabel(QString::fromLatin1(sideCaptions[s]), central);
        m_sideCaptions[s]->setObjectName(QStringLiteral("Label2_%1").arg(side));
        QFont bold = m_sideCaptions[s]->font();
        bold.setBold(true);
        m_sideCaptions[s]->setFont(bold);
        m_columnCaptions[s] = new QLabel(central);
        m_columnCaptions[s]->setObjectName(QStringLiteral("Label1_%1").arg(side));
        captions->addWidget(m_sideCaptions[s]);
        captions->addWidget(m_columnCaptions[s], 1);
        layout->addLayout(captions);

        m_models[s] = new CamberTableModel(side, this);
        m_grids[s] = new FrozenGridView(central);
        m_grids[s]->setObjectName(QStringLiteral("Grid1_%1").arg(side));
        // Named so the end-to-end test can find the cells by their fixed row and column.
        m_grids[s]->frozenRow()->setObjectName(QStringLiteral("Grid1_%1_HeaderRow").arg(side));
        m_grids[s]->frozenColumn()->setObjectName(
            QStringLiteral("Grid1_%1_HeaderColumn").arg(side));
        m_grids[s]->setModel(m_models[s]);
        m_grids[s]->setItemDelegate(new HeatCellDelegate(m_grids[s]));
        const int rowHeight = m_grids[s]->fontMetrics().height() + 6;
        m_grids[s]->verticalHeader()->setDefaultSectionSize(rowHeight);
        // A light selection keeps the selected numbers readable: after a fill
        // the whole table is selected.
        QPalette palette = m_grids[s]->palette();
        for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
            palette.setColor(group, QPalette::Highlight, QColor(0xc8, 0xdc, 0xf5));
            palette.setColor(group, QPalette::HighlightedText, Qt::black);
        }
        m_grids[s]->setPalette(palette);
        layout->addWidget(m_grids[s], 1);
        connect(m_grids[s]->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CamberTableWindow::widenRightSelection);
    }
    m_legend = new HeatLegendBar(central);
    m_legend->setObjectName(QStringLiteral("HeatLegend"));
    layout->addWidget(m_legend, 0, Qt::AlignLeft);
    layout->addStretch(0);
    setCentralWidget(central);
    m_baselineMenu = buildCamberTableMenus(*this, bool(m_openTableSpecs));
    resize(540, 600);
    m_grids[kSideRight]->setFocus(); // arrow keys move in the grid, not the switch
    showTable();
}

QLayout *CamberTableWindow::buildQuantityRow(QWidget *central)
{
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("&View:"), central);
    m_quantityBox = new QComboBox(central);
    m_quantityBox->setObjectName(QStringLiteral("cboQuantity"));
    m_quantityBox->setFocusPolicy(Qt::StrongFocus); // a passing wheel does not switch
    for (const TableQuantity q : kTableQuantities) {
        m_quantityBox->addItem(qs(std::string(tableQuantityName(q))), quantityIndex(q));
    }
    label->setBuddy(m_quantityBox);
    m_quantityCaption = new QLabel(central);
    m_quantityCaption->setObjectName(QStringLiteral("lblQuantity"));
    connect(m_quantityBox, &QComboBox::activated, this, [this](int index) {
        showQuantity(static_cast<TableQuantity>(m_quantityBox->itemData(index).toInt()));
    });
    row->addWidget(label);
    row->addWidget(m_quantityBox);
    row->addSpacing(12);
    row->addWidget(m_quantityCaption, 1);
    return row;
}

CamberTableWindow::~CamberTableWindow()
{
    // The models point into the session's table, which goes first.
    for (CamberTableModel *model : m_models) {
        model->setTable(nullptr);
    }
}

QAction *CamberTableWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

template <class Command> void CamberTableWindow::run(Command &&command)
{
    if (m_busy) {
        return;
    }
    m_busy = true;
    m_spec = m_settings.get().tableSpec;
    m_baseline = m_settings.get().baseline;
    m_quantityBaselines.followUnits(m_document.state().units);
    command();
    if (m_baseline != m_settings.get().baseline) {
        m_settings.change([this](Settings &s) { s.baseline = m_baseline; });
    }
    const QStringList failures = m_quantityBaselines.writeChanged();
    m_busy = false;
    showTable();
    for (const QString &failure : failures) {
        m_platform.message(this, QStringLiteral("Baseline Not Saved"), failure, MessageButtons::Ok,
            MessageIcon::Exclamation);
    }
}

CamberTable CamberTableWindow::sweep(const TableSpec &spec, const BaselineState &baseline)
{
    CamberTable table;
    {
        BusyCursor busy;
        SolveOptions options;
        options.withScene = false;
        options.withCaptions = false;
        // The document's layout as it stands; the sweep works on a copy of
        // its entries, so the record and the main window's boxes stay as
        // they are and only a redraw of the main view follows.
        const EngineInput layout = buildEngineInput(m_document.state(), m_settings.get(), options);
        table = fillCamberTable(spec, layout, baseline);
        m_document.redraw();
    }
    ++m_fills;
    ++m_tableVersion;
    m_warningDue = table.warningCells > 0;
    return table;
}

void CamberTableWindow::showQuantity(TableQuantity quantity)
{
    const bool switching = quantity != m_session.quantity();
    if (switching) {
        run([&] {
            m_session.showQuantity(quantity);
            ++m_tableVersion;
        });
    }
    // The switch follows what is shown, also when a busy window refused.
    const QSignalBlocker quiet(m_quantityBox);
    m_quantityBox->setCurrentIndex(m_quantityBox->findData(quantityIndex(m_session.quantity())));
    if (switching && quantity == m_session.quantity()) {
        emit quantityShown();
    }
}

const BaselineState &CamberTableWindow::shownBaseline() const
{
    // Camber's lives in the settings; the window's copy is taken per command.
    return m_session.quantity() == TableQuantity::Camber ? m_settings.get().baseline
                                                         : m_session.baseline();
}

QString CamberTableWindow::baselineFilePath(TableQuantity quantity) const
{
    return m_quantityBaselines.filePath(quantity);
}

void CamberTableWindow::showTable()
{
    m_baselineMenu->setTitle(qs(m_session.menuCaption()).replace(0, 4, QStringLiteral("Base&")));
    const CamberTable &table = m_session.table();
    if (m_shownVersion != m_tableVersion) {
        m_shownVersion = m_tableVersion;
        showGrids(table);
    }
    const bool metric
        = m_session.filled() ? table.metric : m_document.state().units == Units::Metric;
    m_quantityCaption->setText(qs(std::string(tableQuantityCaption(m_session.quantity(), metric))));
    showHeatMap();
    if (m_warningDue) {
        // Once per fill, above the finished table, however many cells failed.
        m_warningDue = false;
        m_platform.message(this, QString::fromLatin1(kGeometryWarningTitle),
            qs(geometryWarningText()), MessageButtons::Ok, MessageIcon::Exclamation);
    }
    showNotes();
}

void CamberTableWindow::exportCsv()
{
    if (m_busy) {
        return;
    }
    m_busy = true;
    // The last export's folder, else the documents folder, else home: a
    // folder that is gone would leave the dialog naming a path in it.
    QString folder = m_options.exportFolder();
    for (const QString &candidate :
        { QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath() }) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            break;
        }
        folder = candidate;
    }
    const QString written = exportTableCsv(m_platform, this, table(), folder);
    if (!written.isEmpty()) {
        m_options.setExportFolder(QFileInfo(written).absolutePath());
    }
    m_busy = false;
}

void CamberTableWindow::requestRefill()
{
    m_session.requestRefill();
}

void CamberTableWindow::activated()
{
    if (m_busy) {
        return;
    }
    m_spec = m_settings.get().tableSpec;
    if (!m_session.refillDueOnActivation()) {
        return;
    }
    // Let the window show itself before the sweep holds the event loop.
    m_busy = true;
    QApplication::processEvents();
    m_busy = false;
    run([this] {
        if (m_session.needsRefill()) {
            m_session.fill();
        }
    });
}

void CamberTableWindow::runBaselineItem(BaselineItem item)
{
    run([this, item] {
        TableAnswers answers;
        for (;;) {
            const BaselineStep step = m_baselineCommands.next(item, answers);
            for (const std::string &note : step.notes) {
                m_dialogs.note(note);
            }
            if (!step.question) {
                break;
            }
            answers.push_back(m_dialogs.ask(*step.question));
        }
        m_baselineCommands.finish(item, answers);
    });
}

void CamberTableWindow::printReport()
{
    run([this] {
        // Printing goes on with an empty comment when the input is cancelled.
        const QString comment = m_platform.inputText(this, QString::fromLatin1(kReportCommentTitle),
            QString::fromLatin1(kReportCommentPrompt), QString());
        const ReportClock clock = reportClock(QDateTime::currentDateTime());
        TableReportInput input;
        input.timeText = clock.time;
        input.dateText = clock.date;
        input.reportComment = comment.toStdString();
        input.vehicleComment = m_document.state().comment;
        input.vehicleFile = m_document.fileTitle().toStdString();
        input.baselineComment = printedBaselineComment(m_session.baseline());
        // Coloured only on a colour printer (printTableReport's rule).
        input.heatColors = m_options.heatMap();
        const PrintOutcome outcome = m_platform.printPreview(this, m_printer,
            [&](QPrinter &target) { return printTableReport(target, m_session.table(), input); });
        if (outcome == PrintOutcome::Failed) {
            m_platform.message(this, QString::fromLatin1(maintexts::kTitle),
                QStringLiteral("The printer could not be started."), MessageButtons::Ok,
                MessageIcon::Exclamation);
        }
    });
}

void CamberTableWindow::graph()
{
    if (m_busy) {
        return;
    }
    const GraphCommandOutcome outcome = graphCommand(table(), selection(kSideRight),
        selection(kSideLeft), m_settings.get().graph, m_limitMessageFlag);
    if (m_grids[kSideRight]->selectionModel()->hasSelection()) {
        setSelection(kSideRight, outcome.rightSelection);
    }
    if (!outcome.refusal.empty()) {
        m_dialogs.note(outcome.refusal);
        return;
    }
    if (!outcome.graph->limitMessage.empty()) {
        m_dialogs.note(outcome.graph->limitMessage);
    }
    GraphData shown = *outcome.graph;
    addMeasuredMarkers(shown);
    emit graphRequested(shown);
}

GraphData CamberTableWindow::loadGraph()
{
    GraphData data = loadGraphFromTable(
        table(), selection(kSideRight), m_settings.get().graph, m_limitMessageFlag);
    if (!data.limitMessage.empty()) {
        m_dialogs.note(data.limitMessage);
    }
    addMeasuredMarkers(data);
    return data;
}

void CamberTableWindow::openTableSpecs()
{
    if (m_openTableSpecs) {
        m_openTableSpecs();
    }
}

void CamberTableWindow::showHelp()
{
    auto *help = new HelpWindow(m_data.root(), kHelpGroupCamberTable, this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
}

void CamberTableWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // After the activation has been delivered everywhere, as the old
        // window's Activate event ran.
        QTimer::singleShot(0, this, &CamberTableWindow::activated);
    }
}

void CamberTableWindow::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    run([this] { m_session.unload(); });
    QMainWindow::closeEvent(event);
}

} // namespace tarvik::gui

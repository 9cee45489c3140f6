// The Measurements window; see measurementswindow.h.
#include "gui/design/measurementswindow.h"

#include "core/design/measurementsheet.h"
#include "gui/common/screenplacement.h"
#include "gui/design/measurementowner.h"
#include "gui/design/measurementsheetprinter.h"
#include "gui/document/layoutdocument.h"
#include "gui/platform/platform.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

namespace tarvik::gui {

namespace {

QPushButton *button(QWidget *parent, const QString &text, const QString &name)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

MeasurementsWindow::MeasurementsWindow(
    Platform &platform, LayoutDocument &document, MeasurementOwner &owner, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_document(document)
    , m_owner(owner)
    , m_printer(std::make_unique<QPrinter>())
{
    setObjectName(QStringLiteral("frmMeasurements"));
    setWindowTitle(QStringLiteral("Measurements"));
    m_grid = new QTableWidget(0, 4, this);
    m_grid->setObjectName(QStringLiteral("MeasurementsGrid"));
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("MeasurementsStatus"));
    m_status->setWordWrap(true);
    auto *import = button(this, QStringLiteral("&Import..."), QStringLiteral("MeasurementsImport"));
    auto *paste = button(this, QStringLiteral("&Paste"), QStringLiteral("MeasurementsPaste"));
    auto *remove
        = button(this, QStringLiteral("&Delete Rows"), QStringLiteral("MeasurementsDelete"));
    auto *print
        = button(this, QStringLiteral("Print &Sheet..."), QStringLiteral("MeasurementsPrint"));
    auto *close = button(this, QStringLiteral("&Close"), QStringLiteral("MeasurementsClose"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : { import, paste, remove, print }) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(QStringLiteral("Camber read on the car at each dive and roll. Leave a "
                                           "camber empty where it was not measured."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(import, &QPushButton::clicked, this, &MeasurementsWindow::importCommand);
    connect(paste, &QPushButton::clicked, this, [this] { pasteCommand(); });
    connect(remove, &QPushButton::clicked, this, &MeasurementsWindow::deleteCommand);
    connect(print, &QPushButton::clicked, this, &MeasurementsWindow::printSheetCommand);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *pasteKey = new QShortcut(QKeySequence::Paste, m_grid);
    connect(pasteKey, &QShortcut::activated, this, [this] { pasteCommand(); });
    connect(m_grid, &QTableWidget::itemChanged, this, &MeasurementsWindow::edited);
    // Queued: a change may come from an edit of the grid, whose items the
    // refill replaces.
    connect(&m_owner, &MeasurementOwner::changed, this, &MeasurementsWindow::refill,
        Qt::QueuedConnection);
    connect(&m_document, &LayoutDocument::layoutChanged, this, [this](const LayoutChange &change) {
        if (change.units) {
            refill(); // the dive heading's unit
        }
    });
    refill();
    keepOnScreen(this);
}

MeasurementsWindow::~MeasurementsWindow() = default;

void MeasurementsWindow::refill()
{
    m_filling = true;
    const bool metric = m_document.state().units == Units::Metric;
    m_grid->setHorizontalHeaderLabels(
        { metric ? QStringLiteral("Dive, mm") : QStringLiteral("Dive, in"),
            QStringLiteral("Roll, deg"), QStringLiteral("Right camber, deg"),
            QStringLiteral("Left camber, deg") });
    const MeasurementSet &set = m_owner.get();
    // One empty row below the readings, to type a new one into.
    m_grid->setRowCount(static_cast<int>(set.rows.size()) + 1);
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        for (int c = 0; c < 4; ++c) {
            QString text;
            if (r < static_cast<int>(set.rows.size())) {
                const MeasurementRow &row = set.rows[static_cast<std::size_t>(r)];
                const std::optional<double> value = c == 0 ? row.dive
                    : c == 1                               ? row.roll
                             : row.camber[static_cast<std::size_t>(c - 2)];
                text = qs(measurementNumberText(value));
            }
            m_grid->setItem(r, c, new QTableWidgetItem(text));
        }
    }
    // An untitled layout's readings live only in memory until it is saved.
    const QString kept = m_owner.filePath().isEmpty() && !set.rows.empty()
        ? QStringLiteral(" They are kept in a file once the layout is saved.")
        : QString();
    m_status->setText(m_owner.loadMessage().isEmpty()
            ? QStringLiteral("%1 positions, %2 with readings.")
                    .arg(set.rows.size())
                    .arg(std::count_if(set.rows.begin(), set.rows.end(),
                        [](const MeasurementRow &row) { return row.camber[0] || row.camber[1]; }))
                + kept
            : m_owner.loadMessage());
    m_filling = false;
}

QString MeasurementsWindow::gridText() const
{
    QString text;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        QStringList cells;
        bool any = false;
        for (int c = 0; c < 4; ++c) {
            const QTableWidgetItem *item = m_grid->item(r, c);
            cells << (item ? item->text().trimmed() : QString());
            any = any || !cells.back().isEmpty();
        }
        text += (any ? cells.join(QLatin1Char('\t')) : QString()) + QLatin1Char('\n');
    }
    // Without the empty rows at the end, a pasted row's number is the grid
    // row it lands in.
    while (text.endsWith(QStringLiteral("\n\n"))) {
        text.chop(1);
    }
    return text == QStringLiteral("\n") ? QString() : text;
}

void MeasurementsWindow::take(const QString &text)
{
    const MeasurementReadResult read = parsePastedMeasurements(text.toStdString());
    if (!read.ok) {
        m_status->setText(qs(read.message) + QStringLiteral(" The readings were not changed."));
        return;
    }
    QString message;
    if (!m_owner.set(read.set, message)) {
        m_status->setText(message);
    }
}

void MeasurementsWindow::edited()
{
    if (!m_filling) {
        take(gridText());
    }
}

void MeasurementsWindow::pasteCommand(const QString *text)
{
    const QString pasted = text ? *text : QApplication::clipboard()->text();
    take(gridText() + pasted);
}

void MeasurementsWindow::deleteCommand()
{
    QList<int> rows;
    for (const QTableWidgetSelectionRange &range : m_grid->selectedRanges()) {
        for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
            rows << r;
        }
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    m_filling = true;
    for (const int r : rows) {
        m_grid->removeRow(r);
    }
    m_filling = false;
    take(gridText());
}

void MeasurementsWindow::importCommand()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Import Measurements");
    request.filter = QStringLiteral("Measurement files (*.csv);;All Files (*)");
    request.mustExist = true;
    const QString path = m_platform.openFileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    const MeasurementReadResult read
        = readMeasurementFile(std::filesystem::path(path.toStdString()));
    if (!read.ok) {
        m_platform.message(this, QStringLiteral("Import Measurements"),
            qs(read.message) + QStringLiteral("\nThe readings were not changed."),
            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    QString message;
    if (!m_owner.set(read.set, message)) {
        m_status->setText(message);
    }
}

void MeasurementsWindow::printSheetCommand()
{
    const MeasurementSheet sheet = measurementSheet(
        m_owner.get(), m_document.state().units, m_document.fileTitle().toStdString());
    const PrintOutcome outcome = m_platform.printPreview(this, *m_printer,
        [&sheet](QPrinter &printer) { return printMeasurementSheet(printer, sheet); });
    if (outcome == PrintOutcome::Failed) {
        m_platform.message(this, QStringLiteral("Print"),
            QStringLiteral("The printer could not be started, so nothing was printed."),
            MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

} // namespace tarvik::gui

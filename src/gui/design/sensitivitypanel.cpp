// The sensitivity table of the Design window; see sensitivitypanel.h.
#include "gui/design/sensitivitypanel.h"

#include "core/design/designproblem.h"
#include "core/design/sensitivity.h"
#include "core/table/heatscale.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tarvik::gui {

namespace {

// The role the rows sort by: the size of the value (the name in column 0).
constexpr int kSizeRole = Qt::UserRole + 1;

} // namespace

SensitivityPanel::SensitivityPanel(
    LayoutDocument &document, SettingsOwner &settings, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_settings(settings)
{
    m_dive = new QLineEdit(this);
    m_dive->setObjectName(QStringLiteral("SensitivityDive"));
    m_roll = new QLineEdit(this);
    m_roll->setObjectName(QStringLiteral("SensitivityRoll"));
    for (QLineEdit *box : { m_dive, m_roll }) {
        box->setMaximumWidth(70);
        connect(box, &QLineEdit::editingFinished, this, &SensitivityPanel::refresh);
    }
    m_model = new QStandardItemModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(kSizeRole);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("DesignSensitivity"));
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setMinimumHeight(160);

    auto *motion = new QHBoxLayout;
    motion->addWidget(new QLabel(QStringLiteral("Camber at dive:"), this));
    motion->addWidget(m_dive);
    motion->addWidget(new QLabel(QStringLiteral("roll:"), this));
    motion->addWidget(m_roll);
    motion->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(
        QStringLiteral("Each cell is how much the result changes per inch (per mm on a metric "
                       "layout) the coordinate moves, as typed (X outward on both sides). Type a "
                       "dive and roll for the camber there. Click a heading to sort by its size."),
        this);
    about->setWordWrap(true);
    layout->addWidget(about);
    layout->addLayout(motion);
    layout->addWidget(m_view, 1);

    m_later.setSingleShot(true);
    m_later.setInterval(0);
    connect(&m_later, &QTimer::timeout, this, &SensitivityPanel::refresh);
    connect(&m_document, &LayoutDocument::solved, &m_later, qOverload<>(&QTimer::start));
    m_later.start();
}

void SensitivityPanel::refresh()
{
    m_later.stop();
    std::optional<ChassisPosition> position;
    ChassisPosition typed;
    const bool hasDive = readDesignNumber(m_dive->text().trimmed().toStdString(), typed.dive);
    const bool hasRoll = readDesignNumber(m_roll->text().trimmed().toStdString(), typed.roll);
    if (hasDive || hasRoll) {
        position = ChassisPosition { hasDive ? typed.dive : 0, hasRoll ? typed.roll : 0 };
    }
    const SensitivityTable table
        = computeSensitivity(m_document.state(), m_settings.get(), position);
    m_model->clear();
    QStringList headings { QStringLiteral("Coordinate") };
    for (std::size_t k = 0; k < table.results.size(); ++k) {
        headings << QStringLiteral("%1\n%2").arg(
            QString::fromStdString(table.results[k]), QString::fromStdString(table.units[k]));
    }
    m_model->setHorizontalHeaderLabels(headings);
    if (table.layoutProblem) {
        setToolTip(QStringLiteral("The layout is one the engine flags as a problem."));
        return;
    }
    setToolTip(QString());
    // Each column on its own colour scale: its largest size saturates.
    std::vector<double> span(table.results.size(), kMinimumHeatSpan);
    for (const auto &row : table.perUnit) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (std::isfinite(row[k])) {
                span[k] = std::max(span[k], std::abs(row[k]));
            }
        }
    }
    for (std::size_t r = 0; r < table.coordinates.size(); ++r) {
        QList<QStandardItem *> items;
        auto *name = new QStandardItem(QString::fromStdString(table.coordinates[r]));
        // Descending by this role keeps the core's order, largest first.
        name->setData(static_cast<double>(table.coordinates.size() - r), kSizeRole);
        items << name;
        for (std::size_t k = 0; k < table.perUnit[r].size(); ++k) {
            const double v = table.perUnit[r][k];
            auto *item = new QStandardItem(
                std::isfinite(v) ? QString::number(v, 'f', 3) : QStringLiteral("-"));
            item->setData(std::isfinite(v) ? std::abs(v) : -1.0, kSizeRole);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (std::isfinite(v)) {
                const HeatColor c = heatColor(v, span[k]);
                item->setBackground(QColor(c.r, c.g, c.b));
                item->setForeground(needsLightInk(c) ? Qt::white : Qt::black);
            }
            items << item;
        }
        m_model->appendRow(items);
    }
    m_view->resizeColumnsToContents();
    if (m_view->horizontalHeader()->sortIndicatorSection() < 0) {
        m_sorted->sort(0, Qt::DescendingOrder);
    }
}

} // namespace tarvik::gui

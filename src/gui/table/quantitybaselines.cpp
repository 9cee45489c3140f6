// The roll-centre baselines in the configuration folder; see quantitybaselines.h.
#include "gui/table/quantitybaselines.h"

#include "core/table/baselinefile.h"
#include "core/table/baselineunits.h"
#include "gui/table/tableoptions.h"

#include <QDir>

namespace tarvik::gui {

namespace {

constexpr TableQuantity kStored[]
    = { TableQuantity::RollCenterHeight, TableQuantity::RollCenterLateral };

} // namespace

QuantityBaselines::QuantityBaselines(TableOptions &options)
    : m_options(options)
    , m_units(options.baselineUnits())
{
    for (const TableQuantity q : kStored) {
        const QString path = filePath(q);
        if (path.isEmpty()) {
            continue;
        }
        const BaselineFileResult read = readBaselineFile(path.toStdString(), q);
        if (read.ok) {
            m_baselines[slot(q)] = read.baseline;
        } else if (read.found) {
            m_readNotes << QStringLiteral("The %1 baseline could not be read and is not used.\r%2")
                               .arg(QString::fromStdString(std::string(tableQuantityName(q))),
                                   QString::fromStdString(read.message));
        }
        m_written[slot(q)] = m_baselines[slot(q)];
    }
}

std::size_t QuantityBaselines::slot(TableQuantity quantity)
{
    const int index = quantityIndex(quantity);
    return index >= 0 && index < kTableQuantityCount ? static_cast<std::size_t>(index) : 0;
}

BaselineState &QuantityBaselines::baseline(TableQuantity quantity)
{
    return m_baselines[slot(quantity)];
}

QString QuantityBaselines::filePath(TableQuantity quantity) const
{
    if (m_options.configDir().isEmpty()) {
        return {};
    }
    return QDir(m_options.configDir()).filePath(QString::fromStdString(baselineFileName(quantity)));
}

void QuantityBaselines::followUnits(Units units)
{
    if (units == m_units) {
        return;
    }
    for (const TableQuantity q : kStored) {
        convertBaselineUnits(m_baselines[slot(q)], q, units == Units::Metric);
    }
    m_units = units;
}

QStringList QuantityBaselines::writeChanged()
{
    QStringList failures;
    for (const TableQuantity q : kStored) {
        const std::size_t s = slot(q);
        const QString path = filePath(q);
        if (path.isEmpty() || m_baselines[s] == m_written[s]) {
            continue;
        }
        QDir().mkpath(m_options.configDir());
        const WriteResult result = writeBaselineFile(path.toStdString(), m_baselines[s], q);
        if (result.ok) {
            m_written[s] = m_baselines[s];
        } else {
            failures << QString::fromStdString(result.message);
        }
    }
    // The units are recorded once the files hold them, so that a file left
    // in the old units is read as such next time.
    if (failures.isEmpty() && m_options.baselineUnits() != m_units) {
        m_options.setBaselineUnits(m_units);
    }
    return failures;
}

QStringList QuantityBaselines::takeReadNotes()
{
    QStringList notes;
    notes.swap(m_readNotes);
    return notes;
}

} // namespace tarvik::gui

// The table window's choices in table.ini; see tableoptions.h.
#include "gui/table/tableoptions.h"

#include <QDir>
#include <QSettings>

namespace tarvik::gui {

namespace {

const QString kHeatMapKey = QStringLiteral("table/heatMap");
const QString kBaselineUnitsKey = QStringLiteral("table/rollCenterBaselineUnits");
const QString kExportFolderKey = QStringLiteral("table/exportFolder");

} // namespace

TableOptions::TableOptions(const QString &configDir)
    : m_configDir(configDir)
{
    if (configDir.isEmpty()) {
        return;
    }
    m_file = QDir(configDir).filePath(QStringLiteral("table.ini"));
    const QSettings state(m_file, QSettings::IniFormat);
    // Anything but a clear "false" keeps the default: a damaged line does
    // not turn the colours off.
    m_heatMap = state.value(kHeatMapKey).toString() != QStringLiteral("false");
    m_baselineUnits = unitsFromStored(state.value(kBaselineUnitsKey).toInt());
    m_exportFolder = state.value(kExportFolderKey).toString();
}

void TableOptions::store(const QString &key, const QVariant &value) const
{
    if (m_file.isEmpty()) {
        return;
    }
    QDir().mkpath(m_configDir);
    QSettings state(m_file, QSettings::IniFormat);
    state.setValue(key, value);
}

void TableOptions::setHeatMap(bool on)
{
    m_heatMap = on;
    store(kHeatMapKey, on);
}

void TableOptions::setBaselineUnits(Units units)
{
    m_baselineUnits = units;
    store(kBaselineUnitsKey, storedUnits(units));
}

void TableOptions::setExportFolder(const QString &folder)
{
    m_exportFolder = folder;
    store(kExportFolderKey, folder);
}

} // namespace tarvik::gui

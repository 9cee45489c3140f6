// The Camber Table window's own choices, kept across runs in table.ini in
// the user's configuration folder, apart from the settings file's fixed
// records: whether difference cells are heat-map coloured (on unless turned
// off), the units the roll-centre baselines were stored in, and the folder
// of the last CSV export. Without a configuration folder nothing is kept
// and the defaults hold.
#pragma once

#include "core/layout/layoutkinds.h"

#include <QString>
#include <QVariant>

namespace tarvik::gui {

class TableOptions
{
public:
    TableOptions() = default;
    explicit TableOptions(const QString &configDir);

    const QString &configDir() const { return m_configDir; }

    bool heatMap() const { return m_heatMap; }
    void setHeatMap(bool on);

    // The layout units the stored roll-centre baselines are in.
    Units baselineUnits() const { return m_baselineUnits; }
    void setBaselineUnits(Units units);

    QString exportFolder() const { return m_exportFolder; }
    void setExportFolder(const QString &folder);

private:
    void store(const QString &key, const QVariant &value) const;

    QString m_configDir;
    QString m_file;
    bool m_heatMap = true;
    Units m_baselineUnits = Units::English;
    QString m_exportFolder;
};

} // namespace tarvik::gui

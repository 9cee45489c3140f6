// The Camber Table window's own choices, kept across runs in table.ini in
// the user's configuration folder, apart from the settings file's fixed
// records: whether difference cells are heat-map coloured (on unless turned
// off), the units the roll-centre baselines were stored in, and the folder
// of the last CSV export. Without a configuration folder nothing is kept
// and the defaults hold.
#pragma once

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

    // The layout units flag the stored roll-centre baselines are in (0 inches).
    int baselineUnits() const { return m_baselineUnits; }
    void setBaselineUnits(int unitsFlag);

    QString exportFolder() const { return m_exportFolder; }
    void setExportFolder(const QString &folder);

private:
    void store(const QString &key, const QVariant &value) const;

    QString m_configDir;
    QString m_file;
    bool m_heatMap = true;
    int m_baselineUnits = 0;
    QString m_exportFolder;
};

} // namespace tarvik::gui

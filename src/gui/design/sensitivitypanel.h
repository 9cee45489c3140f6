// Which point matters: the sensitivity table of the present layout, a tab
// of the Design window. One row per pick-up point coordinate, one column per result
// (core computeSensitivity), each cell the change of the result per inch (per
// mm on a metric layout) of the coordinate, coloured on the heat map's
// scale by size and sign (each column on its own scale, as their units
// differ). Rows start largest effect first; a click on a column's heading
// sorts by the size of that column. With a dive and roll typed, the camber
// there joins the columns. The table follows every change of the layout.
//
// Object names: DesignSensitivity (the table), SensitivityDive,
// SensitivityRoll.
#pragma once

#include <QTimer>
#include <QWidget>

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace tarvik::gui {

class LayoutDocument;
class SettingsOwner;

class SensitivityPanel : public QWidget
{
    Q_OBJECT
public:
    SensitivityPanel(LayoutDocument &document, SettingsOwner &settings, QWidget *parent = nullptr);

    QTableView *table() const { return m_view; }
    // Computes the table now (it otherwise waits for the event loop).
    void refresh();

private:
    LayoutDocument &m_document;
    SettingsOwner &m_settings;
    QTimer m_later;
    QLineEdit *m_dive = nullptr;
    QLineEdit *m_roll = nullptr;
    QStandardItemModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTableView *m_view = nullptr;
};

} // namespace tarvik::gui

// frmGrOptions, "Options for Making Graphs": background colour, thick or
// thin lines, standard or the user's own labels, the print mode, "Print
// Now", the printer set-up and help. Every option is a program-wide setting
// (settings.graph) and is set the moment it is clicked; the label rules are
// the core's (useLabelsGivenHere, useStandardLabels with its "~", and
// storeGraphLabels). Leaving the window for another one, and "OK", store the
// typed labels and reload the graph, so a new title shows as soon as the
// user looks at the graph again. Every opening shows the settings as they
// then stand (the graph's print commands change the print mode, and "~"
// never stays in a box), and the options follow any change made elsewhere.
#pragma once

#include "gui/platform/datafolder.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace tarvik::gui {

class GraphWindow;
class Platform;
class SettingsOwner;

class GraphOptionsWindow : public QWidget
{
    Q_OBJECT
public:
    // A window of its own, kept above the graph window it belongs to.
    GraphOptionsWindow(
        Platform &platform, const DataFolder &data, SettingsOwner &settings, GraphWindow &graph);

    // Fills every option and label box from the settings as they stand.
    void showSettings();
    void ok(); // "OK": store the labels, reload the graph, close
    // Leaving the window: store the labels and reload the graph.
    void left();

protected:
    void changeEvent(QEvent *event) override;

private:
    QRadioButton *option(const QString &objectName) const;
    void showOptions();
    void useLabelsGivenHere();
    void useStandardLabels();
    void setLabelBoxesEnabled(bool enabled);
    void showHelp();

    Platform &m_platform;
    DataFolder m_data;
    SettingsOwner &m_settings;
    GraphWindow &m_graph;
    QLineEdit *m_labels[3] {};
    bool m_reloading = false;
};

} // namespace tarvik::gui

// The "Show Dive & Roll" frame: the "Dive, inches" and "Roll, deg" boxes
// (the dive and roll entries) each with a spin button, the "Yes"/"No" pair that
// switches dive and roll on (in their group titled "Draw"), and the
// "Big"/"Normal" drawing button. The
// panel only shows state and reports presses; the main window does the
// arithmetic and the redraw.
#pragma once

#include "core/layout/entry.h"

#include <QGroupBox>

class QLineEdit;
class QLabel;
class QRadioButton;
class QPushButton;
class QToolButton;

namespace tarvik::gui {

class DiveRollPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit DiveRollPanel(QWidget *parent = nullptr);

    QLineEdit *diveBox() const { return m_diveBox; }
    QLineEdit *rollBox() const { return m_rollBox; }
    // The other controls, by object name: DiveUp, DiveDown, RollUp,
    // RollDown, ApplyYes, ApplyNo and DrawButton.

    // "Yes" selected, captions black and controls enabled; or "No", grey and disabled.
    void showApplied(bool applied);
    void showBig(bool big);
    // "Dive, inches" or, for a metric layout, "Dive, mm".
    void setMetric(bool metric);

signals:
    void spinPressed(tarvik::Entry entry, bool increase);
    void applyChosen(bool applied);
    void drawClicked();

private:
    QLineEdit *m_diveBox = nullptr;
    QLineEdit *m_rollBox = nullptr;
    QLabel *m_diveCaption = nullptr;
    QLabel *m_rollCaption = nullptr;
    QToolButton *m_spin[2][2] {}; // [dive/roll][decrease/increase]
    QRadioButton *m_yes = nullptr;
    QRadioButton *m_no = nullptr;
    QPushButton *m_draw = nullptr;
};

} // namespace tarvik::gui

// The targets of the pick-up point window: one row per target of the form,
// with a check box to use it, what the layout gives now, the value to reach,
// its weight, the dive and roll of a camber target, and what the search
// achieves (live while it runs). Edits go straight into the form's rows.
//
// Object names, row k from 0: DesignUse<k>, DesignNow<k>, DesignValue<k>,
// DesignWeight<k>, DesignDive<k>, DesignRoll<k>, DesignAchieved<k>.
#pragma once

#include <QGroupBox>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tarvik {
class DesignForm;
}

namespace tarvik::gui {

class DesignTargetsPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit DesignTargetsPanel(DesignForm &form, QWidget *parent = nullptr);

    // Every widget from the form: after the form was filled afresh.
    void refill();
    // The now column and the units, after the layout changed.
    void showNow();
    // Achieved values by row; NaN or a row left out shows a dash.
    void showAchieved(const std::vector<double> &byRow);
    void setEditable(bool editable);

signals:
    // A camber target's dive or roll changed: its now value needs the engine.
    void motionEdited();

private:
    struct Row
    {
        QCheckBox *use = nullptr;
        QLabel *now = nullptr;
        QLineEdit *value = nullptr;
        QLineEdit *weight = nullptr;
        QLineEdit *dive = nullptr;
        QLineEdit *roll = nullptr;
        QLabel *unit = nullptr;
        QLabel *achieved = nullptr;
    };

    void build();

    DesignForm &m_form;
    std::vector<Row> m_rows;
};

} // namespace tarvik::gui

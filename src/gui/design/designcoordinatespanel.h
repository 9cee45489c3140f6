// The free coordinates of the pick-up point window: one line per point box
// (X and Height of each point), each side with a check box to let it move,
// showing the box's value now, and the range it may move in; and the "Both
// sides move together" check box, which leaves the left side to follow the
// right. Boxes the entry mode places are shown disabled. Edits go straight
// into the form's rows.
//
// Object names, by entry number e: DesignFree<e>, DesignMin<e>, DesignMax<e>;
// DesignSymmetric.
#pragma once

#include <QGroupBox>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace tarvik {
class DesignForm;
}

namespace tarvik::gui {

class DesignCoordinatesPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit DesignCoordinatesPanel(DesignForm &form, QWidget *parent = nullptr);

    // Every widget from the form: after the form was filled afresh.
    void refill();
    // The values now and the boxes the entry mode places.
    void showNow();
    void setEditable(bool editable);

private:
    struct Row
    {
        QCheckBox *free = nullptr;
        QLineEdit *minimum = nullptr;
        QLineEdit *maximum = nullptr;
    };

    void build();
    void updateEnabled();

    DesignForm &m_form;
    std::vector<Row> m_rows; // as the form's coordinate rows
    QCheckBox *m_symmetric = nullptr;
    bool m_editable = true;
};

} // namespace tarvik::gui

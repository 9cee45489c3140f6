// The shim calculator's "Target Camber" frame, below its rows: the switch
// "Find shims for a target camber", the target box, the camber of the stack
// found with its residual, and a note line. It shows the session's
// ShimTargetState; the calculation window routes its events to the session.
//
// Object names for the end-to-end test: Frame3DTarget, CalcTargetOn,
// CalcTargetSpec and CalcTarget (the box), CalcTargetCamber,
// CalcTargetResidual, CalcTargetNote.
#pragma once

#include "core/calc/shimtargetstate.h"

#include <QGroupBox>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace tarvik::gui {

class ShimTargetFrame : public QGroupBox
{
    Q_OBJECT
public:
    // valueWidth: the least width of a value, as the outputs have it.
    explicit ShimTargetFrame(int valueWidth, QWidget *parent = nullptr);

    QCheckBox *toggle() const { return m_toggle; }
    QLineEdit *box() const { return m_box; }
    QGridLayout *grid() const { return m_grid; }

    void refresh(const ShimTargetState &state);

private:
    QGridLayout *m_grid = nullptr;
    QCheckBox *m_toggle = nullptr;
    QLabel *m_caption = nullptr;
    QLineEdit *m_box = nullptr;
    QLabel *m_camberName = nullptr;
    QLabel *m_camber = nullptr;
    QLabel *m_residualName = nullptr;
    QLabel *m_residual = nullptr;
    QLabel *m_note = nullptr;
};

} // namespace tarvik::gui

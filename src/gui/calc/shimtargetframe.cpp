// The shim calculator's target camber frame; see shimtargetframe.h.
#include "gui/calc/shimtargetframe.h"

#include "gui/calc/calcmessagebox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarvik::gui {

namespace {

QLabel *plainLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ShimTargetFrame::ShimTargetFrame(int valueWidth, QWidget *parent)
    : QGroupBox(calcLabelText(kShimTargetFrameCaption), parent)
{
    setObjectName(QStringLiteral("Frame3DTarget"));
    m_grid = new QGridLayout(this);
    m_toggle = new QCheckBox(calcLabelText(kShimTargetSwitchCaption), this);
    m_toggle->setObjectName(QStringLiteral("CalcTargetOn"));
    // As wide as its text, so a click anywhere on it switches.
    m_grid->addWidget(m_toggle, 0, 0, 1, 3, Qt::AlignLeft);

    m_caption = plainLabel(QStringLiteral("CalcTargetSpec"), this);
    m_caption->setText(calcLabelText(kShimTargetCaption));
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("CalcTarget"));
    m_caption->setBuddy(m_box);
    m_grid->addWidget(m_caption, 1, 0, 1, 2);
    m_grid->addWidget(m_box, 1, 2);

    // The stack's camber and residual, shown as the outputs are.
    const auto value = [this, valueWidth](const QString &name, const char *caption, int gridRow,
                           QLabel *&nameLabel, QLabel *&valueLabel) {
        nameLabel = plainLabel(name + QStringLiteral("Name"), this);
        nameLabel->setText(calcLabelText(caption));
        valueLabel = plainLabel(name, this);
        valueLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        valueLabel->setMinimumWidth(valueWidth);
        m_grid->addWidget(nameLabel, gridRow, 0, 1, 2);
        m_grid->addWidget(valueLabel, gridRow, 2);
    };
    value(QStringLiteral("CalcTargetCamber"), kShimTargetCamberName, 2, m_camberName, m_camber);
    value(QStringLiteral("CalcTargetResidual"), kShimTargetResidualName, 3, m_residualName,
        m_residual);

    m_note = plainLabel(QStringLiteral("CalcTargetNote"), this);
    m_note->setWordWrap(true);
    m_grid->addWidget(m_note, 4, 0, 1, 3);
}

void ShimTargetFrame::refresh(const ShimTargetState &state)
{
    m_toggle->setChecked(state.on);
    if (m_box->text() != calcLabelText(state.text)) {
        m_box->setText(calcLabelText(state.text));
    }
    for (QWidget *w : { static_cast<QWidget *>(m_caption), static_cast<QWidget *>(m_box),
             static_cast<QWidget *>(m_camberName), static_cast<QWidget *>(m_camber),
             static_cast<QWidget *>(m_residualName), static_cast<QWidget *>(m_residual),
             static_cast<QWidget *>(m_note) }) {
        w->setEnabled(state.on);
    }
    m_camber->setText(calcLabelText(state.camber));
    m_residual->setText(calcLabelText(state.residual));
    m_note->setText(calcLabelText(state.note));
    m_note->setVisible(!state.note.empty());
}

} // namespace tarvik::gui

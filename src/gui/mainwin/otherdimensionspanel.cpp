// Results panel of the big layout; see otherdimensionspanel.h.
#include "gui/mainwin/otherdimensionspanel.h"

#include "gui/mainwin/clicklabel.h"

#include <QGridLayout>

namespace tarvik::gui {

OtherDimensionsPanel::OtherDimensionsPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Other Dimensions && Specs"), parent)
{
    setObjectName(QStringLiteral("OtherDimensions"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Right")), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Left")), 0, 2, Qt::AlignCenter);
    const char *captions[] = { "Spring Compression, inches", "Camber, degrees",
        "New Camber, degrees", "King Pin Angle, degrees" };
    const char *names[]
        = { "OtherSpringCompression", "OtherCamber", "OtherNewCamber", "OtherKingPinAngle" };
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(captions[row])), row + 1, 0);
        for (int side = 0; side < 2; ++side) {
            auto *label = new ClickLabel;
            label->setObjectName(QString::fromLatin1(names[row]) + QString::number(side));
            label->setFixedWidth(72);
            label->setMinimumHeight(20);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            connect(label, &ClickLabel::clicked, this, &OtherDimensionsPanel::valueClicked);
            m_values[std::size_t(row)][std::size_t(side)] = label;
            grid->addWidget(label, row + 1, side + 1);
        }
    }
}

void OtherDimensionsPanel::setValue(Row row, int side, const QString &text)
{
    m_values[std::size_t(row)][std::size_t(side)]->setText(text);
}

} // namespace tarvik::gui

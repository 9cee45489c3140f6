// The "Other Dimensions & Specs" panel of the big drawing layout: spring
// compression, camber, new camber and king-pin angle for the right and the
// left side, shown under the enlarged picture. Its values cannot be edited;
// a click on one is reported so the window can say so.
#pragma once

#include <QGroupBox>
#include <array>

class QLabel;

namespace tarvik::gui {

class OtherDimensionsPanel : public QGroupBox
{
    Q_OBJECT
public:
    enum Row { SpringCompression = 0, Camber = 1, NewCamber = 2, KingPinAngle = 3 };

    explicit OtherDimensionsPanel(QWidget *parent = nullptr);

    // The value labels are named by row and side (OtherCamber0 is the right
    // side's camber), the panel OtherDimensions.
    void setValue(Row row, int side, const QString &text);

signals:
    void valueClicked();

private:
    std::array<std::array<QLabel *, 2>, 4> m_values {};
};

} // namespace tarvik::gui

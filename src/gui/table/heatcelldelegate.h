// Paints the grid's cells so that a heat-map colour stays visible under the
// selection: the style would paint a selected cell in the selection colour
// alone, and a fill leaves the whole table selected. A selected coloured
// cell keeps its colour and its own text colour, and shows the selection as
// a frame inside the cell; other cells are painted as the style paints them.
#pragma once

#include <QStyledItemDelegate>

namespace tarvik::gui {

class HeatCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
};

} // namespace tarvik::gui

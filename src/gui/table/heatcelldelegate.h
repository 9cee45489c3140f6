// Paints the grid's cells so that a heat-map colour stays visible under the
// selection: the style would paint a selected cell in the selection colour
// alone, and a fill leaves the whole table selected. A coloured cell gets
// its colour first and the selection colour over it, half transparent, with
// the cell's own text colour.
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

// Heat-map cells under the selection; see heatcelldelegate.h.
#include "gui/table/heatcelldelegate.h"

#include <QPainter>

namespace tarvik::gui {

void HeatCellDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant background = index.data(Qt::BackgroundRole);
    const QVariant ink = index.data(Qt::ForegroundRole);
    if (!(option.state & QStyle::State_Selected) || !background.canConvert<QBrush>()
        || !ink.canConvert<QBrush>()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The cell as it is when not selected: its heat colour and its ink.
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, plain, index);

    // The selection as a frame inside the cell: the selection colour, lined
    // on its inner side with the selected-text colour so that it shows on a
    // deep heat colour as well as on a pale one.
    const QPalette::ColorGroup group
        = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    const QRectF cell = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPen outer(option.palette.color(group, QPalette::Highlight), 2);
    outer.setJoinStyle(Qt::MiterJoin);
    painter->setPen(outer);
    painter->drawRect(cell.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setPen(QPen(option.palette.color(group, QPalette::HighlightedText), 1));
    painter->drawRect(cell.adjusted(2, 2, -2, -2));
    painter->restore();
}

} // namespace tarvik::gui

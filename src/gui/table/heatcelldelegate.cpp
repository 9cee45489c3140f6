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
    painter->fillRect(option.rect, background.value<QBrush>());
    QStyleOptionViewItem shaded(option);
    QColor highlight = shaded.palette.color(QPalette::Highlight);
    highlight.setAlpha(90);
    const QColor text = ink.value<QBrush>().color();
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        shaded.palette.setColor(group, QPalette::Highlight, highlight);
        shaded.palette.setColor(group, QPalette::HighlightedText, text);
    }
    QStyledItemDelegate::paint(painter, shaded, index);
}

} // namespace tarvik::gui

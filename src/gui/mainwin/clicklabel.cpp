// Clickable label; see clicklabel.h.
#include "gui/mainwin/clicklabel.h"

#include <QMouseEvent>

namespace tarvik::gui {

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

} // namespace tarvik::gui

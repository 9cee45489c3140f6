// Pointer lines towards the help box; see pointerlines.h.
#include "gui/platform/pointerlines.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace tarvik::gui {

namespace {

const QColor kLineColor(200, 30, 30);

void drawArrow(QPainter &painter, const QLineF &line)
{
    painter.drawLine(line);
    // The head sits on the target end.
    const double angle = qDegreesToRadians(line.angle());
    const QPointF tip = line.p2();
    const double size = 12;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-std::cos(angle - 0.4) * size, std::sin(angle - 0.4) * size));
    head.lineTo(tip + QPointF(-std::cos(angle + 0.4) * size, std::sin(angle + 0.4) * size));
    head.closeSubpath();
    painter.fillPath(head, kLineColor);
}

} // namespace

PointerLines::PointerLines(QWidget *target, QWidget *message)
    : QWidget(target ? target->window() : nullptr)
    , m_target(target)
    , m_message(message)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    if (parentWidget()) {
        parentWidget()->installEventFilter(this);
    }
    if (m_message) {
        m_message->installEventFilter(this);
    }
    follow();
}

std::array<QLineF, 2> PointerLines::lines() const
{
    if (!m_target || !m_message || !m_message->isVisible() || !parentWidget()) {
        return {};
    }
    const QRect box(m_target->mapTo(parentWidget(), QPoint(0, 0)), m_target->size());
    const QRect frame = m_message->frameGeometry();
    const QPoint topLeft = parentWidget()->mapFromGlobal(frame.topLeft());
    const QRect message(topLeft, frame.size());
    // From the message's top corners (or bottom ones, when the box lies
    // below) to a point a third and two thirds along the box's near edge.
    const bool boxAbove = box.center().y() < message.center().y();
    const double messageY = boxAbove ? message.top() : message.bottom();
    const double boxY = boxAbove ? box.bottom() : box.top();
    const double third = box.width() / 3.0;
    return { QLineF(QPointF(message.left() + 30, messageY), QPointF(box.left() + third, boxY)),
        QLineF(QPointF(message.right() - 30, messageY), QPointF(box.left() + 2 * third, boxY)) };
}

void PointerLines::follow()
{
    if (parentWidget()) {
        setGeometry(parentWidget()->rect());
    }
    const bool shown = m_message && m_message->isVisible();
    setVisible(shown);
    if (shown) {
        raise();
        update();
    }
}

bool PointerLines::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == m_message || watched == parentWidget()) {
            follow();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PointerLines::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLineColor, 3, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF &line : lines()) {
        if (!line.isNull()) {
            drawArrow(painter, line);
        }
    }
}

} // namespace tarvik::gui

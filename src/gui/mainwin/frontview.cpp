// Front-view widget; see frontview.h.
#include "gui/mainwin/frontview.h"

#include "gui/drawing/frontviewpainter.h"

#include <QPainter>

namespace tarvik::gui {

FrontView::FrontView(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrontView::display(const EngineOutput &output)
{
    m_scene = output.scene;
    m_captions = output.captions;
    update();
}

void FrontView::setBig(bool big)
{
    m_big = big;
    update();
}

QSize FrontView::sizeHint() const
{
    return { 560, 330 };
}

QSize FrontView::minimumSizeHint() const
{
    return { 320, 190 };
}

void FrontView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFrontView(painter, QRectF(rect()), m_scene, m_captions, m_big);
}

} // namespace tarvik::gui

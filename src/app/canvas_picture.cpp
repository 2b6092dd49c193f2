#include "canvas_picture.h"

#include <QPaintEvent>
#include <QPainter>

namespace gridora::app {

CanvasPicture::CanvasPicture(int width, int height, QWidget *parent)
    : QWidget(parent), surface_(width, height), canvas_(&surface_)
{
    setFixedSize(width, height);
    // The bitmap covers the control: nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // On a high-density screen every pixel of the sheet becomes a block of
    // device pixels: smoothing would blur the rulings the sheet put exactly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), surface_.image(), event->rect());
}

} // namespace gridora::app

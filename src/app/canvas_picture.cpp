#include "canvas_picture.h"

#include "dialog_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace gridora::app {

namespace {

// A picture, not a blank area: screen readers pass over a plain widget, but
// read an image's name and description. The owner keeps the description
// saying what the picture shows.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(CanvasPicture *picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}
};

} // namespace

CanvasPicture::CanvasPicture(int width, int height, QWidget *parent)
    : QWidget(parent), surface_(width, height), canvas_(&surface_)
{
    dialogs::useAccessible<CanvasPicture, PictureAccessible>();
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

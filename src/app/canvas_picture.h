#pragma once
// A picture control: a bitmap of its own size with one canvas for the whole
// run. What is drawn on the canvas stays in the bitmap and is what the control
// shows whenever it is painted, also while a modal dialog is open over it.

#include "canvas.h"
#include "image_surface.h"

#include <QWidget>

namespace gridora::app {

class CanvasPicture : public QWidget {
    Q_OBJECT
public:
    CanvasPicture(int width, int height, QWidget *parent = nullptr);

    /// Pen, brush and font carry over from one drawing to the next.
    TCanvas &canvas() { return canvas_; }
    /// The bitmap as drawn so far.
    const QImage &picture() const { return surface_.image(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageSurface surface_;
    TCanvas canvas_;
};

} // namespace gridora::app

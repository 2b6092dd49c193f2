#pragma once
// The surface that paints through QPainter: a page over any paint device (PDF,
// SVG, a printer). In-memory images are drawn by the core raster instead
// (image_surface.h).
// Lines are clipped to the surface before QPainter sees them, because far-off
// end points (hundreds of thousands of pixels) make it slow and, for wide
// dotted pens, wrong.

#include "canvas.h"

#include <QImage>
#include <QPainter>

class QPaintDevice;

namespace gridora {

class PainterSurface : public Surface {
public:
    /// Paints on `device`, whose top-left `width` × `height` device pixels are
    /// the surface; `dpi` scales font sizes given in points.
    PainterSurface(QPaintDevice *device, int width, int height, int dpi);
    ~PainterSurface() override;

    int width() const override { return width_; }
    int height() const override { return height_; }
    int dpi() const { return dpi_; }

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override;
    void rectangle(const TRect &rect, const TPen &pen, const TBrush &brush) override;
    void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override;
    void copyRect(const TRect &dest, const Surface &from, const TRect &source) override;

    /// Ends painting; the surface draws nothing afterwards. Returns false when
    /// the device reported a failure.
    bool finish();

    /// The pixels behind the surface, if it has any: copyRect reads them.
    virtual const QImage *pixels() const { return nullptr; }

protected:
    QPainter &painter() { return painter_; }

private:
    void usePen(const TPen &pen, const TBrush &brush, double dashOffset);

    QPainter painter_;
    int width_;
    int height_;
    int dpi_;
};

/// Paints `text` as every QPainter-backed surface does: DejaVu Sans (or
/// Liberation Sans) at font.Size points of `dpi`, its cell's top-left at `at`,
/// opaque in the brush colour, left to right; nothing when the cell lies
/// wholly off the `size` of the surface.
void paintText(QPainter &painter, QSize size, int dpi, TPoint at, const std::string &text, const TFont &font,
               const TBrush &brush);

} // namespace gridora

#pragma once
// The surface that paints through QPainter: a page over any paint device (PDF,
// SVG, a printer). In-memory images are drawn by the core raster instead
// (image_surface.h).
// Lines are clipped to the surface before QPainter sees them, because far-off
// end points (hundreds of thousands of pixels) make it slow and, for wide
// dotted pens, wrong.

#include "canvas.h"
#include "segment_clip.h"

#include <QFont>
#include <QImage>
#include <QPainter>

class QPaintDevice;

namespace gridora {

class PainterSurface : public Surface {
public:
    /// Paints on `device`, whose `width` × `height` device pixels from `origin`
    /// are the surface; `dpi` scales font sizes given in points.
    PainterSurface(QPaintDevice *device, int width, int height, int dpi, QPoint origin = {});
    ~PainterSurface() override;

    int width() const override { return width_; }
    int height() const override { return height_; }
    int dpi() const override { return dpi_; }

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override;
    void rectangle(const TRect &rect, const TPen &pen, const TBrush &brush) override;
    void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override;
    void copyRect(const TRect &dest, const Surface &from, const TRect &source) override;

    /// Lays the sheet itself down: the device's `sheet` pixels from its own
    /// top-left corner, the surface and the paper around it, filled with
    /// `colour`. A device with no paper of its own (an SVG file) would
    /// otherwise show whatever lies behind it.
    void paintPaper(TColor colour, QSize sheet);
    /// Paints the device's `sheet` outside the surface over with `colour`: a
    /// device that cannot clip (an SVG file) keeps the paper's margins blank
    /// so, whatever strokes reached into them.
    void paintMargins(TColor colour, QSize sheet);

    /// Ends painting; the surface draws nothing afterwards. Returns false when
    /// the device reported a failure.
    bool finish();

    /// The pixels behind the surface, if it has any: copyRect reads them.
    virtual const QImage *pixels() const { return nullptr; }

protected:
    QPainter &painter() { return painter_; }

private:
    void fillVisible(long long left, long long top, long long right, long long bottom, TColor colour);
    void outlineSolid(long long left, long long top, long long right, long long bottom, const TPen &pen);
    void outlineDotted(long long left, long long top, long long right, long long bottom, const TPen &pen,
                       const TBrush &brush);
    void usePen(const TPen &pen, const TBrush &brush, double dashOffset);
    static QLineF onPixels(const ClippedSegment &seg, const TPen &pen);

    QPainter painter_;
    int width_;
    int height_;
    int dpi_;
    QPoint origin_;
};

/// The face a page's text of `font` is painted in at `dpi`.
QFont pageFont(const TFont &font, int dpi);

/// Paints `text` as every QPainter-backed surface does: Liberation Sans (or
/// DejaVu Sans) at font.Size points of `dpi`, its cell's top-left at `at`,
/// opaque in the brush colour, left to right; nothing when the cell lies
/// wholly off the `size` of the surface.
void paintText(QPainter &painter, QSize size, int dpi, TPoint at, const std::string &text, const TFont &font,
               const TBrush &brush);

} // namespace gridora

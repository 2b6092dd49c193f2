#pragma once
// Surfaces that paint through QPainter: an in-memory image (the window's sample
// picture, PNG pages) and a page over any paint device (PDF, SVG, a printer).
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

protected:
    QPainter &painter() { return painter_; }
    /// The pixels behind the surface, if it has any: copyRect reads them.
    virtual const QImage *pixels() const { return nullptr; }
    /// Fills `area`, already inside the surface, with `colour`.
    virtual void fill(const QRect &area, TColor colour);

private:
    void usePen(const TPen &pen, const TBrush &brush, double dashOffset);

    QPainter painter_;
    int width_;
    int height_;
    int dpi_;
};

namespace detail {
// Holds the image so that it exists before the painter that paints on it.
struct ImageStore {
    QImage image_;
};
} // namespace detail

/// An image the size of the surface, white at first. Format_RGB32 for the
/// window's picture; Format_Grayscale8 keeps large pages small.
///
/// One-pixel lines are set pixel by pixel in whole numbers: along the line's
/// major axis every column (or row) from end to end inclusive gets the pixel
/// nearest the exact line, a half rounding down the screen. A dotted line is
/// one on, two off, counted from its first end, its gaps in the brush colour.
/// Far-off end points cost nothing: only the visible stretch is walked.
///
/// Solid rulings of an even width w, level or plumb, are set directly too: a
/// ruling at x from y1 to y2 covers columns x − w/2 … x + w/2 − 1 and, its
/// square caps included, rows min − w/2 … max + w/2 − 1, exactly the pixels
/// QPainter paints for them. Other wide pens are left to QPainter. Fills are
/// set directly as well.
class ImageSurface : private detail::ImageStore, public PainterSurface {
public:
    /// Throws std::bad_alloc when there is no memory for the image.
    ImageSurface(int width, int height, int dpi = 96, QImage::Format format = QImage::Format_RGB32);
    /// Paints on `picture` as it is, its pixels not cleared: one built over a
    /// buffer of the caller's (a larger one, say, whose margins must stay
    /// untouched) is painted in place.
    explicit ImageSurface(QImage picture, int dpi = 96);

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override;

    /// The picture as drawn so far.
    const QImage &image() const { return image_; }

protected:
    const QImage *pixels() const override { return &image_; }
    void fill(const QRect &area, TColor colour) override;
};

/// The `source` rectangle of `from` scaled to `size`. Source column x lands on
/// destination column x × width / source width (rows alike); where several
/// source pixels land on one destination pixel their colours are ANDed, so a
/// black pixel always wins over white. Pixels outside `from` count as white.
QImage stretchBlackWins(const QImage &from, const TRect &source, QSize size);

} // namespace gridora

#pragma once
// The toolkit's image surface: a QImage drawn on by the core raster
// (raster/raster_surface.h), with text painted over the same pixels by
// QPainter. The window's sample picture and PNG pages are these.

#include "raster_surface.h"

#include <QImage>
#include <QSize>

namespace gridora {

/// Every stroke follows the core's whole-number rules (raster/raster_lines.h),
/// so the window shows exactly the pixels the core draws anywhere; only text,
/// which needs fonts, goes through QPainter.
///
/// The image is Format_RGB32 (the window's picture) or Format_Grayscale8
/// (large pages stay small); Format_ARGB32 and its premultiplied twin are
/// drawn on as RGB32, every pixel opaque. Any other format is refused with
/// std::invalid_argument: the raster writes 4 or 1 bytes per pixel, and
/// anything else would be written past.
class ImageSurface : public RasterSurface {
public:
    /// A white image. Throws std::bad_alloc when there is no memory for it.
    ImageSurface(int width, int height, int dpi = 96, QImage::Format format = QImage::Format_RGB32);
    /// Paints on `picture` as it is, its pixels not cleared: one built over a
    /// buffer of the caller's (a larger one, say, whose margins must stay
    /// untouched) is painted in place.
    explicit ImageSurface(QImage picture, int dpi = 96);

    int dpi() const override { return dpi_; }

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override;
    void rectangle(const TRect &rect, const TPen &pen, const TBrush &brush) override;
    void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override;
    /// From another raster surface or from a painter surface over an image
    /// (raster/stretch.h); other surfaces have no pixels and copy nothing.
    void copyRect(const TRect &dest, const Surface &from, const TRect &source) override;

    /// The picture as drawn so far.
    const QImage &image() const { return image_; }

private:
    // QImage shares its pixels on copy: a copy taken by a caller makes the
    // next write detach, so the raster is pointed at the pixels afresh
    // before every stroke.
    void refresh();

    QImage image_;
    int dpi_;
};

/// The `source` rectangle of `from` scaled to `size`, black winning
/// (raster/stretch.h), as an RGB32 image.
QImage stretchBlackWins(const QImage &from, const TRect &source, QSize size);

/// `picture` in a format the raster reads (itself when it already is one),
/// cut down to the part `source` reaches when it has to be converted, with
/// `source` moved to match: pixels outside count as white either way.
QImage readableSource(const QImage &picture, TRect &source);

/// A read-only view of a picture in a format the raster reads.
PixelBuffer readablePixels(const QImage &picture);

} // namespace gridora

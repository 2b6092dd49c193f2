#pragma once
// The core's image surface: a sheet drawn straight into a buffer of pixels by
// the whole-number rules of raster_lines.h, with no toolkit. The window's
// sample, `gridora-sheet --sample`, PNG pages and the browser's sample are
// all these pixels.

#include "canvas.h"
#include "pixel_buffer.h"

#include <cstdint>
#include <vector>

namespace gridora {

/// Draws on pixels held elsewhere. Lines follow raster_lines.h; a rectangle is
/// filled with the brush over [Left, Right) × [Top, Bottom) and outlined
/// inside it: a pen of width w covers the outermost w pixels of each side
/// (a dotted pen as four lines set in so, its dots along them).
/// Text needs fonts, which the core has none of: this surface leaves it out,
/// and the toolkit's image surface (surfaces/image_surface.h) paints it over
/// the same pixels.
class RasterSurface : public Surface {
public:
    explicit RasterSurface(const PixelBuffer &pixels) : pixels_(pixels) {}

    int width() const override { return pixels_.width; }
    int height() const override { return pixels_.height; }

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override;
    void rectangle(const TRect &rect, const TPen &pen, const TBrush &brush) override;
    void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override;
    /// Stretches from another raster surface, black winning (raster/stretch.h);
    /// other surfaces have no pixels to give and copy nothing.
    void copyRect(const TRect &dest, const Surface &from, const TRect &source) override;

    const PixelBuffer &pixels() const { return pixels_; }

protected:
    /// Points the surface at the same pixels after their owner moved them.
    void setPixels(const PixelBuffer &pixels) { pixels_ = pixels; }

private:
    void outlineSolid(long long left, long long top, long long right, long long bottom, const TPen &pen);
    void outlineDotted(long long left, long long top, long long right, long long bottom, const TPen &pen,
                       const TBrush &brush);

    PixelBuffer pixels_;
};

/// A raster surface with pixels of its own, white at first, in Rgb32.
class RasterImage : public RasterSurface {
public:
    /// Throws std::bad_alloc when there is no memory for the pixels and
    /// std::invalid_argument for a size below 1 × 1.
    RasterImage(int width, int height);
    RasterImage(const RasterImage &) = delete;
    RasterImage &operator=(const RasterImage &) = delete;

    /// Row-major 0xFFRRGGBB words, width() per row.
    const std::vector<std::uint32_t> &words() const { return words_; }

private:
    std::vector<std::uint32_t> words_;
};

} // namespace gridora

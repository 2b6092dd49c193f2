#pragma once
// The window's sample picture drawn by the core alone: what the browser shows
// and what the window and `gridora-sheet --sample` show too.

#include "kinds.h"
#include "raster_surface.h"

#include <cstdint>
#include <vector>

namespace gridora::kinds {

/// A sample picture of the window's size that keeps its canvas, pen, brush
/// and font, from one sample to the next, as the window's picture does: a
/// grid sample's clearing frame is outlined with whatever pen the previous
/// sample left.
class SamplePicture {
public:
    SamplePicture();
    SamplePicture(const SamplePicture &) = delete;
    SamplePicture &operator=(const SamplePicture &) = delete;

    /// Draws the chosen sheet's sample over the picture. Throws as
    /// kinds::drawSample does, having drawn nothing.
    void draw(const SheetChoice &choice);

    /// The pixels as RGBA bytes, row by row from the top, 4 bytes per pixel
    /// (red, green, blue, 255): 357 × 397 × 4 bytes, ready for a browser's
    /// ImageData. Valid until the next draw.
    const std::vector<std::uint8_t> &rgba() const { return rgba_; }

private:
    RasterImage image_;
    TCanvas canvas_;
    std::vector<std::uint8_t> rgba_;
};

/// The sample drawn afresh (a new canvas: pen, brush and font at their
/// defaults, as the window's first drawing) as SamplePicture::rgba bytes.
/// Throws as kinds::drawSample does.
std::vector<std::uint8_t> sampleRgba(const SheetChoice &choice);

} // namespace gridora::kinds

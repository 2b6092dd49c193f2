#include "raster_surface.h"

#include "raster_lines.h"
#include "stretch.h"

#include <algorithm>
#include <stdexcept>

namespace gridora {

namespace {

raster::LineStyle styleOf(const TPen &pen)
{
    return pen.Style == TPenStyle::psDot ? raster::LineStyle::Dotted : raster::LineStyle::Solid;
}

} // namespace

void RasterSurface::line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush)
{
    raster::drawLine(pixels_, from, to, pen.Width, styleOf(pen), {pen.Color, brush.Color});
}

void RasterSurface::rectangle(const TRect &r, const TPen &pen, const TBrush &brush)
{
    const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
    const int top = std::min(r.Top, r.Bottom), bottom = std::max(r.Top, r.Bottom);
    if (left == right || top == bottom)
        return;
    raster::fill(pixels_, left, top, right, bottom, brush.Color);
    if (pen.Style == TPenStyle::psSolid)
        outlineSolid(left, top, right, bottom, pen);
    else
        outlineDotted(left, top, right, bottom, pen, brush);
}

// However wide the pen, the outline stays inside the rectangle: it covers the
// outermost w pixels of each side, so a sheet's masks never eat into the
// rulings beside them.
void RasterSurface::outlineSolid(long long left, long long top, long long right, long long bottom, const TPen &pen)
{
    const long long w = std::max(pen.Width, 1);
    raster::fill(pixels_, left, top, right, std::min(top + w, bottom), pen.Color);
    raster::fill(pixels_, left, std::max(bottom - w, top), right, bottom, pen.Color);
    raster::fill(pixels_, left, top, std::min(left + w, right), bottom, pen.Color);
    raster::fill(pixels_, std::max(right - w, left), top, right, bottom, pen.Color);
}

// A dotted outline keeps its dots: four pen lines, each set in so that its
// band of w pixels (columns x − ⌊w/2⌋ … x + ⌊(w − 1)/2⌋ for a line at x) is
// the side's outermost one. A one-pixel pen runs through the outermost pixels.
void RasterSurface::outlineDotted(long long left, long long top, long long right, long long bottom, const TPen &pen,
                                  const TBrush &brush)
{
    const long long w = std::max(pen.Width, 1);
    // Kept inside the rectangle, so inside the int range, when it is narrower than the pen.
    const long long x1 = std::min(left + w / 2, right - 1), x2 = std::max(right - w + w / 2, x1);
    const long long y1 = std::min(top + w / 2, bottom - 1), y2 = std::max(bottom - w + w / 2, y1);
    const TPoint corners[] = {{int(x1), int(y1)}, {int(x2), int(y1)}, {int(x2), int(y2)}, {int(x1), int(y2)}};
    for (int i = 0; i < 4; ++i)
        line(corners[i], corners[(i + 1) % 4], pen, brush);
}

void RasterSurface::text(TPoint, const std::string &, const TFont &, const TBrush &)
{
}

void RasterSurface::copyRect(const TRect &dest, const Surface &from, const TRect &source)
{
    const auto *raster = dynamic_cast<const RasterSurface *>(&from);
    if (!raster)
        return;
    if (raster != this) {
        raster::stretchBlackWins(raster->pixels(), source, pixels_, dest);
        return;
    }
    // A copy within one picture reads the pixels as they were before it.
    const std::size_t size = static_cast<std::size_t>(pixels_.bytesPerLine) * static_cast<std::size_t>(pixels_.height);
    std::vector<std::uint8_t> before(pixels_.bits, pixels_.bits + size);
    PixelBuffer copy = pixels_;
    copy.bits = before.data();
    raster::stretchBlackWins(copy, source, pixels_, dest);
}

RasterImage::RasterImage(int width, int height) : RasterSurface(PixelBuffer{})
{
    if (width < 1 || height < 1)
        throw std::invalid_argument("a picture needs at least one pixel");
    words_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), rgb32Of(clWhite));
    setPixels({reinterpret_cast<std::uint8_t *>(words_.data()), width, height,
               static_cast<std::ptrdiff_t>(width) * 4, PixelFormat::Rgb32});
}

} // namespace gridora

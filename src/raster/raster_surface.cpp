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
    const TPoint corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
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

#include "stretch.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace gridora::raster {

namespace {

__extension__ typedef __int128 Wide;

// One axis of a stretch: `count` destination lines showing the `sourceCount`
// source lines from picture line `sourceStart` on. Destinations and sources
// may each span the whole 32-bit range, so the arithmetic is wide.
struct StretchAxis {
    long long sourceStart;
    long long sourceCount; // at least 1
    long long count;       // at least 1

    // The picture lines [first, last] that land on destination line j, cut to
    // those inside [0, limit): outside the picture everything is white, so
    // the cut changes nothing but the work. Empty (first > last) when none are.
    std::pair<long long, long long> span(long long j, long long limit) const
    {
        const Wide s = sourceCount, d = count;
        long long first = static_cast<long long>((j * s + d - 1) / d); // ceil(j·s/d)
        long long last = static_cast<long long>(((j + 1) * s + d - 1) / d) - 1;
        if (first > last) // enlarging: one source line
            first = last = static_cast<long long>(j * s / d);
        return {std::max(sourceStart + first, 0LL), std::min(sourceStart + last, limit - 1)};
    }
};

StretchAxis axisOf(long long sourceFrom, long long sourceTo, long long count)
{
    return {sourceFrom, std::max(sourceTo - sourceFrom, 1LL), count};
}

std::uint32_t colourAt(const PixelBuffer &pixels, long long x, long long y)
{
    const std::uint8_t *row = pixels.bits + y * pixels.bytesPerLine;
    if (pixels.format == PixelFormat::Grey8)
        return 0x010101u * row[x];
    std::uint32_t word;
    std::memcpy(&word, row + 4 * x, 4);
    return word & 0xFFFFFFu;
}

void store(const PixelBuffer &pixels, long long x, long long y, std::uint32_t colour)
{
    std::uint8_t *row = pixels.bits + y * pixels.bytesPerLine;
    if (pixels.format == PixelFormat::Grey8) {
        row[x] = greyOf(colour);
        return;
    }
    const std::uint32_t word = rgb32Of(colour);
    std::memcpy(row + 4 * x, &word, 4);
}

} // namespace

void stretchBlackWins(const PixelBuffer &from, const TRect &source, const PixelBuffer &to, const TRect &dest)
{
    const long long destWidth = static_cast<long long>(dest.Right) - dest.Left;
    const long long destHeight = static_cast<long long>(dest.Bottom) - dest.Top;
    if (destWidth <= 0 || destHeight <= 0)
        return;
    const long long left = std::max<long long>(dest.Left, 0), top = std::max<long long>(dest.Top, 0);
    const long long right = std::min<long long>(dest.Right, to.width);
    const long long bottom = std::min<long long>(dest.Bottom, to.height);
    if (left >= right || top >= bottom)
        return;
    const StretchAxis across = axisOf(source.Left, source.Right, destWidth);
    const StretchAxis down = axisOf(source.Top, source.Bottom, destHeight);
    // Every row of the result takes its columns from the same source spans.
    std::vector<std::pair<long long, long long>> columns(static_cast<std::size_t>(right - left));
    for (long long x = left; x < right; ++x)
        columns[static_cast<std::size_t>(x - left)] = across.span(x - dest.Left, from.width);
    for (long long y = top; y < bottom; ++y) {
        const auto [row0, row1] = down.span(y - dest.Top, from.height);
        for (long long x = left; x < right; ++x) {
            const auto [col0, col1] = columns[static_cast<std::size_t>(x - left)];
            std::uint32_t merged = 0xFFFFFFu;
            for (long long sy = row0; sy <= row1; ++sy)
                for (long long sx = col0; sx <= col1; ++sx)
                    merged &= colourAt(from, sx, sy);
            store(to, x, y, merged);
        }
    }
}

} // namespace gridora::raster

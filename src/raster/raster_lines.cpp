#include "raster_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace gridora::raster {

namespace {

// End points may lie anywhere in the int range: products of two coordinate
// differences (up to 2^33 each) need more than 64 bits.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

// floor(a / b) for b > 0.
template <class Whole> Whole floorDiv(Whole a, Whole b)
{
    return a / b - ((a % b != 0) && (a < 0));
}

// ceil(a / b) for b > 0.
Wide ceilDiv(Wide a, Wide b)
{
    return -floorDiv(-a, b);
}

template <class Pixel> Pixel pixelOf(TColor colour);
template <> std::uint32_t pixelOf<std::uint32_t>(TColor colour) { return rgb32Of(colour); }
template <> std::uint8_t pixelOf<std::uint8_t>(TColor colour) { return greyOf(colour); }

// The pixel values a line writes, already in the buffer's format: the pen's,
// then the gap's twice, so that a dotted line reads its colour at k mod 3
// and a solid one at 0.
template <class Pixel> struct Ink {
    Pixel colour[3];
};

template <class Pixel> Ink<Pixel> inkOf(LineInk ink)
{
    const Pixel gap = pixelOf<Pixel>(ink.gap);
    return {{pixelOf<Pixel>(ink.pen), gap, gap}};
}

// ---- One-pixel lines ----

// A one-pixel line along its major axis a, from its first end (a1, b1) over
// da > 0 pixels to b1 + db: at k pixels from the first end the minor
// coordinate is the nearest whole pixel, halves going down,
// b1 + floor((2k·db + da) / 2da).
struct MajorAxisLine {
    long long a1, b1, step, da, db;

    long long kAt(long long a) const { return (a - a1) * step; }
};

// Narrows [first, last] to the positions whose minor coordinate lies in
// [0, acrossLimit). With N = 2k·db + da, b >= 0 holds exactly when
// N >= −2·b1·da, and b < acrossLimit when N < 2·(acrossLimit − b1)·da: a range
// of 2k·db, hence of k, hence of a.
bool narrowToPicture(const MajorAxisLine &line, long long &first, long long &last, long long acrossLimit)
{
    const Wide da = line.da;
    const Wide low = -2 * line.b1 * da - da;                  // 2k·db >= low
    const Wide high = 2 * (acrossLimit - line.b1) * da - da; // 2k·db < high
    if (line.db == 0)
        return 0 >= low && 0 < high;
    const Wide twoDb = Wide(2) * line.db;
    Wide kFirst, kLast;
    if (twoDb > 0) {
        kFirst = ceilDiv(low, twoDb);
        kLast = ceilDiv(high, twoDb) - 1;
    } else {
        kFirst = floorDiv(-high, -twoDb) + 1; // 2k·db < high  <=>  k > high / 2db
        kLast = floorDiv(-low, -twoDb);       // 2k·db >= low  <=>  k <= low / 2db
    }
    if (kFirst > kLast)
        return false;
    // a = a1 + k·step: the k range maps onto an a range, reversed when step < 0.
    const Wide aFrom = line.a1 + (line.step > 0 ? kFirst : -kLast);
    const Wide aTo = line.a1 + (line.step > 0 ? kLast : -kFirst);
    first = static_cast<long long>(std::max<Wide>(first, aFrom));
    last = static_cast<long long>(std::min<Wide>(last, aTo));
    return first <= last;
}

// Walks the visible stretch [first, last] of a line in increasing a. The
// minor coordinate is kept as a quotient and a remainder that one addition per
// step moves on: no division per pixel, and exactly the pixels a division
// would give. The pixel pointer moves one pixel along and, where b moves, one
// pixel across. A dotted line's colours repeat every three pixels, so they are
// written three at a time.
template <class Pixel, bool Steep, bool Dotted, bool Rising>
void walkLine(const PixelBuffer &pixels, const MajorAxisLine &line, long long first, long long last, Ink<Pixel> ink)
{
    const std::ptrdiff_t bytesPerLine = pixels.bytesPerLine;
    const long long twoDa = 2 * line.da;
    const long long k = line.kAt(first);
    const Wide numerator = Wide(2) * k * line.db + line.da;
    const long long quotient = static_cast<long long>(floorDiv<Wide>(numerator, twoDa));
    const long long b = line.b1 + quotient;
    auto rem = static_cast<long long>(numerator - Wide(quotient) * twoDa); // 0 <= rem < 2da
    // One step along moves k by `step` and the numerator by 2db·step, with
    // |2db·step| <= 2da: b moves by one at most.
    const long long move = 2 * line.db * line.step;
    constexpr auto size = std::ptrdiff_t(sizeof(Pixel));
    const std::ptrdiff_t alongStride = Steep ? bytesPerLine : size;
    const std::ptrdiff_t acrossStride = (Steep ? size : bytesPerLine) * (Rising ? 1 : -1);
    std::uint8_t *p = Steep ? pixels.bits + first * bytesPerLine + b * size : pixels.bits + b * bytesPerLine + first * size;
    auto plot = [&](Pixel colour) {
        std::memcpy(p, &colour, sizeof(Pixel));
        rem += move;
        bool moved;
        if constexpr (Rising) {
            moved = rem >= twoDa;
            rem -= moved ? twoDa : 0;
        } else {
            moved = rem < 0;
            rem += moved ? twoDa : 0;
        }
        p += alongStride + (moved ? acrossStride : 0);
    };
    long long count = last - first + 1;
    if constexpr (Dotted) {
        // The i-th pixel walked is k + i·step from the first end.
        const int phase = static_cast<int>(((k % 3) + 3) % 3);
        const int phaseStep = line.step > 0 ? 1 : 2;
        const Pixel c0 = ink.colour[phase];
        const Pixel c1 = ink.colour[(phase + phaseStep) % 3];
        const Pixel c2 = ink.colour[(phase + 2 * phaseStep) % 3];
        for (; count >= 3; count -= 3) {
            plot(c0);
            plot(c1);
            plot(c2);
        }
        if (count > 0)
            plot(c0);
        if (count > 1)
            plot(c1);
    } else {
        for (; count > 0; --count)
            plot(ink.colour[0]);
    }
}

template <class Pixel, bool Steep>
void walkLine(const PixelBuffer &pixels, const MajorAxisLine &line, long long first, long long last, bool dotted,
              Ink<Pixel> ink)
{
    const bool rising = line.db * line.step >= 0;
    if (dotted) {
        if (rising)
            walkLine<Pixel, Steep, true, true>(pixels, line, first, last, ink);
        else
            walkLine<Pixel, Steep, true, false>(pixels, line, first, last, ink);
    } else if (!Steep && line.db == 0) {
        // A solid horizontal ruling is one run of one row.
        auto *row = reinterpret_cast<Pixel *>(pixels.bits + line.b1 * pixels.bytesPerLine);
        std::fill(row + first, row + last + 1, ink.colour[0]);
    } else if (rising) {
        walkLine<Pixel, Steep, false, true>(pixels, line, first, last, ink);
    } else {
        walkLine<Pixel, Steep, false, false>(pixels, line, first, last, ink);
    }
}

template <class Pixel>
void drawThinLine(const PixelBuffer &pixels, TPoint from, TPoint to, bool dotted, Ink<Pixel> ink)
{
    // Walk the major axis; `along` and `across` swap for steep lines.
    const bool steep = std::llabs(static_cast<long long>(to.Y) - from.Y) > std::llabs(static_cast<long long>(to.X) - from.X);
    const long long a1 = steep ? from.Y : from.X, b1 = steep ? from.X : from.Y;
    const long long a2 = steep ? to.Y : to.X, b2 = steep ? to.X : to.Y;
    const long long alongLimit = steep ? pixels.height : pixels.width;
    const long long acrossLimit = steep ? pixels.width : pixels.height;
    const long long step = a2 > a1 ? 1 : -1;
    const MajorAxisLine line{a1, b1, step, (a2 - a1) * step, b2 - b1};
    // The visible stretch, walked in increasing picture order: far-off end
    // points cost nothing.
    long long first = std::max(std::min(a1, a2), 0LL);
    long long last = std::min(std::max(a1, a2), alongLimit - 1);
    if (first > last || !narrowToPicture(line, first, last, acrossLimit))
        return;
    if (steep)
        walkLine<Pixel, true>(pixels, line, first, last, dotted, ink);
    else
        walkLine<Pixel, false>(pixels, line, first, last, dotted, ink);
}

// ---- Fills ----

template <class Pixel>
void fillPixels(const PixelBuffer &pixels, int left, int top, int width, int height, Pixel colour)
{
    const std::ptrdiff_t bytesPerLine = pixels.bytesPerLine;
    constexpr auto size = std::ptrdiff_t(sizeof(Pixel));
    if (width == pixels.width && bytesPerLine == size * pixels.width) {
        // Whole rows with no padding between them: one run.
        auto *start = reinterpret_cast<Pixel *>(pixels.bits + top * bytesPerLine);
        std::fill(start, start + std::ptrdiff_t(height) * width, colour);
        return;
    }
    std::uint8_t *row = pixels.bits + top * bytesPerLine + left * size;
    std::uint8_t *const end = row + height * bytesPerLine;
    if (width <= 8) {
        // A plumb ruling: a few pixels on each of many rows.
        for (; row != end; row += bytesPerLine)
            for (int x = 0; x < width; ++x)
                reinterpret_cast<Pixel *>(row)[x] = colour;
        return;
    }
    for (; row != end; row += bytesPerLine)
        std::fill_n(reinterpret_cast<Pixel *>(row), width, colour);
}

// ---- Wide lines ----

// The wide-line rule works in whole numbers of up to about 4·coordinate²·w²:
// 128 bits for end points anywhere in the int range, but 64 bits for lines of
// a sheet, which keeps the browser's core (where 128-bit division is done in
// software) fast. Both give the same pixels.
template <class Whole> struct Arithmetic;
template <> struct Arithmetic<long long> {
    using Unsigned = unsigned long long;
};
template <> struct Arithmetic<Wide> {
    using Unsigned = UWide;
};

// Coordinates and pen widths below these keep every product under 2^62.
constexpr long long kNarrowCoordinateLimit = 1LL << 20;
constexpr int kNarrowWidthLimit = 1 << 8;

bool fitsInSixtyFourBits(TPoint from, TPoint to, int width)
{
    auto small = [](int v) { return std::llabs(static_cast<long long>(v)) < kNarrowCoordinateLimit; };
    return small(from.X) && small(from.Y) && small(to.X) && small(to.Y) && width < kNarrowWidthLimit;
}

// √M: its whole part, and whether it is exact.
template <class Whole> struct Root {
    Whole whole;
    bool exact;
};

template <class Whole> Root<Whole> rootOf(typename Arithmetic<Whole>::Unsigned m)
{
    using Unsigned = typename Arithmetic<Whole>::Unsigned;
    // A double's root is within a step or two below 2^62; beyond, long double's.
    auto r = sizeof(Unsigned) == 8 ? static_cast<Unsigned>(std::sqrt(static_cast<double>(m)))
                                   : static_cast<Unsigned>(std::sqrt(static_cast<long double>(m)));
    while (r > 0 && r * r > m)
        --r;
    while ((r + 1) * (r + 1) <= m)
        ++r;
    return {static_cast<Whole>(r), r * r == m};
}

// A bound k + q·√M (q = −1, 0 or 1) of one of the pen rectangle's edges.
template <class Whole> struct Bound {
    Whole k;
    int q;
};

// floor(k + q·√M).
template <class Whole> Whole floorOf(const Bound<Whole> &b, const Root<Whole> &root)
{
    if (b.q == 0)
        return b.k;
    if (b.q > 0)
        return b.k + root.whole;
    return b.k - root.whole - (root.exact ? 0 : 1);
}

// The whole x with low < α·x + β ≤ high, as [first, last] (possibly empty).
// For whole t, t > v ⇔ t ≥ ⌊v⌋ + 1 and t ≤ v ⇔ t ≤ ⌊v⌋, and
// ⌊(k + q√M) / m⌋ = ⌊⌊k + q√M⌋ / m⌋ for m > 0: only whole numbers are used.
template <class Whole>
void narrowSpan(Whole alpha, Whole beta, Bound<Whole> low, Bound<Whole> high, const Root<Whole> &root, Whole &first,
                Whole &last)
{
    low.k -= beta;
    high.k -= beta;
    if (alpha == 0) {
        if (!(0 >= floorOf(low, root) + 1 && 0 <= floorOf(high, root))) {
            first = 1;
            last = 0;
        }
        return;
    }
    if (alpha > 0) {
        first = std::max(first, floorDiv(floorOf(low, root), alpha) + 1);
        last = std::min(last, floorDiv(floorOf(high, root), alpha));
    } else {
        // x < low / α and x ≥ high / α; with α < 0, ⌈v / α⌉ = −⌊v / |α|⌋.
        const Whole m = -alpha;
        last = std::min(last, -floorDiv(floorOf(low, root), m) - 1);
        first = std::max(first, -floorDiv(floorOf(high, root), m));
    }
}

// The wide-line rule in doubled coordinates, where the centre (x + ½, y + ½)
// of pixel (x, y) is (2x + 1, 2y + 1): whole numbers throughout.
constexpr long long kScale = 2;

template <class Whole, class Pixel>
void drawWideLine(const PixelBuffer &pixels, TPoint from, TPoint to, int width, bool dotted, Ink<Pixel> ink)
{
    using Unsigned = typename Arithmetic<Whole>::Unsigned;
    // A is the end the direction d = B − A leaves rightwards (or, plumb,
    // downwards); n, across, points right (or, level, down). A centre C is
    // inside when −w|d| < n·(C − 2A) ≤ w|d| and −c < d·(C − 2A) ≤ 2|d|² + c,
    // with c = w|d| for square caps and 0 for flat ends.
    TPoint a = from, b = to;
    if (b.X < a.X || (b.X == a.X && b.Y < a.Y))
        std::swap(a, b);
    const Whole dx = Whole(b.X) - a.X, dy = Whole(b.Y) - a.Y;
    const Whole nx = dy > 0 ? dy : -dy, ny = dy > 0 ? -dx : dx;
    const Unsigned lengthSquared = static_cast<Unsigned>(dx * dx + dy * dy);
    const Unsigned half = Unsigned(kScale / 2) * Unsigned(width);
    const Root<Whole> root = rootOf<Whole>(lengthSquared * half * half); // w|d|
    const int cap = dotted ? 0 : 1;
    const Whole w = width;
    // Rows the rectangle can reach.
    const long long top = std::max<long long>(std::min(a.Y, b.Y) - static_cast<long long>(w), 0);
    const long long bottom = std::min<long long>(std::max(a.Y, b.Y) + static_cast<long long>(w), pixels.height - 1);
    // The dots run along the major axis from the first end.
    const bool steep = std::llabs(static_cast<long long>(to.Y) - from.Y) > std::llabs(static_cast<long long>(to.X) - from.X);
    const long long a1 = steep ? from.Y : from.X;
    const long long step = (steep ? 1LL * to.Y - from.Y : 1LL * to.X - from.X) > 0 ? 1 : -1;
    auto isOn = [&](long long major) {
        const long long dots = floorDiv<long long>((major - a1) * step, width);
        return ((dots % 3) + 3) % 3 == 0;
    };
    for (long long y = top; y <= bottom; ++y) {
        // With C the centre and A2 = 2A: n·(C − A2) = 2n_x·x + n_x(1 − 2A_x) + n_y(2y + 1 − 2A_y),
        // and d·(C − A2) alike.
        const Whole ey = kScale * Whole(y) + 1 - kScale * Whole(a.Y);
        const Whole ex0 = 1 - kScale * Whole(a.X);
        Whole first = 0, last = pixels.width - 1;
        narrowSpan<Whole>(kScale * nx, nx * ex0 + ny * ey, {0, -1}, {0, 1}, root, first, last);
        narrowSpan<Whole>(kScale * dx, dx * ex0 + dy * ey, {0, -cap}, {kScale * static_cast<Whole>(lengthSquared), cap},
                          root, first, last);
        if (first > last)
            continue;
        auto *row = reinterpret_cast<Pixel *>(pixels.bits + y * pixels.bytesPerLine);
        if (!dotted) {
            std::fill(row + static_cast<long long>(first), row + static_cast<long long>(last) + 1, ink.colour[0]);
        } else if (steep) {
            const Pixel colour = isOn(y) ? ink.colour[0] : ink.colour[1];
            std::fill(row + static_cast<long long>(first), row + static_cast<long long>(last) + 1, colour);
        } else {
            for (auto x = static_cast<long long>(first); x <= static_cast<long long>(last); ++x)
                row[x] = isOn(x) ? ink.colour[0] : ink.colour[1];
        }
    }
}

// A solid level or plumb ruling: its rectangle's edges lie on pixel
// boundaries, so the pixels are one plain fill (the rule above, worked out).
template <class Pixel>
void drawWideRuling(const PixelBuffer &pixels, TPoint from, TPoint to, int width, Pixel colour)
{
    const long long before = width / 2, after = (width - 1) / 2;
    const long long left = std::min<long long>(from.X, to.X) - before;
    const long long right = std::max<long long>(from.X, to.X) + after + 1;
    const long long top = std::min<long long>(from.Y, to.Y) - before;
    const long long bottom = std::max<long long>(from.Y, to.Y) + after + 1;
    const long long x0 = std::max(left, 0LL), x1 = std::min<long long>(right, pixels.width);
    const long long y0 = std::max(top, 0LL), y1 = std::min<long long>(bottom, pixels.height);
    if (x0 < x1 && y0 < y1)
        fillPixels(pixels, int(x0), int(y0), int(x1 - x0), int(y1 - y0), colour);
}

template <class Pixel>
void drawLineIn(const PixelBuffer &pixels, TPoint from, TPoint to, int width, LineStyle style, LineInk lineInk)
{
    const Ink<Pixel> ink = inkOf<Pixel>(lineInk);
    const bool dotted = style == LineStyle::Dotted;
    if (width <= 1)
        drawThinLine(pixels, from, to, dotted, ink);
    else if (!dotted && (from.X == to.X || from.Y == to.Y))
        drawWideRuling(pixels, from, to, width, ink.colour[0]);
    else if (fitsInSixtyFourBits(from, to, width))
        drawWideLine<long long>(pixels, from, to, width, dotted, ink);
    else
        drawWideLine<Wide>(pixels, from, to, width, dotted, ink);
}

} // namespace

std::optional<ThinLineStretch> thinLineStretch(TPoint from, TPoint to, int width, int height)
{
    if (from == to)
        return std::nullopt;
    const bool steep = std::llabs(static_cast<long long>(to.Y) - from.Y) > std::llabs(static_cast<long long>(to.X) - from.X);
    const long long a1 = steep ? from.Y : from.X, b1 = steep ? from.X : from.Y;
    const long long a2 = steep ? to.Y : to.X, b2 = steep ? to.X : to.Y;
    const long long step = a2 > a1 ? 1 : -1;
    const MajorAxisLine line{a1, b1, step, (a2 - a1) * step, b2 - b1};
    long long first = std::max(std::min(a1, a2), 0LL);
    long long last = std::min(std::max(a1, a2), (steep ? height : width) - 1LL);
    if (first > last || !narrowToPicture(line, first, last, steep ? width : height))
        return std::nullopt;
    // The same quotient and remainder as walkLine, one addition a pixel.
    const long long twoDa = 2 * line.da;
    const long long k = line.kAt(first);
    const Wide numerator = Wide(2) * k * line.db + line.da;
    const long long quotient = static_cast<long long>(floorDiv<Wide>(numerator, twoDa));
    auto rem = static_cast<long long>(numerator - Wide(quotient) * twoDa);
    const long long move = 2 * line.db * line.step;
    ThinLineStretch out;
    out.steep = steep;
    out.across = move >= 0 ? 1 : -1;
    const long long b = b1 + quotient;
    out.first = steep ? TPoint{int(b), int(first)} : TPoint{int(first), int(b)};
    // Pixel i of the walk is k + i·step from the first end: the pen's when
    // that is a multiple of three.
    out.firstPen = static_cast<int>(((-(k % 3) * step) % 3 + 3) % 3);
    out.moves.reserve(static_cast<std::size_t>(last - first));
    for (long long a = first; a < last; ++a) {
        rem += move;
        const bool moved = move >= 0 ? rem >= twoDa : rem < 0;
        rem += moved ? (move >= 0 ? -twoDa : twoDa) : 0;
        out.moves += moved ? '1' : '0';
    }
    return out;
}

void drawLine(const PixelBuffer &pixels, TPoint from, TPoint to, int width, LineStyle style, LineInk ink)
{
    if (from == to || pixels.width <= 0 || pixels.height <= 0)
        return;
    if (pixels.format == PixelFormat::Grey8)
        drawLineIn<std::uint8_t>(pixels, from, to, width, style, ink);
    else
        drawLineIn<std::uint32_t>(pixels, from, to, width, style, ink);
}

void fill(const PixelBuffer &pixels, long long left, long long top, long long right, long long bottom, TColor colour)
{
    const long long x0 = std::max(left, 0LL), x1 = std::min<long long>(right, pixels.width);
    const long long y0 = std::max(top, 0LL), y1 = std::min<long long>(bottom, pixels.height);
    if (x0 >= x1 || y0 >= y1)
        return;
    if (pixels.format == PixelFormat::Grey8)
        fillPixels(pixels, int(x0), int(y0), int(x1 - x0), int(y1 - y0), greyOf(colour));
    else
        fillPixels(pixels, int(x0), int(y0), int(x1 - x0), int(y1 - y0), rgb32Of(colour));
}

} // namespace gridora::raster

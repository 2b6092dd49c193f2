#include "painter_surface.h"

#include "segment_clip.h"
#include "text_line.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <new>
#include <utility>
#include <vector>

namespace gridora {

static QColor toQColor(TColor colour)
{
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | (colour & 0xFFFFFFu)));
}

PainterSurface::PainterSurface(QPaintDevice *device, int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi)
{
    painter_.begin(device);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    // Vector devices do not clip for us; strokes past the page must not show.
    painter_.setClipRect(QRect(0, 0, width, height));
}

PainterSurface::~PainterSurface()
{
    finish();
}

bool PainterSurface::finish()
{
    return painter_.isActive() ? painter_.end() : true;
}

void PainterSurface::usePen(const TPen &pen, const TBrush &brush, double dashOffset)
{
    const bool dotted = pen.Style == TPenStyle::psDot;
    QPen qpen(toQColor(pen.Color), std::max(pen.Width, 1), dotted ? Qt::DotLine : Qt::SolidLine,
              // A square cap would lengthen every dot into a dash.
              dotted ? Qt::FlatCap : Qt::SquareCap, Qt::MiterJoin);
    if (dotted)
        qpen.setDashOffset(dashOffset);
    painter_.setPen(qpen);
    painter_.setBrush(Qt::NoBrush);
    painter_.setBackground(toQColor(brush.Color));
    painter_.setBackgroundMode(dotted ? Qt::OpaqueMode : Qt::TransparentMode);
}

void PainterSurface::line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush)
{
    if (from == to)
        return; // a line of no length adds nothing
    // Keep a band around the surface so that wide pens and caps at the edge
    // are painted as if the line went on.
    const long double band = std::max(pen.Width, 1) + 2;
    const ClipBox box{-band, -band, width_ - 1 + band, height_ - 1 + band};
    const auto seg = clipSegment(from.X, from.Y, to.X, to.Y, box);
    if (!seg)
        return;
    const double dashPeriod = 3.0; // Qt's dot: one on, two off, in pen widths
    const double offset = std::fmod(static_cast<double>(seg->startDistance) / std::max(pen.Width, 1),
                                    dashPeriod);
    usePen(pen, brush, offset);
    painter_.drawLine(QLineF(double(seg->x1), double(seg->y1), double(seg->x2), double(seg->y2)));
}

void PainterSurface::rectangle(const TRect &r, const TPen &pen, const TBrush &brush)
{
    const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
    const int top = std::min(r.Top, r.Bottom), bottom = std::max(r.Top, r.Bottom);
    if (left == right || top == bottom)
        return;
    // The visible part in 64 bits: the rectangle may span the whole int range.
    const long long x0 = std::max(left, 0), x1 = std::min(right, width_);
    const long long y0 = std::max(top, 0), y1 = std::min(bottom, height_);
    if (x0 < x1 && y0 < y1)
        fill(QRect(int(x0), int(y0), int(x1 - x0), int(y1 - y0)), brush.Color);
    // The outline runs through the outermost pixels inside the rectangle.
    const TPoint corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    for (int i = 0; i < 4; ++i) {
        const TPoint a = corners[i], b = corners[(i + 1) % 4];
        if (a == b)
            continue;
        line(a, b, pen, brush);
    }
}

void PainterSurface::fill(const QRect &area, TColor colour)
{
    painter_.fillRect(area, toQColor(colour));
}

void PainterSurface::text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush)
{
    QFont qfont;
    qfont.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * dpi_ / 72.0))));
    painter_.setFont(qfont);
    painter_.setPen(toQColor(font.Color));
    painter_.setBackground(toQColor(brush.Color));
    painter_.setBackgroundMode(Qt::OpaqueMode);
    // Left to right whatever script the text starts in: a line beginning with
    // right-to-left letters would otherwise be laid out as a right-to-left
    // paragraph, turning round what follows it ("v = 0.60 c" left of the name).
    painter_.setLayoutDirection(Qt::LeftToRight);
    const QFontMetrics metrics(qfont, painter_.device());
    const QString line = paintedLine(text);
    // A cell wholly off the surface shows nothing, and positions far off
    // overflow the baseline and the painter's fixed-point glyph positions.
    // The reach errs wide, for glyphs that overhang their cell.
    const long long reach = static_cast<long long>(metrics.horizontalAdvance(line)) + metrics.height();
    if (at.X >= width_ || at.Y >= height_ || at.X + reach <= 0 || at.Y + reach <= 0)
        return;
    painter_.drawText(QPoint(at.X, at.Y + metrics.ascent()), line);
}

ImageSurface::ImageSurface(int width, int height, int dpi, QImage::Format format)
    : detail::ImageStore{[&] {
          QImage image(std::max(width, 1), std::max(height, 1), format);
          // QImage says its memory could not be had by being null; painting
          // on it would then write through a null pointer.
          if (image.isNull())
              throw std::bad_alloc();
          image.fill(Qt::white);
          image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
          image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
          return image;
      }()},
      PainterSurface(&image_, width, height, dpi)
{
}

ImageSurface::ImageSurface(QImage picture, int dpi)
    : detail::ImageStore{std::move(picture)},
      PainterSurface(&image_, image_.width(), image_.height(), dpi)
{
}

namespace {

// End points may lie anywhere in the int range: products of two coordinate
// differences (up to 2^33 each) need more than 64 bits.
__extension__ typedef __int128 Wide;
// floor(a / b) for b > 0.
template <class Whole> Whole floorDiv(Whole a, Whole b)
{
    return a / b - ((a % b != 0) && (a < 0));
}

// The pixel values a one-pixel line writes, already in the image's format:
// the pen's, then the brush's twice, so that a dotted line reads its colour
// at k mod 3 and a solid one at 0.
template <class Pixel> struct LineInk {
    Pixel colour[3];
};

// A one-pixel line along its major axis a, from its first end (a1, b1) over
// da > 0 pixels to b1 + db: at k pixels from the first end the minor
// coordinate is the nearest whole pixel, halves going down,
// b1 + floor((2k·db + da) / 2da).
struct MajorAxisLine {
    long long a1, b1, step, da, db;

    long long kAt(long long a) const { return (a - a1) * step; }
    long long bAt(long long a) const
    {
        return b1 + static_cast<long long>(floorDiv<Wide>(Wide(2) * kAt(a) * db + da, Wide(2) * da));
    }
};

// ceil(a / b) for b > 0.
Wide ceilDiv(Wide a, Wide b)
{
    return -floorDiv(-a, b);
}

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
void walkLine(uchar *bits, qsizetype bytesPerLine, const MajorAxisLine &line, long long first,
              long long last, LineInk<Pixel> ink)
{
    const long long twoDa = 2 * line.da;
    const long long k = line.kAt(first);
    const Wide numerator = Wide(2) * k * line.db + line.da;
    const long long quotient = static_cast<long long>(floorDiv<Wide>(numerator, twoDa));
    const long long b = line.b1 + quotient;
    auto rem = static_cast<long long>(numerator - Wide(quotient) * twoDa); // 0 <= rem < 2da
    // One step along moves k by `step` and the numerator by 2db·step, with
    // |2db·step| <= 2da: b moves by one at most.
    const long long move = 2 * line.db * line.step;
    const qsizetype alongStride = Steep ? bytesPerLine : qsizetype(sizeof(Pixel));
    const qsizetype acrossStride = (Steep ? qsizetype(sizeof(Pixel)) : bytesPerLine) * (Rising ? 1 : -1);
    uchar *p = Steep ? bits + first * bytesPerLine + b * qsizetype(sizeof(Pixel))
                     : bits + b * bytesPerLine + first * qsizetype(sizeof(Pixel));
    auto plot = [&](Pixel colour) {
        *reinterpret_cast<Pixel *>(p) = colour;
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
        const int phase = static_cast<int>(k % 3);
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
void walkLine(uchar *bits, qsizetype bytesPerLine, const MajorAxisLine &line, long long first,
              long long last, bool dotted, LineInk<Pixel> ink)
{
    const bool rising = line.db * line.step >= 0;
    if (dotted) {
        if (rising)
            walkLine<Pixel, Steep, true, true>(bits, bytesPerLine, line, first, last, ink);
        else
            walkLine<Pixel, Steep, true, false>(bits, bytesPerLine, line, first, last, ink);
    } else if (!Steep && line.db == 0) {
        // A solid horizontal ruling is one run of one row.
        Pixel *row = reinterpret_cast<Pixel *>(bits + line.b1 * bytesPerLine);
        std::fill(row + first, row + last + 1, ink.colour[0]);
    } else if (rising) {
        walkLine<Pixel, Steep, false, true>(bits, bytesPerLine, line, first, last, ink);
    } else {
        walkLine<Pixel, Steep, false, false>(bits, bytesPerLine, line, first, last, ink);
    }
}

template <class Pixel>
void walkLine(uchar *bits, qsizetype bytesPerLine, bool steep, const MajorAxisLine &line,
              long long first, long long last, bool dotted, LineInk<Pixel> ink)
{
    if (steep)
        walkLine<Pixel, true>(bits, bytesPerLine, line, first, last, dotted, ink);
    else
        walkLine<Pixel, false>(bits, bytesPerLine, line, first, last, dotted, ink);
}

template <class Pixel>
void fillPixels(uchar *bits, qsizetype bytesPerLine, int imageWidth, const QRect &area, Pixel colour)
{
    if (area.width() == imageWidth && bytesPerLine == qsizetype(sizeof(Pixel)) * imageWidth) {
        // Whole rows with no padding between them: one run.
        Pixel *start = reinterpret_cast<Pixel *>(bits + area.top() * bytesPerLine);
        std::fill(start, start + qsizetype(area.height()) * imageWidth, colour);
        return;
    }
    uchar *row = bits + area.top() * bytesPerLine + area.left() * qsizetype(sizeof(Pixel));
    uchar *const end = row + area.height() * bytesPerLine;
    if (area.width() <= 8) {
        // A plumb ruling: a few pixels on each of many rows.
        const int width = area.width();
        for (; row != end; row += bytesPerLine)
            for (int x = 0; x < width; ++x)
                reinterpret_cast<Pixel *>(row)[x] = colour;
        return;
    }
    for (; row != end; row += bytesPerLine)
        std::fill_n(reinterpret_cast<Pixel *>(row), area.width(), colour);
}

} // namespace

void ImageSurface::fill(const QRect &area, TColor colour)
{
    // As QPainter fills a greyscale image: with the colour's grey.
    if (image_.format() == QImage::Format_Grayscale8)
        fillPixels(image_.bits(), image_.bytesPerLine(), image_.width(), area,
                   static_cast<uchar>(qGray(static_cast<QRgb>(colour))));
    else
        fillPixels(image_.bits(), image_.bytesPerLine(), image_.width(), area, QRgb(0xFF000000u | colour));
}

void ImageSurface::line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush)
{
    if (from == to)
        return;
    if (pen.Width > 1) {
        const long long half = pen.Width / 2;
        // QPainter turns colours into grey through a colour transform, not
        // qGray; the two agree on neutral greys only.
        const TColor blue = pen.Color & 0xFF;
        const bool neutral = (pen.Color >> 16 & 0xFF) == blue && (pen.Color >> 8 & 0xFF) == blue;
        if (pen.Width % 2 != 0 || pen.Style != TPenStyle::psSolid || (from.X != to.X && from.Y != to.Y) ||
            (image_.format() == QImage::Format_Grayscale8 && !neutral)) {
            PainterSurface::line(from, to, pen, brush);
            return;
        }
        // A band w wide around the ruling, lengthened by w/2 at each end: its
        // edges lie on pixel boundaries, so the pixels inside are plain.
        const long long left = std::min<long long>(from.X, to.X) - half;
        const long long right = std::max<long long>(from.X, to.X) + half;
        const long long top = std::min<long long>(from.Y, to.Y) - half;
        const long long bottom = std::max<long long>(from.Y, to.Y) + half;
        const long long x0 = std::max(left, 0LL), x1 = std::min<long long>(right, width());
        const long long y0 = std::max(top, 0LL), y1 = std::min<long long>(bottom, height());
        if (x0 < x1 && y0 < y1)
            fill(QRect(int(x0), int(y0), int(x1 - x0), int(y1 - y0)), pen.Color);
        return;
    }
    // Walk the major axis; `along` and `across` swap for steep lines.
    const bool steep = std::abs(static_cast<long long>(to.Y) - from.Y) > std::abs(static_cast<long long>(to.X) - from.X);
    const long long a1 = steep ? from.Y : from.X, b1 = steep ? from.X : from.Y;
    const long long a2 = steep ? to.Y : to.X, b2 = steep ? to.X : to.Y;
    const long long alongLimit = steep ? height() : width();
    const long long acrossLimit = steep ? width() : height();
    const long long step = a2 > a1 ? 1 : -1;
    const MajorAxisLine line{a1, b1, step, (a2 - a1) * step, b2 - b1};
    // The visible stretch, walked in increasing picture order: far-off end
    // points cost nothing.
    long long first = std::max(std::min(a1, a2), 0LL);
    long long last = std::min(std::max(a1, a2), alongLimit - 1);
    if (first > last || !narrowToPicture(line, first, last, acrossLimit))
        return;
    const bool dotted = pen.Style == TPenStyle::psDot;
    uchar *bits = image_.bits(); // never shared while painted on, so no copy
    const qsizetype bytesPerLine = image_.bytesPerLine();
    if (image_.format() == QImage::Format_Grayscale8) {
        const auto penGrey = static_cast<uchar>(qGray(static_cast<QRgb>(pen.Color)));
        const auto gapGrey = static_cast<uchar>(qGray(static_cast<QRgb>(brush.Color)));
        walkLine(bits, bytesPerLine, steep, line, first, last, dotted, LineInk<uchar>{{penGrey, gapGrey, gapGrey}});
    } else {
        const QRgb penRgb = 0xFF000000u | pen.Color, gapRgb = 0xFF000000u | brush.Color;
        walkLine(bits, bytesPerLine, steep, line, first, last, dotted, LineInk<QRgb>{{penRgb, gapRgb, gapRgb}});
    }
}

namespace {

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

// The destination pixels worked out: `width` × `height` of them from
// (`left`, `top`), counted from the destination's own top-left.
struct StretchWindow {
    long long left, top;
    int width, height;
};

QImage stretchPart(const QImage &from, const StretchAxis &across, const StretchAxis &down, const StretchWindow &part)
{
    QImage out(part.width, part.height, QImage::Format_RGB32);
    if (out.isNull())
        return out; // too large to hold: nothing to draw
    // Only the source rectangle is read, so only the part of it inside the
    // picture is converted.
    const long long left = std::max(across.sourceStart, 0LL);
    const long long top = std::max(down.sourceStart, 0LL);
    const long long right = std::min<long long>(across.sourceStart + across.sourceCount, from.width());
    const long long bottom = std::min<long long>(down.sourceStart + down.sourceCount, from.height());
    const QImage src = left < right && top < bottom
                           ? from.copy(int(left), int(top), int(right - left), int(bottom - top))
                                 .convertToFormat(QImage::Format_RGB32)
                           : QImage();
    // Every row of the result takes its columns from the same source spans.
    std::vector<std::pair<long long, long long>> columns(static_cast<std::size_t>(part.width));
    for (int i = 0; i < part.width; ++i)
        columns[static_cast<std::size_t>(i)] = across.span(part.left + i, from.width());
    for (int j = 0; j < part.height; ++j) {
        const auto [row0, row1] = down.span(part.top + j, from.height());
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(j));
        for (int i = 0; i < part.width; ++i) {
            const auto [col0, col1] = columns[static_cast<std::size_t>(i)];
            QRgb merged = 0xFFFFFFFFu;
            for (long long y = row0; y <= row1; ++y) {
                const auto *pixels = reinterpret_cast<const QRgb *>(src.constScanLine(int(y - top)));
                for (long long x = col0; x <= col1; ++x)
                    merged &= pixels[x - left];
            }
            line[i] = merged;
        }
    }
    return out;
}

StretchAxis axisOf(long long sourceFrom, long long sourceTo, long long count)
{
    return {sourceFrom, std::max(sourceTo - sourceFrom, 1LL), count};
}

} // namespace

QImage stretchBlackWins(const QImage &from, const TRect &source, QSize size)
{
    if (size.isEmpty())
        return QImage(size, QImage::Format_RGB32);
    return stretchPart(from, axisOf(source.Left, source.Right, size.width()),
                       axisOf(source.Top, source.Bottom, size.height()),
                       {0, 0, size.width(), size.height()});
}

void PainterSurface::copyRect(const TRect &dest, const Surface &from, const TRect &source)
{
    const auto *painterSource = dynamic_cast<const PainterSurface *>(&from);
    const QImage *image = painterSource ? painterSource->pixels() : nullptr;
    const long long destWidth = static_cast<long long>(dest.Right) - dest.Left;
    const long long destHeight = static_cast<long long>(dest.Bottom) - dest.Top;
    if (!image || destWidth <= 0 || destHeight <= 0)
        return;
    // Only what lands on the surface is worked out: a destination may reach
    // billions of pixels past it.
    const long long left = std::max<long long>(dest.Left, 0), top = std::max<long long>(dest.Top, 0);
    const long long right = std::min<long long>(dest.Right, width_);
    const long long bottom = std::min<long long>(dest.Bottom, height_);
    if (left >= right || top >= bottom)
        return;
    const StretchWindow part{left - dest.Left, top - dest.Top, int(right - left), int(bottom - top)};
    const QImage stretched = stretchPart(*image, axisOf(source.Left, source.Right, destWidth),
                                         axisOf(source.Top, source.Bottom, destHeight), part);
    if (!stretched.isNull())
        painter_.drawImage(QPoint(int(left), int(top)), stretched);
}

} // namespace gridora

#include "painter_surface.h"

#include "segment_clip.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>

#include <algorithm>
#include <cstdlib>
#include <cmath>

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
    const QRect visible = QRect(0, 0, width_, height_).intersected(QRect(left, top, right - left, bottom - top));
    if (!visible.isEmpty())
        painter_.fillRect(visible, toQColor(brush.Color));
    // The outline runs through the outermost pixels inside the rectangle.
    const TPoint corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    for (int i = 0; i < 4; ++i) {
        const TPoint a = corners[i], b = corners[(i + 1) % 4];
        if (a == b)
            continue;
        line(a, b, pen, brush);
    }
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
    const QFontMetrics metrics(qfont, painter_.device());
    painter_.drawText(QPoint(at.X, at.Y + metrics.ascent()), QString::fromStdString(text));
}

void PainterSurface::copyRect(const TRect &dest, const Surface &from, const TRect &source)
{
    const auto *painterSource = dynamic_cast<const PainterSurface *>(&from);
    const QImage *image = painterSource ? painterSource->pixels() : nullptr;
    if (!image || dest.width() <= 0 || dest.height() <= 0)
        return;
    painter_.drawImage(QPoint(dest.Left, dest.Top),
                       stretchBlackWins(*image, source, QSize(dest.width(), dest.height())));
}

ImageSurface::ImageSurface(int width, int height, int dpi, QImage::Format format)
    : detail::ImageStore{[&] {
          QImage image(std::max(width, 1), std::max(height, 1), format);
          image.fill(Qt::white);
          image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
          image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
          return image;
      }()},
      PainterSurface(&image_, width, height, dpi)
{
}

void ImageSurface::setPixel(int x, int y, TColor colour)
{
    uchar *line = image_.scanLine(y);
    if (image_.format() == QImage::Format_Grayscale8)
        line[x] = static_cast<uchar>(qGray(static_cast<QRgb>(colour)));
    else
        reinterpret_cast<QRgb *>(line)[x] = 0xFF000000u | colour;
}

// floor(a / b) for b > 0.
static long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && (a < 0));
}

void ImageSurface::line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush)
{
    if (pen.Width > 1) {
        PainterSurface::line(from, to, pen, brush);
        return;
    }
    if (from == to)
        return;
    // Walk the major axis; `along` and `across` swap for steep lines.
    const bool steep = std::abs(to.Y - from.Y) > std::abs(to.X - from.X);
    const long long a1 = steep ? from.Y : from.X, b1 = steep ? from.X : from.Y;
    const long long a2 = steep ? to.Y : to.X, b2 = steep ? to.X : to.Y;
    const long long alongLimit = steep ? height() : width();
    const long long acrossLimit = steep ? width() : height();
    const long long step = a2 > a1 ? 1 : -1;
    const long long da = (a2 - a1) * step; // > 0
    const long long db = b2 - b1;
    const long long first = std::max(std::min(a1, a2), 0LL);
    const long long last = std::min(std::max(a1, a2), alongLimit - 1);
    const bool dotted = pen.Style == TPenStyle::psDot;
    for (long long a = first; a <= last; ++a) {
        const long long k = (a - a1) * step; // pixels from the first end
        // Nearest pixel to b1 + k·db/da, halves going down: floor(b + 1/2).
        const long long b = b1 + floorDiv(2 * k * db + da, 2 * da);
        if (b < 0 || b >= acrossLimit)
            continue;
        const TColor colour = (!dotted || k % 3 == 0) ? pen.Color : brush.Color;
        if (steep)
            setPixel(static_cast<int>(b), static_cast<int>(a), colour);
        else
            setPixel(static_cast<int>(a), static_cast<int>(b), colour);
    }
}

// Which source lines [first, last] land on destination line j of `count`.
static std::pair<int, int> sourceSpan(int j, int count, int sourceCount)
{
    const long long s = sourceCount, d = count;
    const long long first = (j * s + d - 1) / d;      // ceil(j·s/d)
    const long long last = ((j + 1) * s + d - 1) / d - 1;
    if (first > last)                                 // enlarging: one source line
        return {static_cast<int>(j * s / d), static_cast<int>(j * s / d)};
    return {static_cast<int>(first), static_cast<int>(last)};
}

QImage stretchBlackWins(const QImage &from, const TRect &source, QSize size)
{
    const QImage src = from.convertToFormat(QImage::Format_RGB32);
    QImage out(size, QImage::Format_RGB32);
    const int sw = std::max(source.width(), 1), sh = std::max(source.height(), 1);
    auto pixel = [&](int x, int y) -> QRgb {
        const int sx = source.Left + x, sy = source.Top + y;
        if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height())
            return 0xFFFFFFFFu;
        return reinterpret_cast<const QRgb *>(src.constScanLine(sy))[sx];
    };
    for (int j = 0; j < size.height(); ++j) {
        const auto [row0, row1] = sourceSpan(j, size.height(), sh);
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(j));
        for (int i = 0; i < size.width(); ++i) {
            const auto [col0, col1] = sourceSpan(i, size.width(), sw);
            QRgb merged = 0xFFFFFFFFu;
            for (int y = row0; y <= row1; ++y)
                for (int x = col0; x <= col1; ++x)
                    merged &= pixel(x, y);
            line[i] = merged;
        }
    }
    return out;
}

} // namespace gridora

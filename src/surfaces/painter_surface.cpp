#include "painter_surface.h"

#include "image_surface.h"
#include "segment_clip.h"
#include "stretch.h"
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

PainterSurface::PainterSurface(QPaintDevice *device, int width, int height, int dpi, QPoint origin)
    : width_(width), height_(height), dpi_(dpi), origin_(origin)
{
    painter_.begin(device);
    painter_.translate(origin);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    // Vector devices do not clip for us; strokes past the page must not show.
    // The clip stands a sixteenth of a pixel inside the surface's edge: a
    // renderer that counts the pixels on a clip's edge as inside (poppler
    // does) would otherwise ink a column and a row past the printable area,
    // and any renderer still gives the edge pixels themselves.
    constexpr double kInside = 1.0 / 16;
    painter_.setClipRect(QRectF(0, 0, width, height).adjusted(kInside, kInside, -kInside, -kInside));
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
    // are painted as if the line went on. A one-pixel dotted line has neither
    // width nor caps, and gets none: Qt's raster engine, clipping such a line
    // where it enters an image, starts its dots a pixel off, so it is handed
    // a line that needs no clipping.
    const long double band = pen.Style == TPenStyle::psDot && pen.Width <= 1 ? 0 : std::max(pen.Width, 1) + 2;
    const ClipBox box{-band, -band, width_ - 1 + band, height_ - 1 + band};
    const auto seg = clipSegment(from.X, from.Y, to.X, to.Y, box);
    if (!seg)
        return;
    const double dashPeriod = 3.0; // Qt's dot: one on, two off, in pen widths
    const double offset = std::fmod(static_cast<double>(seg->startDistance) / std::max(pen.Width, 1),
                                    dashPeriod);
    usePen(pen, brush, offset);
    painter_.drawLine(onPixels(*seg, pen));
}

// The line as a shape whose edges lie on pixel edges, so that every device and
// every renderer, smoothing or not, covers the pixels the image covers.
QLineF PainterSurface::onPixels(const ClippedSegment &seg, const TPen &pen)
{
    const ClippedSegment shape = shapeOnPixels(seg, pen.Width, pen.Style == TPenStyle::psDot);
    return QLineF(double(shape.x1), double(shape.y1), double(shape.x2), double(shape.y2));
}

void PainterSurface::rectangle(const TRect &r, const TPen &pen, const TBrush &brush)
{
    const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
    const int top = std::min(r.Top, r.Bottom), bottom = std::max(r.Top, r.Bottom);
    if (left == right || top == bottom)
        return;
    fillVisible(left, top, right, bottom, brush.Color);
    if (pen.Style == TPenStyle::psSolid)
        outlineSolid(left, top, right, bottom, pen);
    else
        outlineDotted(left, top, right, bottom, pen, brush);
}

void PainterSurface::fillVisible(long long left, long long top, long long right, long long bottom, TColor colour)
{
    // In 64 bits: the rectangle may span the whole int range.
    const long long x0 = std::max(left, 0LL), x1 = std::min<long long>(right, width_);
    const long long y0 = std::max(top, 0LL), y1 = std::min<long long>(bottom, height_);
    if (x0 < x1 && y0 < y1)
        painter_.fillRect(QRect(int(x0), int(y0), int(x1 - x0), int(y1 - y0)), toQColor(colour));
}

// However wide the pen, the outline stays inside the rectangle: it covers the
// outermost w pixels of each side, so the masks of a sheet never eat into the
// rulings beside them.
void PainterSurface::outlineSolid(long long left, long long top, long long right, long long bottom, const TPen &pen)
{
    const long long w = std::max(pen.Width, 1);
    fillVisible(left, top, right, std::min(top + w, bottom), pen.Color);
    fillVisible(left, std::max(bottom - w, top), right, bottom, pen.Color);
    fillVisible(left, top, std::min(left + w, right), bottom, pen.Color);
    fillVisible(std::max(right - w, left), top, right, bottom, pen.Color);
}

// A dotted outline keeps its dots: four lines whose w-pixel-wide band (a pen
// of width w at x covers x − w/2 … x − w/2 + w − 1) is the outermost one.
void PainterSurface::outlineDotted(long long left, long long top, long long right, long long bottom,
                                   const TPen &pen, const TBrush &brush)
{
    const long long w = std::max(pen.Width, 1);
    // Kept inside the rectangle, so inside the int range, when it is narrower than the pen.
    const long long x1 = std::min(left + w / 2, right - 1), x2 = std::max(right - w + w / 2, x1);
    const long long y1 = std::min(top + w / 2, bottom - 1), y2 = std::max(bottom - w + w / 2, y1);
    const TPoint corners[] = {{int(x1), int(y1)}, {int(x2), int(y1)}, {int(x2), int(y2)}, {int(x1), int(y2)}};
    for (int i = 0; i < 4; ++i) {
        const TPoint a = corners[i], b = corners[(i + 1) % 4];
        if (a == b)
            continue;
        line(a, b, pen, brush);
    }
}

void PainterSurface::paintPaper(TColor colour, QSize sheet)
{
    painter_.save();
    painter_.resetTransform();
    painter_.setClipping(false);
    painter_.fillRect(QRect(QPoint(0, 0), sheet), toQColor(colour));
    painter_.restore();
}

void PainterSurface::paintMargins(TColor colour, QSize sheet)
{
    const QRect area(origin_, QSize(width_, height_));
    painter_.save();
    painter_.resetTransform();
    painter_.setClipping(false);
    const QColor paper = toQColor(colour);
    painter_.fillRect(QRect(0, 0, sheet.width(), area.top()), paper);
    painter_.fillRect(QRect(0, area.bottom() + 1, sheet.width(), sheet.height() - area.bottom() - 1), paper);
    painter_.fillRect(QRect(0, area.top(), area.left(), area.height()), paper);
    painter_.fillRect(QRect(area.right() + 1, area.top(), sheet.width() - area.right() - 1, area.height()), paper);
    painter_.restore();
}

QFont pageFont(const TFont &font, int dpi)
{
    QFont qfont;
    // Liberation Sans has Arial's metrics, which the grid page's scale labels
    // are laid out by (grid_sheets.cpp); DejaVu Sans is wider.
    qfont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * dpi / 72.0))));
    return qfont;
}

void paintText(QPainter &painter, QSize size, int dpi, TPoint at, const std::string &text, const TFont &font,
               const TBrush &brush)
{
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont qfont = pageFont(font, dpi);
    painter.setFont(qfont);
    painter.setPen(toQColor(font.Color));
    painter.setBackground(toQColor(brush.Color));
    painter.setBackgroundMode(Qt::OpaqueMode);
    // Left to right whatever script the text starts in: a line beginning with
    // right-to-left letters would otherwise be laid out as a right-to-left
    // paragraph, turning round what follows it ("v = 0.60 c" left of the name).
    painter.setLayoutDirection(Qt::LeftToRight);
    const QFontMetrics metrics(qfont, painter.device());
    const QString line = paintedLine(text);
    // A cell wholly off the surface shows nothing, and positions far off
    // overflow the baseline and the painter's fixed-point glyph positions.
    // The reach errs wide, for glyphs that overhang their cell.
    const long long reach = static_cast<long long>(metrics.horizontalAdvance(line)) + metrics.height();
    if (at.X >= size.width() || at.Y >= size.height() || at.X + reach <= 0 || at.Y + reach <= 0)
        return;
    painter.drawText(QPoint(at.X, at.Y + metrics.ascent()), line);
}

void PainterSurface::text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush)
{
    paintText(painter_, QSize(width_, height_), dpi_, at, text, font, brush);
}

void PainterSurface::copyRect(const TRect &dest, const Surface &from, const TRect &source)
{
    const QImage *image = nullptr;
    QImage rasterPixels;
    if (const auto *raster = dynamic_cast<const RasterSurface *>(&from)) {
        const PixelBuffer &p = raster->pixels();
        rasterPixels = QImage(p.bits, p.width, p.height, p.bytesPerLine,
                              p.format == PixelFormat::Grey8 ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        image = &rasterPixels;
    } else if (const auto *painterSource = dynamic_cast<const PainterSurface *>(&from)) {
        image = painterSource->pixels();
    }
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
    QImage part(int(right - left), int(bottom - top), QImage::Format_RGB32);
    if (part.isNull())
        return; // too large to hold: nothing to draw
    const TRect shifted{int(dest.Left - left), int(dest.Top - top), int(dest.Right - left), int(dest.Bottom - top)};
    PixelBuffer into{part.bits(), part.width(), part.height(), static_cast<std::ptrdiff_t>(part.bytesPerLine()),
                     PixelFormat::Rgb32};
    TRect read = source;
    const QImage readable = readableSource(*image, read);
    raster::stretchBlackWins(readablePixels(readable), read, into, shifted);
    painter_.drawImage(QPoint(int(left), int(top)), part);
}

} // namespace gridora

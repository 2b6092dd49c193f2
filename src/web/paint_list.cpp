#include "paint_list.h"

#include "painted_text.h"
#include "raster_lines.h"
#include "segment_clip.h"
#include "trace_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gridora::web {

namespace {

// Every digit of the double the desktop's painter is handed: the page writes
// a line's ends as the desktop's PDF does, and a hair's difference now and
// then puts an edge of the line on the next dot.
std::string number(long double value)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.17g", static_cast<double>(value));
    return buf;
}

} // namespace

PaintList::PaintList(int width, int height, int dpi) : width_(width), height_(height), dpi_(dpi) {}

void PaintList::line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush)
{
    if (from == to)
        return; // a line of no length adds nothing
    // A band around the page, as on the desktop, so that wide pens and caps at
    // the edge are painted as if the line went on.
    const int width = std::max(pen.Width, 1);
    const bool dotted = pen.Style == TPenStyle::psDot;
    if (dotted && width == 1) {
        // Dot by dot, gaps included, on the pixels the raster sets: a dash
        // pattern lands between the printer's dots, and Chromium writes each
        // dash of one as a stroke of its own.
        if (const auto s = raster::thinLineStretch(from, to, width_, height_))
            out_ += "pixels " + std::to_string(s->first.X) + ' ' + std::to_string(s->first.Y) + ' ' +
                    (s->steep ? "y " : "x ") + (s->across > 0 ? "+ " : "- ") + std::to_string(s->firstPen) + ' ' +
                    colourText(pen.Color) + ' ' + colourText(brush.Color) + ' ' + (s->moves.empty() ? "-" : s->moves) +
                    '\n';
        return;
    }
    const long double band = width + 2;
    const ClipBox box{-band, -band, width_ - 1 + band, height_ - 1 + band};
    const auto seg = clipSegment(from.X, from.Y, to.X, to.Y, box);
    if (!seg)
        return;
    if (!dotted && (seg->x1 == seg->x2 || seg->y1 == seg->y2)) {
        // A solid level or plumb ruling is the block of pixels the raster
        // sets, which every renderer fills exactly.
        const long long xa = std::llround(std::min(seg->x1, seg->x2)), xb = std::llround(std::max(seg->x1, seg->x2));
        const long long ya = std::llround(std::min(seg->y1, seg->y2)), yb = std::llround(std::max(seg->y1, seg->y2));
        fillVisible(xa - width / 2, ya - width / 2, xb + (width - 1) / 2 + 1, yb + (width - 1) / 2 + 1, pen.Color);
        return;
    }
    const long double phase = std::fmod(seg->startDistance / width, 3.0L); // one on, two off
    const ClippedSegment shape = shapeOnPixels(*seg, width, dotted);
    out_ += "line " + number(shape.x1) + ' ' + number(shape.y1) + ' ' + number(shape.x2) + ' ' + number(shape.y2) +
            ' ' + colourText(pen.Color) + ' ' + std::to_string(width) + ' ' + (dotted ? "dot " : "solid ") +
            number(phase) + ' ' + colourText(brush.Color) + '\n';
}

void PaintList::rectangle(const TRect &r, const TPen &pen, const TBrush &brush)
{
    const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
    const int top = std::min(r.Top, r.Bottom), bottom = std::max(r.Top, r.Bottom);
    if (left == right || top == bottom)
        return;
    fillVisible(left, top, right, bottom, brush.Color);
    // However wide the pen, the outline stays inside the rectangle, on its
    // outermost w pixels, as on the desktop's surfaces: a solid one as fills,
    // a dotted one as four lines set in so that their bands are those pixels.
    const long long w = std::max(pen.Width, 1);
    if (pen.Style == TPenStyle::psSolid) {
        fillVisible(left, top, right, std::min(top + w, 1LL * bottom), pen.Color);
        fillVisible(left, std::max(bottom - w, 1LL * top), right, bottom, pen.Color);
        fillVisible(left, top, std::min(left + w, 1LL * right), bottom, pen.Color);
        fillVisible(std::max(right - w, 1LL * left), top, right, bottom, pen.Color);
        return;
    }
    const long long x1 = std::min(left + w / 2, right - 1LL), x2 = std::max(right - w + w / 2, x1);
    const long long y1 = std::min(top + w / 2, bottom - 1LL), y2 = std::max(bottom - w + w / 2, y1);
    const TPoint corners[] = {{int(x1), int(y1)}, {int(x2), int(y1)}, {int(x2), int(y2)}, {int(x1), int(y2)}};
    for (int i = 0; i < 4; ++i)
        line(corners[i], corners[(i + 1) % 4], pen, brush);
}

void PaintList::fillVisible(long long left, long long top, long long right, long long bottom, TColor colour)
{
    const long long x0 = std::max(left, 0LL), x1 = std::min<long long>(right, width_);
    const long long y0 = std::max(top, 0LL), y1 = std::min<long long>(bottom, height_);
    if (x0 < x1 && y0 < y1)
        out_ += "fill " + std::to_string(x0) + ' ' + std::to_string(y0) + ' ' + std::to_string(x1 - x0) + ' ' +
                std::to_string(y1 - y0) + ' ' + colourText(colour) + '\n';
}

void PaintList::text(TPoint at, const std::string &text, const TFont &font, const TBrush &)
{
    // Whole pixels, rounded, as the desktop's painter sizes its font.
    const long pixels = std::max(1L, std::lround(font.Size * dpi_ / 72.0));
    out_ += "text " + std::to_string(at.X) + ' ' + std::to_string(at.Y) + ' ' + std::to_string(pixels) + ' ' +
            jsonQuoted(paintedText(text)) + '\n';
}

} // namespace gridora::web

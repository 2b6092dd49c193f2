#include "paint_list.h"

#include "painted_text.h"
#include "segment_clip.h"
#include "trace_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gridora::web {

namespace {

std::string number(long double value)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.4Lf", value);
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
    const long double band = width + 2;
    const ClipBox box{-band, -band, width_ - 1 + band, height_ - 1 + band};
    const auto seg = clipSegment(from.X, from.Y, to.X, to.Y, box);
    if (!seg)
        return;
    const long double phase = std::fmod(seg->startDistance / width, 3.0L); // one on, two off
    out_ += "line " + number(seg->x1) + ' ' + number(seg->y1) + ' ' + number(seg->x2) + ' ' + number(seg->y2) +
            ' ' + colourText(pen.Color) + ' ' + std::to_string(width) + ' ' +
            (pen.Style == TPenStyle::psDot ? "dot " : "solid ") + number(phase) + ' ' + colourText(brush.Color) +
            '\n';
}

void PaintList::rectangle(const TRect &r, const TPen &pen, const TBrush &brush)
{
    const int left = std::min(r.Left, r.Right), right = std::max(r.Left, r.Right);
    const int top = std::min(r.Top, r.Bottom), bottom = std::max(r.Top, r.Bottom);
    if (left == right || top == bottom)
        return;
    const long long x0 = std::max(left, 0), x1 = std::min(right, width_);
    const long long y0 = std::max(top, 0), y1 = std::min(bottom, height_);
    if (x0 < x1 && y0 < y1)
        out_ += "fill " + std::to_string(x0) + ' ' + std::to_string(y0) + ' ' + std::to_string(x1 - x0) + ' ' +
                std::to_string(y1 - y0) + ' ' + colourText(brush.Color) + '\n';
    // The outline runs through the outermost pixels inside the rectangle.
    const TPoint corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    for (int i = 0; i < 4; ++i)
        line(corners[i], corners[(i + 1) % 4], pen, brush);
}

void PaintList::text(TPoint at, const std::string &text, const TFont &font, const TBrush &)
{
    // Whole pixels, rounded, as the desktop's painter sizes its font.
    const long pixels = std::max(1L, std::lround(font.Size * dpi_ / 72.0));
    out_ += "text " + std::to_string(at.X) + ' ' + std::to_string(at.Y) + ' ' + std::to_string(pixels) + ' ' +
            jsonQuoted(paintedText(text)) + '\n';
}

} // namespace gridora::web

#pragma once
// The whole-number rules by which the core raster sets pixels for lines and
// fills. docs/raster.md states them with examples; every function clips to
// the buffer exactly, so end points may lie anywhere in the int range.
//
// One-pixel lines (width 0 or 1): along the line's major axis (x unless the
// line is steeper than 45°) every column (or row) from end to end inclusive
// gets the one pixel nearest the exact line, a half rounding down the screen:
// at k pixels from the first end the minor coordinate is
// b1 + floor((2k·db + da) / 2da). A dotted line is one on, two off, counted
// from its first end (k mod 3 == 0 is on), its gaps in the gap colour.
//
// Wider lines (width w ≥ 2): the pen is the rectangle around the segment,
// w/2 to either side, and for a solid line w/2 longer at each end (square
// caps); a dotted line ends flat at its end points. A pixel is set when its
// centre (x + ½, y + ½) lies inside that rectangle; a centre exactly on an
// edge counts only on the edges that face right (or, for edges parallel to
// the x axis, down). So a level or plumb ruling at x covers columns
// x − ⌊w/2⌋ … x + ⌊(w − 1)/2⌋, and rows ⌊w/2⌋ before its upper end to
// ⌊(w − 1)/2⌋ past its lower end. A wide dotted line is w on, 2w off along
// its major axis: the pixel at major coordinate a is on when
// ⌊(a − a1)·step / w⌋ mod 3 == 0, a1 being the first end's and step the
// direction from it; the others take the gap colour.

#include "pixel_buffer.h"

#include <optional>
#include <string>

namespace gridora::raster {

enum class LineStyle { Solid, Dotted };

struct LineInk {
    TColor pen = clBlack;
    /// The colour of a dotted line's gaps.
    TColor gap = clWhite;
};

/// Draws from `from` to `to` with a pen `width` pixels wide. A line of no
/// length draws nothing.
void drawLine(const PixelBuffer &pixels, TPoint from, TPoint to, int width, LineStyle style, LineInk ink);

/// The pixels a one-pixel line (width 0 or 1) from `from` to `to` sets on a
/// picture of width × height, for a printed page that shows them one by
/// one: walked in increasing major coordinate from `first`, each pixel after
/// it one further along the major axis (y when `steep`, else x) and, where
/// `moves` has '1', one further across, by `across` (+1 or -1). A dotted
/// line paints the pixel at index `firstPen` of the walk and every third one
/// after it in the pen colour, the others in the gap colour. Nothing when no
/// pixel of the line lies on the picture.
struct ThinLineStretch {
    bool steep = false;
    int across = 1;
    TPoint first{};
    int firstPen = 0;
    std::string moves;
};
std::optional<ThinLineStretch> thinLineStretch(TPoint from, TPoint to, int width, int height);

/// Fills [left, right) × [top, bottom), clipped to the buffer, with `colour`.
void fill(const PixelBuffer &pixels, long long left, long long top, long long right, long long bottom,
          TColor colour);

} // namespace gridora::raster

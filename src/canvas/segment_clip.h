#pragma once
// Exact clipping of a segment with whole-pixel end points to a rectangle, in
// long double so that end points hundreds of thousands of pixels away neither
// overflow nor lose the line's position.

#include <optional>

namespace gridora {

struct ClipBox {
    long double left, top, right, bottom;
};

struct ClippedSegment {
    long double x1, y1, x2, y2;
    /// How far along the original segment the clipped one starts, in pixels.
    long double startDistance;
};

/// The part of (x1, y1)-(x2, y2) inside `box`, or nothing when it misses it.
/// The clipped end points lie on the original line.
std::optional<ClippedSegment> clipSegment(long x1, long y1, long x2, long y2, const ClipBox &box);

/// The line a vector device strokes for `seg` so that it covers the pixels
/// the raster covers: a pen of odd width is centred on the middle of its
/// pixels, one of even width on the edge between its middle two, so a ruling
/// at x covers the columns x − w/2 … x + (w − 1)/2. A level or plumb dotted
/// line, which ends flat, runs from the first pixel's near edge on, so that
/// its dots fill whole pixels; a one-pixel one reaches through its last pixel.
ClippedSegment shapeOnPixels(const ClippedSegment &seg, int penWidth, bool dotted);

} // namespace gridora

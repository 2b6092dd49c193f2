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

} // namespace gridora

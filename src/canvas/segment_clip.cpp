#include "segment_clip.h"

#include <cmath>

namespace gridora {

// Liang-Barsky: narrow the parameter range [t0, t1] edge by edge.
static bool narrow(long double p, long double q, long double &t0, long double &t1)
{
    if (p == 0)
        return q >= 0;
    const long double t = q / p;
    if (p < 0) {
        if (t > t1)
            return false;
        if (t > t0)
            t0 = t;
    } else {
        if (t < t0)
            return false;
        if (t < t1)
            t1 = t;
    }
    return true;
}

std::optional<ClippedSegment> clipSegment(long x1, long y1, long x2, long y2, const ClipBox &box)
{
    const long double dx = static_cast<long double>(x2) - x1;
    const long double dy = static_cast<long double>(y2) - y1;
    long double t0 = 0;
    long double t1 = 1;
    if (!narrow(-dx, x1 - box.left, t0, t1) || !narrow(dx, box.right - x1, t0, t1) ||
        !narrow(-dy, y1 - box.top, t0, t1) || !narrow(dy, box.bottom - y1, t0, t1))
        return std::nullopt;
    const long double length = std::sqrt(dx * dx + dy * dy);
    return ClippedSegment{x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy, t0 * length};
}

ClippedSegment shapeOnPixels(const ClippedSegment &seg, int penWidth, bool dotted)
{
    const int w = penWidth < 1 ? 1 : penWidth;
    const long double centre = w % 2 != 0 ? 0.5L : 0.0L;
    ClippedSegment shape{seg.x1 + centre, seg.y1 + centre, seg.x2 + centre, seg.y2 + centre, seg.startDistance};
    if (!dotted)
        return shape;
    const long double reach = w == 1 ? 1.0L : 0.0L;
    if (seg.y1 == seg.y2) {
        const long double step = seg.x2 > seg.x1 ? 1.0L : -1.0L, nearEdge = step < 0 ? 1.0L : 0.0L;
        shape.x1 = seg.x1 + nearEdge;
        shape.x2 = seg.x2 + nearEdge + step * reach;
    } else if (seg.x1 == seg.x2) {
        const long double step = seg.y2 > seg.y1 ? 1.0L : -1.0L, nearEdge = step < 0 ? 1.0L : 0.0L;
        shape.y1 = seg.y1 + nearEdge;
        shape.y2 = seg.y2 + nearEdge + step * reach;
    }
    return shape;
}

} // namespace gridora

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

} // namespace gridora

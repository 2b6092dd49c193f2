// A dotted ruling that starts far off the surface keeps the dots of the whole
// line where it shows: on the core raster and through QPainter alike.
#include "image_surface.h"
#include "painter_surface.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace gridora;

namespace {

constexpr int kSide = 40;
constexpr int kAcross = 20;

// The pixels of row (or column) kAcross as '#' for ink and '.' for the rest.
std::string pixelsAlong(const QImage &image, bool level)
{
    std::string along;
    for (int a = 0; a < kSide; ++a) {
        const QRgb pixel = level ? image.pixel(a, kAcross) : image.pixel(kAcross, a);
        along += (pixel & 0xFFFFFFu) == 0 ? '#' : '.';
    }
    return along;
}

// The whole line's dots: pen-width dots with two widths of gap, counted from
// the line's first end however far off it lies. Pixels within a pen width of
// the last end are left out (`?`), where the end's own shape decides.
std::string wholeLinesDots(long long start, long long end, int width)
{
    const long long step = end > start ? 1 : -1;
    const long long length = (end - start) * step;
    std::string along;
    for (long long a = 0; a < kSide; ++a) {
        const long long k = (a - start) * step;
        if (k < 0 || k > length)
            along += '.';
        else if (k > length - width)
            along += '?';
        else
            along += (k / width) % 3 == 0 ? '#' : '.';
    }
    return along;
}

bool matches(const std::string &actual, const std::string &expected)
{
    for (size_t i = 0; i < expected.size(); ++i)
        if (expected[i] != '?' && expected[i] != actual[i])
            return false;
    return true;
}

QImage drawnThroughQPainter(TPoint from, TPoint to, const TPen &pen)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    PainterSurface surface(&image, kSide, kSide, 96);
    surface.line(from, to, pen, TBrush{clWhite});
    surface.finish();
    return image;
}

QImage drawnByTheCoreRaster(TPoint from, TPoint to, const TPen &pen)
{
    ImageSurface surface(kSide, kSide);
    surface.line(from, to, pen, TBrush{clWhite});
    return surface.image();
}

} // namespace

// Level and plumb, in both directions, from each phase of the pattern just off
// the edge and tens of thousands of pixels away.
TEST(DashPhase, ClippedDottedLinesKeepTheWholeLinesDots)
{
    const long long offsets[] = {0, 1, 2, 3, 4, 5, 6, 7, 29997, 29998, 29999, 30000, 300001};
    for (const int width : {1, 2, 3})
        for (const bool level : {true, false})
            for (const bool backwards : {false, true})
                for (const long long offset : offsets) {
                    // Forwards from before the first pixel to 35; backwards
                    // from beyond the last pixel to 4.
                    const long long start = backwards ? kSide + offset : -offset;
                    const long long end = backwards ? 4 : 35;
                    const TPoint from = level ? TPoint{int(start), kAcross} : TPoint{kAcross, int(start)};
                    const TPoint to = level ? TPoint{int(end), kAcross} : TPoint{kAcross, int(end)};
                    const TPen pen{clBlack, width, TPenStyle::psDot};
                    const std::string expected = wholeLinesDots(start, end, width);
                    const std::string what = std::string(level ? "level" : "plumb") + " width " +
                                             std::to_string(width) + " from " + std::to_string(start) + " to " +
                                             std::to_string(end);
                    const std::string painted = pixelsAlong(drawnThroughQPainter(from, to, pen), level);
                    EXPECT_TRUE(matches(painted, expected)) << "QPainter, " << what << "\n  drawn    " << painted
                                                            << "\n  expected " << expected;
                    const std::string raster = pixelsAlong(drawnByTheCoreRaster(from, to, pen), level);
                    EXPECT_TRUE(matches(raster, expected)) << "core raster, " << what << "\n  drawn    " << raster
                                                           << "\n  expected " << expected;
                }
}

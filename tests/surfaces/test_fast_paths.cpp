// The image surface's drawing (the core raster), which the benchmarks made
// fast, against its whole-number rules worked out pixel by pixel, and against
// QPainter where the two agree by design: level and plumb solid rulings and
// rectangles.
#include "grid_sheets.h"
#include "image_surface.h"
#include "painter_surface.h"
#include "raster_lines.h"
#include "spacetime_sheets.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

using namespace gridora;

namespace {

// A surface over an image where QPainter draws everything, one-pixel lines
// included or not: the reference for fills and wide pens.
class QPainterImage {
public:
    QPainterImage(int width, int height, QImage::Format format) : image_(width, height, format)
    {
        image_.fill(Qt::white);
        surface_ = std::make_unique<PainterSurface>(&image_, width, height, 96);
    }
    PainterSurface &surface() { return *surface_; }
    const QImage &image()
    {
        surface_->finish();
        return image_;
    }

private:
    QImage image_;
    std::unique_ptr<PainterSurface> surface_;
};

__extension__ typedef __int128 Wide;

// Whether the wide pen from `from` to `to` covers pixel (x, y), straight from
// the rule as raster_lines.h states it: the centre inside the pen's
// rectangle, edges facing right (or down) counting in. Squares instead of
// roots; the tests' coordinates keep them inside 128 bits.
bool widePenCovers(TPoint from, TPoint to, int width, bool flat, long long x, long long y)
{
    TPoint a = from, b = to;
    if (b.X < a.X || (b.X == a.X && b.Y < a.Y))
        std::swap(a, b);
    const Wide dx = Wide(b.X) - a.X, dy = Wide(b.Y) - a.Y;
    const Wide nx = dy > 0 ? dy : -dy, ny = dy > 0 ? -dx : dx;
    const Wide cx = 2 * Wide(x) + 1 - 2 * Wide(a.X), cy = 2 * Wide(y) + 1 - 2 * Wide(a.Y);
    const Wide squared = Wide(width) * width * (dx * dx + dy * dy); // (w|d|)²
    const Wide across = nx * cx + ny * cy, along = dx * cx + dy * cy, end = 2 * (dx * dx + dy * dy);
    const bool aboveLow = across >= 0 || across * across < squared;  // across > −w|d|
    const bool belowHigh = across <= 0 || across * across <= squared; // across ≤ w|d|
    const bool afterStart = flat ? along > 0 : (along >= 0 || along * along < squared);
    const bool beforeEnd = flat ? along <= end : (along <= end || (along - end) * (along - end) <= squared);
    return aboveLow && belowHigh && afterStart && beforeEnd;
}

// Lines set by the rules themselves, worked out pixel by pixel with no
// stepping and no spans; fills and text go to QPainter.
class RuleSurface : public PainterSurface {
public:
    RuleSurface(QImage &image) : PainterSurface(&image, image.width(), image.height(), 96), image_(image) {}

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override
    {
        if (from == to)
            return;
        if (pen.Width > 1) {
            wideLine(from, to, pen, brush);
            return;
        }
        const bool steep = std::abs(to.Y - from.Y) > std::abs(to.X - from.X);
        const long long a1 = steep ? from.Y : from.X, b1 = steep ? from.X : from.Y;
        const long long a2 = steep ? to.Y : to.X, b2 = steep ? to.X : to.Y;
        const long long step = a2 > a1 ? 1 : -1, da = (a2 - a1) * step, db = b2 - b1;
        const long long alongLimit = steep ? image_.height() : image_.width();
        const long long acrossLimit = steep ? image_.width() : image_.height();
        for (long long a = 0; a < alongLimit; ++a) {
            const long long k = (a - a1) * step;
            if (k < 0 || k > da)
                continue;
            const long long twice = 2 * k * db + da; // nearest pixel, halves down
            const long long b = b1 + (twice >= 0 ? twice / (2 * da) : -((-twice + 2 * da - 1) / (2 * da)));
            if (b < 0 || b >= acrossLimit)
                continue;
            const TColor colour = (pen.Style == TPenStyle::psSolid || k % 3 == 0) ? pen.Color : brush.Color;
            set(int(steep ? b : a), int(steep ? a : b), colour);
        }
    }

private:
    void wideLine(TPoint from, TPoint to, const TPen &pen, const TBrush &brush)
    {
        const bool dotted = pen.Style == TPenStyle::psDot;
        const bool steep = std::abs(1LL * to.Y - from.Y) > std::abs(1LL * to.X - from.X);
        const long long a1 = steep ? from.Y : from.X;
        const long long step = (steep ? 1LL * to.Y - from.Y : 1LL * to.X - from.X) > 0 ? 1 : -1;
        const long long w = pen.Width;
        const long long top = std::max<long long>(std::min(from.Y, to.Y) - w, 0);
        const long long bottom = std::min<long long>(std::max(from.Y, to.Y) + w, image_.height() - 1);
        const long long left = std::max<long long>(std::min(from.X, to.X) - w, 0);
        const long long right = std::min<long long>(std::max(from.X, to.X) + w, image_.width() - 1);
        for (int y = int(top); y <= bottom; ++y)
            for (int x = int(left); x <= right; ++x) {
                if (!widePenCovers(from, to, pen.Width, dotted, x, y))
                    continue;
                const long long k = ((steep ? y : x) - a1) * step;
                const long long dot = k >= 0 ? k / pen.Width : -((-k + pen.Width - 1) / pen.Width);
                set(x, y, !dotted || dot % 3 == 0 ? pen.Color : brush.Color);
            }
    }

    void set(int x, int y, TColor colour)
    {
        if (image_.format() == QImage::Format_Grayscale8)
            image_.scanLine(y)[x] = uchar(qGray(QRgb(colour)));
        else
            reinterpret_cast<QRgb *>(image_.scanLine(y))[x] = 0xFF000000u | colour;
    }

    QImage &image_;
};

const QImage::Format kFormats[] = {QImage::Format_RGB32, QImage::Format_Grayscale8};

// A one-pixel line as the browser's printed page shows it: the stretch the
// raster reports, painted pixel by pixel onto a white picture.
QImage stretchPainted(TPoint from, TPoint to, const TPen &pen, const TBrush &brush, int width, int height,
                      QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(Qt::white);
    const auto stretch = raster::thinLineStretch(from, to, width, height);
    if (!stretch)
        return image;
    TPoint p = stretch->first;
    for (std::size_t i = 0; i <= stretch->moves.size(); ++i) {
        if (i > 0) {
            (stretch->steep ? p.Y : p.X) += 1;
            if (stretch->moves[i - 1] == '1')
                (stretch->steep ? p.X : p.Y) += stretch->across;
        }
        const bool penPixel = pen.Style == TPenStyle::psSolid || int(i % 3) == stretch->firstPen;
        const TColor colour = penPixel ? pen.Color : brush.Color;
        if (format == QImage::Format_Grayscale8)
            image.scanLine(p.Y)[p.X] = uchar(qGray(QRgb(colour)));
        else
            reinterpret_cast<QRgb *>(image.scanLine(p.Y))[p.X] = 0xFF000000u | colour;
    }
    return image;
}

std::string describe(QImage::Format format, TPoint from, TPoint to, const TPen &pen)
{
    return (format == QImage::Format_RGB32 ? std::string("RGB32") : std::string("Grey8")) + " (" +
           std::to_string(from.X) + "," + std::to_string(from.Y) + ")-(" + std::to_string(to.X) + "," +
           std::to_string(to.Y) + ") width " + std::to_string(pen.Width) +
           (pen.Style == TPenStyle::psDot ? " dotted" : " solid") + " colour " + std::to_string(pen.Color);
}

// Solid level and plumb rulings of the even widths 2..8, running off every
// edge or lying inside, near and far, in both directions: the rule gives
// exactly QPainter's pixels for them.
TEST(ImageSurfaceFastPaths, WideRulingsMatchQPainterPixelForPixel)
{
    constexpr int W = 23, H = 19;
    const int ends[] = {-300000, -9, -4, -1, 0, 1, 3, 7, 11, 17, 18, 19, 22, 23, 26, 300000};
    int compared = 0;
    for (const auto format : kFormats)
        for (int width = 2; width <= 8; width += 2)
            for (const auto style : {TPenStyle::psSolid})
                for (int across = -6; across <= 28; across += (width % 2 ? 3 : 1))
                    for (int e1 : ends)
                        for (int e2 : ends) {
                            if (e1 == e2)
                                continue;
                            for (const bool level : {true, false}) {
                                const TPoint from = level ? TPoint{e1, across} : TPoint{across, e1};
                                const TPoint to = level ? TPoint{e2, across} : TPoint{across, e2};
                                const TPen pen{width % 3 == 0 ? clGray : clBlack, width, style};
                                const TBrush brush{width % 2 ? clWhite : clGray};
                                ImageSurface fast(W, H, 96, format);
                                QPainterImage reference(W, H, format);
                                fast.line(from, to, pen, brush);
                                reference.surface().line(from, to, pen, brush);
                                ASSERT_EQ(fast.image(), reference.image()) << describe(format, from, to, pen);
                                ++compared;
                            }
                        }
    EXPECT_GT(compared, 10000);
}

// The grey a wide pen leaves on a greyscale image: QPainter's for every
// neutral grey (the sheets draw in no other colours).
TEST(ImageSurfaceFastPaths, WideRulingsOnGreyscaleKeepQPaintersGreys)
{
    for (int grey = 0; grey < 256; ++grey) {
        for (const TColor colour : {TColor(grey * 0x010101u)}) {
            const TPen pen{colour, 4, TPenStyle::psSolid};
            ImageSurface fast(12, 12, 96, QImage::Format_Grayscale8);
            QPainterImage reference(12, 12, QImage::Format_Grayscale8);
            fast.line({5, 1}, {5, 10}, pen, TBrush{});
            reference.surface().line({5, 1}, {5, 10}, pen, TBrush{});
            ASSERT_EQ(fast.image(), reference.image()) << "colour " << std::hex << colour;
        }
    }
}

// Filled rectangles with wide (even) outlines, on and off the picture,
// against a surface where QPainter fills and strokes.
TEST(ImageSurfaceFastPaths, RectanglesMatchQPainterPixelForPixel)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(-15, 45);
    std::uniform_int_distribution<int> width(1, 3); // twice this
    const TColor colours[] = {clBlack, clWhite, clGray, 0x404040};
    for (const auto format : kFormats)
        for (int i = 0; i < 3000; ++i) {
            const TRect rect{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
            const TPen pen{colours[i % 4], 2 * width(random), TPenStyle::psSolid};
            const TBrush brush{colours[(i / 4) % 4]};
            ImageSurface fast(31, 27, 96, format);
            QPainterImage reference(31, 27, format);
            fast.rectangle(rect, pen, brush);
            reference.surface().rectangle(rect, pen, brush);
            ASSERT_EQ(fast.image(), reference.image())
                << "rect " << rect.Left << "," << rect.Top << "," << rect.Right << "," << rect.Bottom << " pen "
                << pen.Width << " colour " << pen.Color << " brush " << brush.Color;
        }
}

// One-pixel lines of every slope, near and far, solid and dotted, against the
// rule worked out with a division per pixel; the stretch the browser's
// printed page draws a line from sets the same pixels.
TEST(ImageSurfaceFastPaths, OnePixelLinesFollowTheRuleExactly)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> near(-60, 100);
    std::uniform_int_distribution<int> far(-400000, 400000);
    std::uniform_int_distribution<int> veryFar(-500000000, 500000000);
    std::uniform_int_distribution<int> coin(0, 7);
    for (const auto format : kFormats)
        for (int i = 0; i < 4000; ++i) {
            auto end = [&] {
                const int which = coin(random);
                return which == 0 ? veryFar(random) : which < 3 ? far(random) : near(random);
            };
            const TPoint from{end(), end()}, to{end(), end()};
            const TPen pen{i % 2 ? clBlack : clNavy, 1, i % 3 ? TPenStyle::psDot : TPenStyle::psSolid};
            const TBrush brush{clGray};
            ImageSurface fast(41, 37, 96, format);
            QImage image(41, 37, format);
            image.fill(Qt::white);
            {
                RuleSurface rule(image);
                rule.line(from, to, pen, brush);
            }
            fast.line(from, to, pen, brush);
            ASSERT_EQ(fast.image(), image) << describe(format, from, to, pen);
            ASSERT_EQ(stretchPainted(from, to, pen, brush, 41, 37, format), image)
                << "the stretch for a printed page, " << describe(format, from, to, pen);
        }
}

// Wide lines of every slope and width 2..7, solid and dotted, near, far and
// very far (the rule is worked in 64 bits for sheet-sized lines and in 128
// for the rest), against the rule worked out pixel by pixel.
TEST(ImageSurfaceFastPaths, WideLinesFollowTheRuleExactly)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> near(-30, 60);
    std::uniform_int_distribution<int> far(-400000, 400000);
    std::uniform_int_distribution<int> veryFar(-500000000, 500000000);
    std::uniform_int_distribution<int> coin(0, 7);
    std::uniform_int_distribution<int> width(2, 7);
    for (const auto format : kFormats)
        for (int i = 0; i < 1500; ++i) {
            auto end = [&] {
                const int which = coin(random);
                return which == 0 ? veryFar(random) : which < 3 ? far(random) : near(random);
            };
            const TPoint from{end(), end()}, to{end(), end()};
            const TPen pen{i % 2 ? clBlack : clGray, width(random), i % 3 ? TPenStyle::psSolid : TPenStyle::psDot};
            const TBrush brush{clWhite};
            ImageSurface fast(31, 27, 96, format);
            QImage image(31, 27, format);
            image.fill(Qt::white);
            {
                RuleSurface rule(image);
                rule.line(from, to, pen, brush);
            }
            fast.line(from, to, pen, brush);
            ASSERT_EQ(fast.image(), image) << describe(format, from, to, pen);
        }
}

// Whole samples, redrawn on one canvas as the window redraws them: the image
// surface against QPainter for fills and the rules for lines.
TEST(ImageSurfaceFastPaths, SamplesAreUnchanged)
{
    constexpr int W = 357, H = 397;
    for (const auto format : kFormats) {
        ImageSurface fast(W, H, 96, format);
        QImage image(W, H, format);
        image.fill(Qt::white);
        RuleSurface rule(image);
        TCanvas fastCanvas(&fast), ruleCanvas(&rule);
        int drawn = 0;
        auto both = [&](auto draw, const std::string &what) {
            draw(fastCanvas);
            draw(ruleCanvas);
            ASSERT_EQ(fast.image(), image) << what << (format == QImage::Format_RGB32 ? " RGB32" : " Grey8");
            ++drawn;
        };
        for (int kind = 0; kind <= 2; ++kind)
            for (int size = -1; size <= 2; ++size)
                both([&](TCanvas &c) { gridpaper::drawGridSample(c, W, H, kind, size); },
                     "grid " + std::to_string(kind) + " " + std::to_string(size));
        for (int position = 0; position <= spacetime::kMaxPosition; position += 5)
            both([&](TCanvas &c) { spacetime::drawSpacetimeSample(c, W, H, position, 383, 525); },
                 "spacetime " + std::to_string(position));
        EXPECT_EQ(drawn, 12 + 19);
    }
}

// The stretch worked out the plain way: the whole source converted, and each
// destination pixel's source span found on its own.
QImage referenceStretch(const QImage &from, const TRect &source, QSize size)
{
    const QImage src = from.convertToFormat(QImage::Format_RGB32);
    QImage out(size, QImage::Format_RGB32);
    const long long sw = std::max(source.width(), 1), sh = std::max(source.height(), 1);
    auto span = [](long long j, long long count, long long sourceCount) {
        long long first = (j * sourceCount + count - 1) / count;
        long long last = ((j + 1) * sourceCount + count - 1) / count - 1;
        if (first > last)
            first = last = j * sourceCount / count;
        return std::pair<long long, long long>(first, last);
    };
    for (int j = 0; j < size.height(); ++j)
        for (int i = 0; i < size.width(); ++i) {
            const auto [row0, row1] = span(j, size.height(), sh);
            const auto [col0, col1] = span(i, size.width(), sw);
            QRgb merged = 0xFFFFFFFFu;
            for (long long y = row0; y <= row1; ++y)
                for (long long x = col0; x <= col1; ++x) {
                    const long long sx = source.Left + x, sy = source.Top + y;
                    if (sx >= 0 && sy >= 0 && sx < src.width() && sy < src.height())
                        merged &= src.pixel(int(sx), int(sy));
                }
            out.setPixel(i, j, merged);
        }
    return out;
}

// Copies between pictures, narrowed, widened and running off the source, from
// images of the formats the program keeps.
TEST(ImageSurfaceFastPaths, StretchBlackWinsMatchesThePlainWay)
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int> coordinate(-12, 60);
    std::uniform_int_distribution<int> extent(1, 40);
    std::uniform_int_distribution<int> colour(0, 3);
    const QRgb palette[] = {0xFF000000u, 0xFFFFFFFFu, 0xFF808080u, 0xFF102030u};
    for (const auto format : {QImage::Format_RGB32, QImage::Format_Mono, QImage::Format_Grayscale8}) {
        QImage from(53, 47, QImage::Format_RGB32);
        for (int y = 0; y < from.height(); ++y)
            for (int x = 0; x < from.width(); ++x)
                from.setPixel(x, y, palette[colour(random)]);
        from = from.convertToFormat(format);
        for (int i = 0; i < 400; ++i) {
            const int left = coordinate(random), top = coordinate(random);
            const TRect source{left, top, left + extent(random), top + extent(random)};
            const QSize size(extent(random), extent(random));
            ASSERT_EQ(stretchBlackWins(from, source, size), referenceStretch(from, source, size))
                << "source " << source.Left << "," << source.Top << "," << source.Right << "," << source.Bottom
                << " to " << size.width() << "x" << size.height() << " format " << int(format);
        }
    }
}

} // namespace

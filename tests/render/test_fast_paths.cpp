// The image surface's own drawing, which the benchmarks made fast, against
// QPainter and against the one-pixel rule worked out pixel by pixel: every
// picture must come out exactly as before.
#include "grid_sheets.h"
#include "painter_surface.h"
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

// One-pixel lines set by the rule itself, worked out with a division per
// pixel and no stepping; everything wider goes to QPainter.
class RuleSurface : public PainterSurface {
public:
    RuleSurface(QImage &image) : PainterSurface(&image, image.width(), image.height(), 96), image_(image) {}

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override
    {
        if (pen.Width > 1) {
            PainterSurface::line(from, to, pen, brush);
            return;
        }
        if (from == to)
            return;
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
            const int x = int(steep ? b : a), y = int(steep ? a : b);
            if (image_.format() == QImage::Format_Grayscale8)
                image_.scanLine(y)[x] = uchar(qGray(QRgb(colour)));
            else
                reinterpret_cast<QRgb *>(image_.scanLine(y))[x] = 0xFF000000u | colour;
        }
    }

private:
    QImage &image_;
};

const QImage::Format kFormats[] = {QImage::Format_RGB32, QImage::Format_Grayscale8};

std::string describe(QImage::Format format, TPoint from, TPoint to, const TPen &pen)
{
    return (format == QImage::Format_RGB32 ? std::string("RGB32") : std::string("Grey8")) + " (" +
           std::to_string(from.X) + "," + std::to_string(from.Y) + ")-(" + std::to_string(to.X) + "," +
           std::to_string(to.Y) + ") width " + std::to_string(pen.Width) +
           (pen.Style == TPenStyle::psDot ? " dotted" : " solid") + " colour " + std::to_string(pen.Color);
}

// Level and plumb rulings of every width 2..8, solid and dotted, running off
// every edge or lying inside, near and far, in both directions.
TEST(ImageSurfaceFastPaths, WideRulingsMatchQPainterPixelForPixel)
{
    constexpr int W = 23, H = 19;
    const int ends[] = {-300000, -9, -4, -1, 0, 1, 3, 7, 11, 17, 18, 19, 22, 23, 26, 300000};
    int compared = 0;
    for (const auto format : kFormats)
        for (int width = 2; width <= 8; ++width)
            for (const auto style : {TPenStyle::psSolid, TPenStyle::psDot})
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

// The grey a wide pen leaves on a greyscale image: QPainter's colour transform
// for every neutral grey and for colours, which fall back to QPainter.
TEST(ImageSurfaceFastPaths, WideRulingsOnGreyscaleKeepQPaintersGreys)
{
    for (int grey = 0; grey < 256; ++grey) {
        for (const TColor colour : {TColor(grey * 0x010101u), TColor(grey), TColor(grey << 8), TColor(grey * 0x010100u)}) {
            const TPen pen{colour, 4, TPenStyle::psSolid};
            ImageSurface fast(12, 12, 96, QImage::Format_Grayscale8);
            QPainterImage reference(12, 12, QImage::Format_Grayscale8);
            fast.line({5, 1}, {5, 10}, pen, TBrush{});
            reference.surface().line({5, 1}, {5, 10}, pen, TBrush{});
            ASSERT_EQ(fast.image(), reference.image()) << "colour " << std::hex << colour;
        }
    }
}

// Filled rectangles with wide outlines, on and off the picture, against a
// surface where QPainter fills and strokes.
TEST(ImageSurfaceFastPaths, RectanglesMatchQPainterPixelForPixel)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(-15, 45);
    std::uniform_int_distribution<int> width(2, 7);
    const TColor colours[] = {clBlack, clWhite, clGray, clNavy};
    for (const auto format : kFormats)
        for (int i = 0; i < 3000; ++i) {
            const TRect rect{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
            const TPen pen{colours[i % 4], width(random), TPenStyle::psSolid};
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
// rule worked out with a division per pixel.
TEST(ImageSurfaceFastPaths, OnePixelLinesFollowTheRuleExactly)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> near(-60, 100);
    std::uniform_int_distribution<int> far(-400000, 400000);
    std::uniform_int_distribution<int> coin(0, 3);
    for (const auto format : kFormats)
        for (int i = 0; i < 4000; ++i) {
            auto end = [&] { return coin(random) == 0 ? far(random) : near(random); };
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
        }
}

// Whole samples, redrawn on one canvas as the window redraws them: the image
// surface against QPainter for fills and wide pens and the rule for one-pixel
// lines.
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

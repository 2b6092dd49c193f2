// The image surface, pixel by pixel where it matters.
#include "image_surface.h"
#include "painter_surface.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <cmath>
#include <functional>
#include <tuple>

using namespace gridora;

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kGrey = 0xFF808080u;

QRgb at(const ImageSurface &s, int x, int y)
{
    return s.image().pixel(x, y);
}

std::vector<int> blackColumnsOnRow(const ImageSurface &s, int y)
{
    std::vector<int> columns;
    for (int x = 0; x < s.width(); ++x)
        if (at(s, x, y) == kBlack)
            columns.push_back(x);
    return columns;
}

struct RulingCase {
    int width;
    std::vector<int> columns;
};

class RulingColumns : public ::testing::TestWithParam<RulingCase> {};

TEST_P(RulingColumns, LandOnTheirColumnsAndRowsOnly)
{
    ImageSurface surface(60, 60);
    TCanvas canvas(&surface);
    canvas.Pen.Width = GetParam().width;
    canvas.MoveTo(20, 50);
    canvas.LineTo(20, 10);
    for (int y : {12, 30, 48})
        EXPECT_EQ(blackColumnsOnRow(surface, y), GetParam().columns) << "row " << y;
    // The pen reads back as set.
    EXPECT_EQ(canvas.Pen.Width, GetParam().width);
}

// A ruling of width w at x covers x − w/2 … x − w/2 + w − 1.
INSTANTIATE_TEST_SUITE_P(Widths, RulingColumns,
                         ::testing::Values(RulingCase{1, {20}}, RulingCase{2, {19, 20}}, RulingCase{4, {18, 19, 20, 21}},
                                           RulingCase{5, {18, 19, 20, 21, 22}},
                                           RulingCase{6, {17, 18, 19, 20, 21, 22}}));

TEST(ImageSurface, OnePixelRulingCoversBothEnds)
{
    ImageSurface surface(40, 400);
    TCanvas canvas(&surface);
    canvas.MoveTo(20, 377);
    canvas.LineTo(20, 20);
    EXPECT_EQ(at(surface, 20, 20), kBlack);
    EXPECT_EQ(at(surface, 20, 377), kBlack);
    EXPECT_EQ(at(surface, 20, 19), kWhite);
    EXPECT_EQ(at(surface, 20, 378), kWhite);
}

TEST(ImageSurface, DottedGapsTakeTheBrushColour)
{
    ImageSurface surface(100, 5);
    TCanvas canvas(&surface);
    canvas.Pen.Style = TPenStyle::psDot;
    canvas.Brush.Color = clGray;
    canvas.MoveTo(0, 2);
    canvas.LineTo(99, 2);
    int dots = 0, gaps = 0;
    for (int x = 0; x < 99; ++x) {
        const QRgb p = at(surface, x, 2);
        ASSERT_TRUE(p == kBlack || p == kGrey) << "x=" << x;
        (p == kBlack ? dots : gaps)++;
    }
    EXPECT_GT(dots, 20);
    EXPECT_GT(gaps, dots); // one on, two off
    EXPECT_EQ(at(surface, 50, 1), kWhite);
}

struct FarLine {
    int x1, y1, x2, y2, width;
    TPenStyle style;
};

class FarEndPoints : public ::testing::TestWithParam<FarLine> {};

// A one-pixel line inks, in every column it crosses, the pixel nearest the
// exact line (dots: every third pixel from the first end, gaps in the brush
// colour) and nothing else, however far away its ends are.
TEST_P(FarEndPoints, OnePixelLinesInkExactlyTheNearestPixels)
{
    const FarLine l = GetParam();
    ImageSurface surface(357, 397);
    TCanvas canvas(&surface);
    canvas.Pen.Style = l.style;
    canvas.Brush.Color = clGray;
    canvas.MoveTo(l.x1, l.y1);
    canvas.LineTo(l.x2, l.y2);
    QImage expected(357, 397, QImage::Format_RGB32);
    expected.fill(Qt::white);
    // Left to right: y = (y1·dx + (x − x1)·dy) / dx with dx > 0.
    const bool leftToRight = l.x1 < l.x2;
    const long long x1 = leftToRight ? l.x1 : l.x2, y1 = leftToRight ? l.y1 : l.y2;
    const long long dx = std::abs(l.x2 - l.x1), dy = leftToRight ? l.y2 - l.y1 : l.y1 - l.y2;
    int inked = 0;
    for (int x = 0; x < 357; ++x) {
        const long long twiceNumerator = 2 * (y1 * dx + (x - x1) * dy) + dx; // y + 1/2, times 2dx
        const long long row = twiceNumerator >= 0 ? twiceNumerator / (2 * dx)
                                                  : -((-twiceNumerator + 2 * dx - 1) / (2 * dx));
        if (row < 0 || row >= 397)
            continue;
        const bool dot = l.style == TPenStyle::psSolid || std::abs(x - l.x1) % 3 == 0;
        expected.setPixel(x, row, dot ? kBlack : kGrey);
        ++inked;
    }
    ASSERT_GT(inked, 100);
    EXPECT_EQ(surface.image(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FarEndPoints,
    ::testing::Values(FarLine{-303000, 250, 303000, 130, 1, TPenStyle::psSolid},
                      FarLine{303000, 130, -303000, 250, 1, TPenStyle::psSolid},
                      FarLine{-303000, 181000, 303000, -180000, 1, TPenStyle::psSolid},
                      FarLine{-126907, 76691, 126692, -75469, 1, TPenStyle::psDot},
                      FarLine{-303000, 181000, 303000, -180000, 1, TPenStyle::psDot}));

TEST(ImageSurface, SteepOnePixelLinesWalkTheRows)
{
    ImageSurface surface(100, 100);
    TCanvas canvas(&surface);
    canvas.MoveTo(-1000, 300000);
    canvas.LineTo(1000, -299700); // x = 0 at y = 150, x = 50 at about y = −14850
    for (int y = 0; y < 100; ++y) {
        // x = −1000 + (300000 − y)·2000/599700, nearest pixel
        const long double x = -1000 + (300000.0L - y) * 2000 / 599700;
        const int column = static_cast<int>(std::floor(x + 0.5L));
        ASSERT_EQ(blackColumnsOnRow(surface, y), std::vector<int>{column}) << "row " << y;
    }
}

// Wide pens go through QPainter on a clipped segment: far ends must still
// land the band on the line, and a wide dotted line must stay dotted.
TEST(ImageSurface, WideFarLinesStayOnTheLineAndKeepTheirDots)
{
    for (const TPenStyle style : {TPenStyle::psSolid, TPenStyle::psDot}) {
        ImageSurface surface(357, 397);
        TCanvas canvas(&surface);
        canvas.Pen.Width = 2;
        canvas.Pen.Style = style;
        canvas.MoveTo(-303000, 181000);
        canvas.LineTo(303000, -180000);
        int near = 0, far = 0, columns = 0, inkedColumns = 0;
        for (int x = 0; x < 357; ++x) {
            const double y = 181000 + (x + 303000.0) * -361000.0 / 606000.0;
            if (y < 3 || y > 393)
                continue;
            ++columns;
            bool inked = false;
            for (int r = 0; r < 397; ++r) {
                if (at(surface, x, r) != kBlack)
                    continue;
                (std::fabs(r + 0.5 - y) <= 2.0 ? near : far)++;
                inked = true;
            }
            inkedColumns += inked;
        }
        EXPECT_EQ(far, 0);
        if (style == TPenStyle::psSolid) {
            EXPECT_GE(near, columns);
            EXPECT_EQ(inkedColumns, columns);
        } else {
            EXPECT_LT(near, columns * 2); // a solid band would ink about 3 per column
            EXPECT_LT(inkedColumns, columns); // the gaps
        }
        EXPECT_GT(near, columns / 4);
    }
}

TEST(ImageSurface, LinesThatMissThePictureLeaveItAlone)
{
    ImageSurface surface(50, 50);
    TCanvas canvas(&surface);
    canvas.Pen.Width = 6;
    canvas.MoveTo(-300000, -10);
    canvas.LineTo(300000, -20);
    canvas.MoveTo(60, 60);
    canvas.LineTo(200000, 70000);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(at(surface, x, y), kWhite);
}

TEST(ImageSurface, RectangleIsFilledAndOutlinedWithinItsExclusiveCorner)
{
    ImageSurface surface(40, 40);
    TCanvas canvas(&surface);
    canvas.Brush.Color = clGray;
    canvas.Rectangle(10, 10, 30, 20);
    EXPECT_EQ(at(surface, 10, 10), kBlack);
    EXPECT_EQ(at(surface, 29, 19), kBlack);
    EXPECT_EQ(at(surface, 29, 15), kBlack);
    EXPECT_EQ(at(surface, 20, 19), kBlack);
    EXPECT_EQ(at(surface, 15, 15), kGrey);
    EXPECT_EQ(at(surface, 30, 15), kWhite);
    EXPECT_EQ(at(surface, 20, 20), kWhite);
    EXPECT_EQ(at(surface, 9, 15), kWhite);
}

TEST(ImageSurface, RectangleLargerThanThePictureShowsNoOutline)
{
    // The spacetime sample erases with a rectangle the size of its window.
    ImageSurface surface(40, 40);
    TCanvas canvas(&surface);
    canvas.MoveTo(5, 5);
    canvas.LineTo(30, 30);
    canvas.Rectangle(0, 0, 383, 525);
    EXPECT_EQ(at(surface, 0, 20), kBlack); // left border inside the picture
    EXPECT_EQ(at(surface, 39, 20), kWhite); // right border far outside
    EXPECT_EQ(at(surface, 20, 20), kWhite); // the earlier line is gone
}

TEST(ImageSurface, TextCellIsOpaqueInTheBrushColour)
{
    ASSERT_FALSE(QFontInfo(QFont(QStringLiteral("Liberation Sans"))).family().isEmpty());
    ImageSurface surface(200, 60, 96);
    TCanvas canvas(&surface);
    canvas.Brush.Color = clGray;
    canvas.Rectangle(0, 0, 200, 60); // grey background
    canvas.Brush.Color = clWhite;
    canvas.Font.Size = 12;
    canvas.TextOut(20, 10, "Ada");
    // The cell's top-left pixel is background, painted white over the grey.
    EXPECT_EQ(at(surface, 20, 10), kWhite);
    EXPECT_EQ(at(surface, 19, 10), kGrey);
    int black = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 20; x < 60; ++x)
            black += qGray(at(surface, x, y)) < 64;
    EXPECT_GT(black, 20); // the glyphs are there
    EXPECT_EQ(at(surface, 100, 50), kGrey); // and nothing beyond the cell
}

TEST(ImageSurface, FontSizeScalesWithTheDevicesResolution)
{
    auto inkHeight = [](int dpi) {
        ImageSurface surface(400, 400, dpi);
        TCanvas canvas(&surface);
        canvas.Font.Size = 12;
        canvas.TextOut(0, 0, "H");
        int top = 400, bottom = -1;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (qGray(surface.image().pixel(x, y)) < 128) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top + 1;
    };
    const int at96 = inkHeight(96), at300 = inkHeight(300);
    EXPECT_NEAR(double(at300) / at96, 300.0 / 96, 0.4);
}

TEST(StretchBlackWins, NarrowsFourHundredFiftyColumnsToFourHundredFortySeven)
{
    // Columns x and x + 1 merge where floor(x·447/450) repeats.
    QImage strip(450, 2, QImage::Format_RGB32);
    strip.fill(Qt::white);
    std::vector<int> merged;
    for (int x = 1; x < 450; ++x)
        if (x * 447 / 450 == (x - 1) * 447 / 450)
            merged.push_back(x);
    ASSERT_EQ(merged.size(), 3u);
    // Black on one side of each merge, on the other on row 1; plus plain columns.
    for (int x : merged) {
        strip.setPixel(x, 0, kBlack);
        strip.setPixel(x - 1, 1, kBlack);
    }
    strip.setPixel(10, 0, kBlack);
    const QImage out = stretchBlackWins(strip, {0, 0, 450, 2}, QSize(447, 2));
    ASSERT_EQ(out.size(), QSize(447, 2));
    for (int y = 0; y < 2; ++y) {
        int blacks = 0;
        for (int j = 0; j < 447; ++j)
            blacks += out.pixel(j, y) == kBlack;
        EXPECT_EQ(blacks, y == 0 ? 4 : 3);
        for (int x : merged)
            EXPECT_EQ(out.pixel(x * 447 / 450, y), kBlack);
    }
    EXPECT_EQ(out.pixel(9, 0), kBlack); // source column 10 lands on 9.93
    EXPECT_EQ(out.pixel(10, 0), kWhite);
}

TEST(StretchBlackWins, CopyRectOnCanvasesCopiesTheSourceStrip)
{
    ImageSurface source(450, 1400);
    TCanvas from(&source);
    from.MoveTo(0, 600);
    from.LineTo(449, 600);
    ImageSurface window(447, 215);
    TCanvas to(&window);
    to.CopyRect({0, 0, 447, 215}, from, {0, 592, 450, 592 + 215});
    EXPECT_EQ(blackColumnsOnRow(window, 8).size(), 447u);
    EXPECT_TRUE(blackColumnsOnRow(window, 7).empty());
}

// ---------------------------------------------------------------- the ends of the int range
// Calls may name any int. What shows of them must be exactly what shows of
// the same call with nearer coordinates: no overflow anywhere on the way.

constexpr int kMin = INT_MIN;
constexpr int kMax = INT_MAX;

struct RangeLine {
    const char *what;
    int x1, y1, x2, y2;
    TPenStyle style;
    // The row inked in column x (the line is never steep here), or -1.
    std::function<long long(long long x)> row;
    // Counting from the first end, which pixels are dots.
    std::function<bool(long long x)> dot;
};

void PrintTo(const RangeLine &l, std::ostream *out)
{
    *out << l.what;
}

class IntRangeLines : public ::testing::TestWithParam<RangeLine> {};

TEST_P(IntRangeLines, InkTheNearestPixelsOnly)
{
    const RangeLine &l = GetParam();
    ImageSurface surface(357, 397);
    TCanvas canvas(&surface);
    canvas.Pen.Style = l.style;
    canvas.Brush.Color = clGray;
    canvas.MoveTo(l.x1, l.y1);
    canvas.LineTo(l.x2, l.y2);
    QImage expected(357, 397, QImage::Format_RGB32);
    expected.fill(Qt::white);
    int inked = 0;
    for (int x = 0; x < 357; ++x) {
        const long long row = l.row(x);
        if (row < 0 || row >= 397)
            continue;
        expected.setPixel(x, int(row), l.dot(x) ? kBlack : kGrey);
        ++inked;
    }
    ASSERT_GT(inked, 100) << l.what;
    EXPECT_EQ(surface.image(), expected) << l.what;
}

const auto solid = [](long long) { return true; };

INSTANTIATE_TEST_SUITE_P(
    EndsAnywhere, IntRangeLines,
    ::testing::Values(
        RangeLine{"level, end to end", kMin, 100, kMax, 100, TPenStyle::psSolid, [](long long) { return 100; }, solid},
        RangeLine{"the diagonal y = x", kMin, kMin, kMax, kMax, TPenStyle::psSolid, [](long long x) { return x; }, solid},
        // y = 299 − x, its dots counted from x = kMin + 300.
        RangeLine{"falling, dotted", kMin + 300, kMax, kMax, kMin + 300, TPenStyle::psDot,
                  [](long long x) { return 299 - x; }, [](long long x) { return (x - (kMin + 300LL)) % 3 == 0; }},
        // One row over 2^32 − 1 columns: the half-way point, where the
        // nearest row changes from 0 to 1, falls between columns −1 and 0.
        RangeLine{"one row of rise", kMin, 0, kMax, 1, TPenStyle::psSolid, [](long long) { return 1; }, solid},
        RangeLine{"one row of rise, backwards", kMax, 1, kMin, 0, TPenStyle::psSolid, [](long long) { return 1; },
                  solid}),
    [](const auto &info) { return "Case" + std::to_string(info.index); });

TEST(ImageSurface, SteepLineOverTheWholeRangeIsOneColumn)
{
    ImageSurface surface(60, 40);
    TCanvas canvas(&surface);
    canvas.MoveTo(17, kMax);
    canvas.LineTo(17, kMin);
    for (int y = 0; y < 40; ++y)
        ASSERT_EQ(blackColumnsOnRow(surface, y), std::vector<int>{17}) << "row " << y;
}

TEST(ImageSurface, RectanglesReachingTheEndsOfTheRangeFillWhatShows)
{
    ImageSurface surface(60, 40);
    TCanvas canvas(&surface);
    canvas.Brush.Color = clGray;
    canvas.Rectangle(kMin, kMin, kMax, kMax); // outline far outside: all grey
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(at(surface, x, y), kGrey) << x << "," << y;
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(kMin, 10, 30, kMax); // outlined on row 10 and column 29
    EXPECT_EQ(at(surface, 0, 10), kBlack);
    EXPECT_EQ(at(surface, 29, 10), kBlack);
    EXPECT_EQ(at(surface, 29, 39), kBlack);
    EXPECT_EQ(at(surface, 0, 39), kWhite);
    EXPECT_EQ(at(surface, 28, 11), kWhite);
    EXPECT_EQ(at(surface, 30, 20), kGrey);
    EXPECT_EQ(at(surface, 10, 9), kGrey);
}

TEST(ImageSurface, TextFarOffShowsNothing)
{
    ImageSurface surface(80, 40);
    TCanvas canvas(&surface);
    canvas.Font.Size = 12;
    const TPoint farOff[] = {{10, kMax}, {10, kMax - 5}, {kMax, 10}, {kMin, 10}, {10, kMin}, {kMin, kMin}, {80, 0}};
    for (const TPoint p : farOff)
        canvas.TextOut(p.X, p.Y, "Wide words");
    for (int y = 0; y < 40; ++y)
        ASSERT_TRUE(blackColumnsOnRow(surface, y).empty()) << "row " << y;
    // Just off the top-left corner, the rest of the cell still shows.
    canvas.TextOut(-4, -4, "Wide words");
    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            inked += qGray(at(surface, x, y)) < 64;
    EXPECT_GT(inked, 20);
}

// A 2 x 2 picture, black at one corner only.
ImageSurface &twoByTwo(int blackX, int blackY)
{
    static ImageSurface *pictures[2][2] = {};
    auto &p = pictures[blackX][blackY];
    if (!p) {
        p = new ImageSurface(2, 2);
        TCanvas c(p);
        c.Brush.Color = clBlack;
        c.Rectangle(blackX, blackY, blackX + 1, blackY + 1);
    }
    return *p;
}

bool allOf(const ImageSurface &s, QRgb colour)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (at(s, x, y) != colour)
                return false;
    return true;
}

TEST(CopyRect, DestinationOverTheWholeRangeShowsTheSourcePixelThatLandsThere)
{
    // Each of the two source columns (rows) covers 2^31 destination pixels:
    // from 0 on, the picture shows source pixel (1, 1).
    for (const auto &[blackX, blackY, shows] : {std::tuple{1, 1, kBlack}, std::tuple{0, 0, kWhite},
                                                std::tuple{0, 1, kWhite}, std::tuple{1, 0, kWhite}}) {
        ImageSurface window(30, 20);
        TCanvas to(&window);
        TCanvas from(&twoByTwo(blackX, blackY));
        to.CopyRect({kMin, kMin, kMax, kMax}, from, {0, 0, 2, 2});
        EXPECT_TRUE(allOf(window, shows)) << "black at " << blackX << "," << blackY;
    }
}

TEST(CopyRect, SourceOverTheWholeRangeMergesIntoTheOnePixelThatCoversThePicture)
{
    // Four destination columns of 2^30 source columns each: the third
    // starts at source column 0 and holds the whole picture.
    ImageSurface picture(40, 30);
    TCanvas from(&picture);
    from.MoveTo(25, 7);
    from.LineTo(26, 7);
    ImageSurface window(4, 4);
    TCanvas to(&window);
    to.CopyRect({0, 0, 4, 4}, from, {kMin, kMin, kMax, kMax});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(at(window, x, y), x == 2 && y == 2 ? kBlack : kWhite) << x << "," << y;
}

TEST(CopyRect, PartlyShowingDestinationIsThatPartOfTheWholeStretch)
{
    ImageSurface picture(53, 47);
    TCanvas from(&picture);
    for (int i = 0; i < 12; ++i) {
        from.MoveTo(i * 7 % 53, i * 11 % 47);
        from.LineTo(i * 13 % 53, i * 5 % 47);
    }
    const TRect sources[] = {{-5, 3, 60, 40}, {10, 10, 20, 17}, {0, 0, 53, 47}};
    const TRect dests[] = {{-37, -11, 300, 200}, {-400, 15, 35, 19}, {25, -3, 70, 95}};
    for (const TRect &source : sources)
        for (const TRect &dest : dests) {
            ImageSurface window(60, 50);
            TCanvas to(&window);
            to.CopyRect(dest, from, source);
            const QImage whole = stretchBlackWins(picture.image(), source, QSize(dest.width(), dest.height()));
            QImage expected(60, 50, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter(&expected).drawImage(QPoint(dest.Left, dest.Top), whole);
            ASSERT_EQ(window.image(), expected) << "dest " << dest.Left << "," << dest.Top << " source "
                                                << source.Left << "," << source.Top;
        }
}

} // namespace

namespace {

// Formats the raster cannot write are refused before anything is drawn: a
// 1-bit image once had 4 bytes a pixel written into its 1 bit a pixel.
TEST(ImageSurface, RefusesImageFormatsItCannotPaint)
{
    for (const auto format : {QImage::Format_Mono, QImage::Format_MonoLSB, QImage::Format_Indexed8,
                              QImage::Format_RGB888, QImage::Format_RGB16, QImage::Format_Grayscale16}) {
        EXPECT_THROW(ImageSurface(40, 30, 96, format), std::invalid_argument) << format;
        QImage picture(40, 30, format);
        EXPECT_THROW(ImageSurface{picture}, std::invalid_argument) << format;
    }
    for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                              QImage::Format_Grayscale8}) {
        QImage picture(40, 30, format);
        picture.fill(Qt::white);
        ImageSurface surface(picture);
        surface.line({0, 10}, {39, 10}, TPen{clBlack, 2, TPenStyle::psSolid}, TBrush{});
        EXPECT_EQ(surface.image().pixel(20, 9), kBlack) << format;
        EXPECT_EQ(surface.image().pixel(20, 11), kWhite) << format;
    }
}

} // namespace

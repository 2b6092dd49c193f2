// The spacetime sample and page, checked through the calls they make against
// the worked figures for velocities 0, 0.60 and 0.90.
#include "spacetime_sheets.h"
#include "trace_lines.h"

#include <gtest/gtest.h>

using namespace gridora;
using namespace gridora::tracetest;
using gridora::spacetime::drawSpacetimeSample;
using gridora::spacetime::printSpacetimePage;

namespace {

std::vector<std::string> sample(int position, TCanvas *canvas = nullptr)
{
    return traceOf(357, 397, [&](TCanvas &c) { drawSpacetimeSample(c, 357, 397, position, 383, 525); }, canvas);
}

std::vector<std::string> page(int w, int h, int position, const std::string &name = "Ada")
{
    return traceOfPage(w, h, [&](TPrinter &p) { printSpacetimePage(p, position, name); });
}

bool sameLine(const Stroke &s, int x1, int y1, int x2, int y2)
{
    return s.x1 == x1 && s.y1 == y1 && s.x2 == x2 && s.y2 == y2;
}

::testing::AssertionResult hasStroke(const std::vector<Stroke> &strokes, int x1, int y1, int x2, int y2)
{
    for (const auto &s : strokes)
        if (sameLine(s, x1, y1, x2, y2))
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no stroke (" << x1 << ", " << y1 << ")-(" << x2 << ", " << y2 << ")";
}

struct Figure {
    int position;
    int x1, y1, x2, y2;
};

class SampleFigures : public ::testing::TestWithParam<Figure> {};

TEST_P(SampleFigures, StrokeIsDrawn)
{
    const auto f = GetParam();
    EXPECT_TRUE(hasStroke(strokesOf(sample(f.position)), f.x1, f.y1, f.x2, f.y2));
}

INSTANTIATE_TEST_SUITE_P(
    Worked, SampleFigures,
    ::testing::Values(Figure{60, -259, 499, 425, 89},      // x′ axis
                      Figure{60, -122, 636, 288, -48},     // ct′ axis
                      Figure{60, -6247, 4082, 6432, -3525}, // constant ct′, J = 1
                      Figure{60, -3705, 6624, 3902, -6055}, // constant x′, J = 1
                      Figure{0, -317, 294, 483, 294},
                      Figure{0, 83, 694, 83, -106},
                      Figure{90, -214, 561, 380, 27},
                      Figure{90, -184, 591, 350, -3}));

TEST(SpacetimeSample, OrderPensAndMasksAtSixty)
{
    const auto lines = sample(60);
    EXPECT_EQ(lines[1], "rect 0 0 383 525 #000000/1/solid #ffffff");
    const auto strokes = strokesOf(lines);
    ASSERT_EQ(strokes.size(), 2u + 47 + 47 + 26 + 26);
    EXPECT_EQ(strokes[0].pen, "#000000/2/solid");
    EXPECT_EQ(strokes[2].pen, "#000000/1/solid"); // J = −20
    EXPECT_EQ(strokes[3].pen, "#000000/1/dot");   // J = −19
    // Rest verticals, grey, heavy every fifth.
    const std::vector<int> firstXs = {20, 32, 45, 58, 70, 83, 96, 108};
    for (size_t i = 0; i < firstXs.size(); ++i) {
        const auto &s = strokes[96 + i];
        EXPECT_TRUE(sameLine(s, firstXs[i], 357, firstXs[i], 40)) << i;
        EXPECT_EQ(s.pen, i % 5 == 0 ? "#808080/2/solid" : "#808080/1/solid");
    }
    EXPECT_TRUE(sameLine(strokes[96 + 25], 337, 357, 337, 40));
    const std::vector<int> firstYs = {357, 345, 332, 319, 307, 294, 281};
    for (size_t i = 0; i < firstYs.size(); ++i)
        EXPECT_TRUE(sameLine(strokes[122 + i], 20, firstYs[i], 337, firstYs[i])) << i;
    const auto rects = linesStarting(lines, "rect");
    EXPECT_EQ(rects, (std::vector<std::string>{"rect 0 0 383 525 #000000/1/solid #ffffff",
                                               "rect 0 0 20 397 #ffffff/2/solid #ffffff",
                                               "rect 20 358 357 397 #ffffff/2/solid #ffffff",
                                               "rect 338 0 357 397 #ffffff/2/solid #ffffff",
                                               "rect 0 0 357 40 #ffffff/2/solid #ffffff"}));
}

TEST(SpacetimeSample, AtRestTheMovingGridIsOffsetByTheTruncatedOrigin)
{
    const auto strokes = strokesOf(sample(0));
    // Lines of constant x′ for J = 1 at x = 95 (the rest vertical is at 96);
    // constant ct′ for J = 1 at y = 281, on the rest horizontal.
    const auto &ctPrime = strokes[2 + 21];
    EXPECT_EQ(ctPrime.y1, 281);
    EXPECT_EQ(ctPrime.y2, 281);
    const auto &xPrime = strokes[2 + 47 + 21];
    EXPECT_EQ(xPrime.x1, 95);
    EXPECT_EQ(xPrime.x2, 95);
}

TEST(SpacetimeSample, ZeroLengthLinesAtTheOriginAndLeavesTheWhitePen)
{
    TCanvas canvas;
    const auto strokes = strokesOf(sample(37, &canvas));
    EXPECT_TRUE(sameLine(strokes[2 + 20], strokes[2 + 20].x1, strokes[2 + 20].y1, strokes[2 + 20].x1,
                         strokes[2 + 20].y1));
    EXPECT_EQ(canvas.Pen.Color, clWhite);
    EXPECT_EQ(canvas.Pen.Width, 2);
    EXPECT_EQ(canvas.Pen.Style, TPenStyle::psSolid);
    // The next sample's erase rectangle is drawn with that pen.
    EXPECT_EQ(sample(37, &canvas)[1], "rect 0 0 383 525 #ffffff/2/solid #ffffff");
}

TEST(SpacetimeSample, EveryPositionStaysWithinTheReachOfItsLines)
{
    for (int P = 0; P <= 90; ++P) {
        const auto strokes = strokesOf(sample(P));
        ASSERT_EQ(strokes.size(), 148u);
        for (const auto &s : strokes) {
            ASSERT_LE(std::abs(s.x1), 310000) << P;
            ASSERT_LE(std::abs(s.y1), 310000) << P;
        }
    }
}

class PageFigures : public ::testing::TestWithParam<Figure> {};

TEST_P(PageFigures, StrokeIsDrawn)
{
    const auto f = GetParam();
    EXPECT_TRUE(hasStroke(strokesOf(page(4800, 6600, f.position)), f.x1, f.y1, f.x2, f.y2));
}

INSTANTIATE_TEST_SUITE_P(
    Worked, PageFigures,
    ::testing::Values(Figure{60, -4483, 8327, 6835, 1537}, Figure{60, -2219, 10591, 4571, -727},
                      Figure{60, -4361, 8123, 9787, -365}, Figure{60, -2015, 10469, 6473, -3679},
                      Figure{60, 1176, 5748, 1176, 852}, Figure{60, 360, 4932, 4440, 4932},
                      Figure{0, -5424, 4932, 7776, 4932}, Figure{0, 1176, 11532, 1176, -1668},
                      Figure{90, -3729, 9347, 6081, 517}, Figure{90, -3239, 9837, 5591, 27}));

TEST(SpacetimePage, LayoutAtSixty)
{
    const auto lines = page(4800, 6600, 60, "Ada");
    EXPECT_EQ(lines[1], "begindoc");
    EXPECT_EQ(lines[2], "rect 0 0 4800 6600 #ffffff/1/solid #ffffff");
    EXPECT_EQ(lines[lines.size() - 2], "text 10 10 12 \"Ada   v = 0.60 c\"");
    EXPECT_EQ(lines.back(), "enddoc");
    const auto strokes = strokesOf(lines);
    ASSERT_EQ(strokes.size(), 2u + 57 + 62 + 26 + 31 + 2);
    EXPECT_EQ(strokes[0].pen, "#000000/6/solid");
    const std::vector<int> xs = {360, 523, 686, 849, 1012, 1176, 1339};
    for (size_t i = 0; i < xs.size(); ++i)
        EXPECT_TRUE(sameLine(strokes[121 + i], xs[i], 5748, xs[i], 852)) << i;
    EXPECT_EQ(strokes[121].pen, "#808080/5/solid");
    EXPECT_EQ(strokes[122].pen, "#808080/1/solid");
    const std::vector<int> ys = {5748, 5585, 5422, 5259, 5096, 4932, 4769};
    for (size_t i = 0; i < ys.size(); ++i)
        EXPECT_TRUE(sameLine(strokes[147 + i], 360, ys[i], 4440, ys[i])) << i;
    // The masks reach to 2 pixels off the outer rulings, which the 5-pixel
    // lines cover: the one below from the left mask's edge, the one above
    // down to the top line.
    EXPECT_EQ(linesStarting(lines, "rect"),
              (std::vector<std::string>{"rect 0 0 4800 6600 #ffffff/1/solid #ffffff",
                                        "rect 0 0 358 6600 #ffffff/6/solid #ffffff",
                                        "rect 358 5751 4800 6600 #ffffff/6/solid #ffffff",
                                        "rect 4442 0 4800 6600 #ffffff/6/solid #ffffff",
                                        "rect 0 0 4800 850 #ffffff/6/solid #ffffff"}));
}

TEST(SpacetimePage, AtRestMovingLinesAndRestLinesTruncateDifferently)
{
    const auto lines = page(4800, 6600, 0, "");
    const auto strokes = strokesOf(lines);
    EXPECT_EQ(strokes[2 + 31].y1, 4768); // constant ct′, J = 1
    EXPECT_EQ(strokes[2 + 57 + 31].x1, 1339); // constant x′, J = 1, on the rest vertical
    EXPECT_EQ(lines[lines.size() - 2], "text 10 10 12 \"   v = 0.00 c\"");
}

TEST(SpacetimePage, LandscapeGridRunsOffThePage)
{
    const auto strokes = strokesOf(page(6600, 4800, 60));
    // Ox = 495 + 1122, Yb = 5766, grid top at 5766 − 6732 = −966.
    EXPECT_TRUE(hasStroke(strokes, 495, 5766, 495, -966));
    EXPECT_TRUE(hasStroke(strokes, 495 + 1122, 5766, 495 + 1122, -966));
}

TEST(SpacetimePage, VelocityLine)
{
    EXPECT_EQ(gridora::spacetime::velocityLine("Zoë", 5), "Zoë   v = 0.05 c");
    EXPECT_EQ(gridora::spacetime::velocityLine("", 90), "   v = 0.90 c");
    // As the reader's language writes it.
    EXPECT_EQ(gridora::spacetime::velocityLine("Zoë", 61, ","), "Zoë   v = 0,61 c");
}

// The explicit directional marks in UTF-8.
const std::string RLE = "\xE2\x80\xAB", PDF = "\xE2\x80\xAC", RLO = "\xE2\x80\xAE";
const std::string LRI = "\xE2\x81\xA6", RLI = "\xE2\x81\xA7", FSI = "\xE2\x81\xA8", PDI = "\xE2\x81\xA9";

struct IsolationCase {
    std::string name;
    std::string held; // the name as the velocity line holds it
};

class NameIsolation : public ::testing::TestWithParam<IsolationCase> {};

TEST_P(NameIsolation, ClosesWhateverTheNameLeavesOpen)
{
    EXPECT_EQ(gridora::spacetime::isolatedName(GetParam().name), GetParam().held);
    EXPECT_EQ(gridora::spacetime::velocityLine(GetParam().name, 60), GetParam().held + "   v = 0.60 c");
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameIsolation,
    ::testing::Values(
        // Nothing directional: as given, right-to-left letters included.
        IsolationCase{"Zoë", "Zoë"}, IsolationCase{"שלום 42", "שלום 42"}, IsolationCase{"", ""},
        IsolationCase{"\xE2\x80", "\xE2\x80"}, IsolationCase{"a\xE2\x80\xA8" "b", "a\xE2\x80\xA8" "b"},
        // Embeddings and overrides, open or closed: one isolate round them.
        IsolationCase{RLO + "abc", FSI + RLO + "abc" + PDI}, IsolationCase{RLE + "ab" + PDF, FSI + RLE + "ab" + PDF + PDI},
        // An isolate left open needs a PDI of its own; a closed one does not.
        IsolationCase{RLI + "abc", FSI + RLI + "abc" + PDI + PDI},
        IsolationCase{RLI + LRI + "ab", FSI + RLI + LRI + "ab" + PDI + PDI + PDI},
        IsolationCase{RLI + "a" + PDI + "b", FSI + RLI + "a" + PDI + "b" + PDI},
        // A stray PDI gets an FSI to close, not the outer one.
        IsolationCase{PDI + RLO + "abc", FSI + FSI + PDI + RLO + "abc" + PDI},
        IsolationCase{PDI + PDI + "x", FSI + FSI + FSI + PDI + PDI + "x" + PDI}));

TEST(SpacetimePage, ALongHostileNameIsWrittenAsGiven)
{
    std::string name;
    for (int i = 0; i < 100000; ++i)
        name += i % 1000 == 0 ? "\n\t\x01\x1f" : i % 3 == 0 ? "\xD7\xA9" : "e\xCC\x81";
    const auto texts = linesStarting(page(4800, 6600, 60, name), "text");
    ASSERT_EQ(texts.size(), 1u);
    const std::string at = "text 10 10 12 ";
    ASSERT_EQ(texts[0].rfind(at, 0), 0u);
    EXPECT_EQ(jsonStringText(texts[0].substr(at.size())), name + "   v = 0.60 c");
}

} // namespace

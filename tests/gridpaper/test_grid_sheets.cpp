// The grid sample and the printed grid page, checked through the calls they
// make against the worked figures of the design of the sheets.
#include "grid_sheets.h"
#include "trace_lines.h"

#include <gtest/gtest.h>

#include <set>

using namespace gridora;
using namespace gridora::tracetest;
using gridora::gridpaper::drawGridSample;
using gridora::gridpaper::printGridPage;

namespace {

std::vector<std::string> sample(int kind, int size, TCanvas *canvas = nullptr)
{
    return traceOf(357, 397, [&](TCanvas &c) { drawGridSample(c, 357, 397, kind, size); }, canvas);
}

std::vector<std::string> page(int w, int h, int kind, int size, const std::string &name = "Ada")
{
    return traceOfPage(w, h, [&](TPrinter &p) { printGridPage(p, kind, size, name); });
}

bool vertical(const Stroke &s) { return s.x1 == s.x2; }
bool horizontal(const Stroke &s) { return s.y1 == s.y2; }

std::vector<int> xs(const std::vector<Stroke> &strokes)
{
    std::vector<int> out;
    for (const auto &s : strokes)
        out.push_back(s.x1);
    return out;
}

std::vector<int> ys(const std::vector<Stroke> &strokes)
{
    std::vector<int> out;
    for (const auto &s : strokes)
        out.push_back(s.y1);
    return out;
}

std::vector<int> heavy(const std::vector<Stroke> &strokes, int width, bool useX)
{
    std::vector<int> out;
    for (const auto &s : strokes)
        if (penWidth(s) == width)
            out.push_back(useX ? s.x1 : s.y1);
    return out;
}

std::vector<int> prefix(const std::vector<int> &v, size_t n) { return {v.begin(), v.begin() + long(n)}; }
std::vector<int> suffix(const std::vector<int> &v, size_t n) { return {v.end() - long(n), v.end()}; }

// ------------------------------------------------------------------ sample

TEST(GridSample, SquaredRulingsAndTheirWeights)
{
    for (int size : {0, 1, 2, -1}) {
        const auto strokes = strokesOf(sample(0, size));
        const auto verticals = strokesWhere(strokes, vertical);
        const auto horizontals = strokesWhere(strokes, horizontal);
        ASSERT_EQ(verticals.size(), 51u);
        ASSERT_EQ(horizontals.size(), 76u);
        EXPECT_EQ(prefix(xs(verticals), 7), (std::vector<int>{20, 26, 32, 39, 45, 51, 58}));
        EXPECT_EQ(suffix(xs(verticals), 3), (std::vector<int>{324, 330, 337}));
        EXPECT_EQ(prefix(ys(horizontals), 5), (std::vector<int>{377, 373, 368, 363, 358}));
        EXPECT_EQ(suffix(ys(horizontals), 3), (std::vector<int>{30, 25, 20}));
        EXPECT_EQ(heavy(verticals, 2, true).size(), 11u);
        EXPECT_EQ(heavy(horizontals, 2, false).size(), 16u);
        EXPECT_EQ(verticals.front().y1, 377);
        EXPECT_EQ(verticals.front().y2, 20);
        EXPECT_EQ(horizontals.front().x2, 337);
    }
}

struct LogSampleCase {
    int kind, size;
    size_t logRulings;            // horizontal logarithmic rulings drawn
    std::vector<int> heavyYs;     // first heavy rulings, bottom up
    std::vector<int> heavyXs;     // "Log" only
};

class GridSampleLog : public ::testing::TestWithParam<LogSampleCase> {};

TEST_P(GridSampleLog, DecadesRulingsAndHeavyMarks)
{
    const auto c = GetParam();
    const auto strokes = strokesOf(sample(c.kind, c.size));
    // Log horizontals span the full width; the linear verticals of "Semi log"
    // are told apart by being vertical.
    const auto logHorizontals = strokesWhere(strokes, horizontal);
    const auto verticals = strokesWhere(strokes, vertical);
    EXPECT_EQ(logHorizontals.size(), c.logRulings);
    EXPECT_EQ(prefix(heavy(logHorizontals, 2, false), c.heavyYs.size()), c.heavyYs);
    if (c.kind == 2) {
        EXPECT_EQ(verticals.size(), c.logRulings);
        EXPECT_EQ(prefix(heavy(verticals, 2, true), c.heavyXs.size()), c.heavyXs);
        EXPECT_EQ(verticals.front().y1, 40);
        EXPECT_EQ(verticals.front().y2, 357);
    } else {
        EXPECT_EQ(verticals.size(), 51u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, GridSampleLog,
    ::testing::Values(
        LogSampleCase{1, 0, 99, {377, 270, 207, 163, 128, 100, 76, 55, 37, 20}, {}},
        LogSampleCase{1, 1, 122, {377}, {}},
        LogSampleCase{1, 2, 117, {377}, {}},
        LogSampleCase{2, 0, 93, {357, 262, 206, 167, 136, 111, 90, 71, 55, 40},
                      {20, 115, 171, 210, 241, 266, 287, 306, 322, 337}},
        LogSampleCase{2, 1, 86, {357}, {20}},
        LogSampleCase{2, 2, 99, {357}, {20}}));

TEST(GridSample, SemiLogDecadeBoundariesAreDrawnTwice)
{
    auto count = [](const std::vector<int> &v, int y) { return std::count(v.begin(), v.end(), y); };
    const auto two = heavy(strokesWhere(strokesOf(sample(1, 1)), horizontal), 2, false);
    EXPECT_EQ(count(two, 199), 2);
    EXPECT_EQ(two.back(), 20);
    const auto three = heavy(strokesWhere(strokesOf(sample(1, 2)), horizontal), 2, false);
    EXPECT_EQ(count(three, 258), 2);
    EXPECT_EQ(count(three, 139), 2);
}

TEST(GridSample, ThreeDecadeLogBoundaries)
{
    const auto strokes = strokesOf(sample(2, 2));
    const auto h = heavy(strokesWhere(strokes, horizontal), 2, false);
    const auto v = heavy(strokesWhere(strokes, vertical), 2, true);
    const std::set<int> hs(h.begin(), h.end()), vs(v.begin(), v.end());
    for (int y : {357, 252, 146, 40})
        EXPECT_TRUE(hs.count(y)) << y;
    for (int x : {20, 125, 231, 337})
        EXPECT_TRUE(vs.count(x)) << x;
}

TEST(GridSample, StepsPerUnitFollowTheDrawnLength)
{
    // The step of the mark value in each unit 1-2 ... 9-10, as the spacing
    // test picks it for a decade of that drawn length; each decade draws its
    // own end rulings, so a boundary between two decades comes twice.
    struct Case {
        int kind, size;
        std::vector<int> steps;
        bool (*along)(const Stroke &);
    };
    const Case cases[] = {
        {1, 0, {5, 5, 10, 10, 10, 10, 10, 25, 25}, horizontal},
        {1, 1, {5, 10, 10, 25, 25, 25, 25, 50, 50}, horizontal},
        {1, 2, {10, 10, 25, 25, 50, 50, 50, 50, 50}, horizontal},
        {2, 0, {5, 5, 10, 10, 10, 10, 25, 25, 25}, horizontal},
        {2, 0, {5, 5, 10, 10, 10, 10, 25, 25, 25}, vertical},
        {2, 1, {10, 10, 25, 25, 25, 25, 50, 50, 50}, horizontal},
        {2, 1, {10, 10, 25, 25, 25, 25, 50, 50, 50}, vertical},
        {2, 2, {10, 25, 25, 25, 50, 50, 50, 50, 50}, horizontal},
        {2, 2, {10, 25, 25, 25, 50, 50, 50, 50, 50}, vertical},
    };
    for (const Case &c : cases) {
        std::size_t perDecade = 1;
        for (int step : c.steps)
            perDecade += static_cast<std::size_t>(100 / step);
        const std::size_t decades = static_cast<std::size_t>(c.size + 1);
        EXPECT_EQ(strokesWhere(strokesOf(sample(c.kind, c.size)), c.along).size(), decades * perDecade)
            << "kind " << c.kind << ", size " << c.size;
    }
}

TEST(GridSample, TypedTextDrawsOnlyTheLinearVerticals)
{
    for (auto [kind, size] : {std::pair{1, -1}, std::pair{2, -1}, std::pair{-1, 0}, std::pair{-1, -1}}) {
        const auto strokes = strokesOf(sample(kind, size));
        EXPECT_EQ(strokes.size(), 51u) << kind << ' ' << size;
        EXPECT_EQ(strokesWhere(strokes, vertical).size(), 51u);
    }
}

TEST(GridSample, FrameIsDrawnWithThePenLeftBefore)
{
    TCanvas canvas;
    const auto first = sample(0, 0, &canvas);
    EXPECT_EQ(first[1], "rect 0 0 357 397 #000000/1/solid #ffffff");
    const auto second = sample(1, 0, &canvas); // after "Squared": 2 wide
    EXPECT_EQ(second[1], "rect 0 0 357 397 #000000/2/solid #ffffff");
    const auto third = sample(2, 0, &canvas);  // after "Semi log": 1 wide
    EXPECT_EQ(third[1], "rect 0 0 357 397 #000000/1/solid #ffffff");
    EXPECT_EQ(canvas.Pen.Width, 1);
    EXPECT_EQ(canvas.Brush.Color, clWhite);
}

// ------------------------------------------------------------------ page

TEST(GridPage, SquaredOnAFortyEightHundredWidePage)
{
    const auto lines = page(4800, 6400, 0, 0);
    EXPECT_EQ(lines[0], "surface 4800 6400");
    EXPECT_EQ(lines[1], "begindoc");
    EXPECT_EQ(lines[2], "text 10 10 12 \"Ada\"");
    EXPECT_EQ(lines.back(), "enddoc");
    const auto strokes = strokesOf(lines);
    const auto v = strokesWhere(strokes, vertical);
    const auto h = strokesWhere(strokes, horizontal);
    ASSERT_EQ(v.size(), 51u);
    ASSERT_EQ(h.size(), 76u);
    EXPECT_EQ(prefix(xs(v), 6), (std::vector<int>{360, 441, 523, 604, 686, 768}));
    EXPECT_EQ(v.back().x1, 4440);
    EXPECT_EQ(prefix(ys(h), 3), (std::vector<int>{6040, 5965, 5889}));
    EXPECT_EQ(h.back().y1, 360);
    // Heavy rulings are 4 wide with a 10 px tick past the bottom or left edge.
    EXPECT_EQ(v[5].pen, "#000000/4/solid");
    EXPECT_EQ(v[5].y1, 6050);
    EXPECT_EQ(v[5].y2, 360);
    EXPECT_EQ(v[6].pen, "#000000/1/solid");
    EXPECT_EQ(v[6].y1, 6040);
    EXPECT_EQ(h[0].x1, 350);
    EXPECT_EQ(h[1].x1, 360);
    EXPECT_EQ(h[0].x2, 4440);
}

TEST(GridPage, ProductsThatAreWholeLandOnThatPixel)
{
    // 4800 wide: M = 360, W = 4080, cw = 81.6; i × 81.6 is whole for i = 25, 45, 50.
    const auto v = strokesWhere(strokesOf(page(4800, 6600, 0, 0)), vertical);
    EXPECT_EQ(v[25].x1, 360 + 2040);
    EXPECT_EQ(v[45].x1, 360 + 3672);
    EXPECT_EQ(v[50].x1, 360 + 4080);
}

TEST(GridPage, SquaredSizesGiveIdenticalPagesAndAnEmptyNameWritesNothing)
{
    EXPECT_EQ(page(4800, 6400, 0, 0), page(4800, 6400, 0, 1));
    EXPECT_EQ(page(4800, 6400, 0, 0), page(4800, 6400, 0, 2));
    const auto unnamed = page(4800, 6400, 0, 0, "");
    EXPECT_TRUE(linesStarting(unnamed, "text").empty());
    auto named = page(4800, 6400, 0, 0);
    named.erase(named.begin() + 2);
    EXPECT_EQ(unnamed, named);
}

TEST(GridPage, MarginComesFromTheWidthAlone)
{
    const auto v = strokesWhere(strokesOf(page(4799, 6400, 0, 0)), vertical);
    EXPECT_EQ(v.front().x1, 359);
    EXPECT_EQ(v.front().y2, 359);
}

TEST(GridPage, SemiLogOneDecadeLabels)
{
    const auto texts = linesStarting(page(4800, 6400, 1, 0), "text");
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[1], "text 310 6040 5 \"1\"");
    EXPECT_EQ(texts[2], "text 310 4331 5 \"2\"");
    EXPECT_EQ(texts[3], "text 310 3330 5 \"3\"");
    EXPECT_EQ(texts.back(), "text 310 360 5 \"10\"");
}

struct PageDecadeCase {
    int size;
    size_t rulingsPerDecade;
};

class GridPageLog : public ::testing::TestWithParam<PageDecadeCase> {};

TEST_P(GridPageLog, RulingsPerDecadeOnTheFortyEightHundredPage)
{
    const auto c = GetParam();
    const auto strokes = strokesOf(page(4800, 6400, 2, c.size));
    const size_t D = static_cast<size_t>(c.size) + 1;
    EXPECT_EQ(strokesWhere(strokes, horizontal).size(), D * c.rulingsPerDecade);
    EXPECT_EQ(strokesWhere(strokes, vertical).size(), D * c.rulingsPerDecade);
}

INSTANTIATE_TEST_SUITE_P(Steps, GridPageLog,
                         ::testing::Values(PageDecadeCase{0, 80}, PageDecadeCase{1, 53}, PageDecadeCase{2, 46}));

TEST(GridPage, LogSquareIsCentredAndLabelledBelow)
{
    const auto lines = page(4800, 6400, 2, 0);
    const auto strokes = strokesOf(lines);
    const auto v = strokesWhere(strokes, vertical);
    EXPECT_EQ(v.front().y1, 1160);              // T
    EXPECT_EQ(v.front().y2, 1160 + 4080 + 15);  // heavy tick
    const auto texts = linesStarting(lines, "text");
    EXPECT_EQ(texts[2], "text 360 5265 5 \"1\"");
    // Medium half marks: width 2 with a 5 px tick; thin ones none; no label.
    bool sawMedium = false;
    for (const auto &s : strokesWhere(strokes, horizontal)) {
        const int w = penWidth(s);
        EXPECT_EQ(360 - s.x1, 5 * (w - 1));
        sawMedium |= w == 2;
    }
    EXPECT_TRUE(sawMedium);
    EXPECT_EQ(texts.size(), 1u + 2 * 10);
}

TEST(GridPage, LandscapeLogTruncatesTowardZero)
{
    const auto v = strokesWhere(strokesOf(page(6400, 4799, 2, 0)), vertical);
    EXPECT_EQ(v.front().x1, 480);
    EXPECT_EQ(v.front().y1, -320); // trunc(−320.5)
}

TEST(GridPage, UnitOneToTwoIsAlwaysCutIntoTwenty)
{
    const auto h = strokesWhere(strokesOf(page(4800, 6400, 2, 2)), horizontal);
    // Marks 100, 105, ..., 200 of the bottom decade: 21 rulings, the 21st heavy.
    EXPECT_EQ(penWidth(h[0]), 4);
    EXPECT_EQ(penWidth(h[10]), 2);
    EXPECT_EQ(penWidth(h[20]), 4);
    // The unit 2 to 3 is cut in fifths: no medium ruling before the mark 3.
    for (int i = 21; i < 25; ++i)
        EXPECT_EQ(penWidth(h[i]), 1);
    EXPECT_EQ(penWidth(h[25]), 4);
}

TEST(GridPage, SemiLogTestsUnitsWithTheWidthBasedLength)
{
    // Unit 3 to 4 is ~710 px on the page but tested as ~510 px: ten parts.
    const auto h = strokesWhere(strokesOf(page(4800, 6400, 1, 0)), horizontal);
    // 20 + 20 rulings for units 1-2 and 2-3, then the unit 3-4 in tens.
    EXPECT_EQ(penWidth(h[40]), 4);
    EXPECT_EQ(penWidth(h[45]), 2);
    EXPECT_EQ(penWidth(h[50]), 4);
}

TEST(GridPage, TypedTextPrintsNameAndVerticalsOnly)
{
    for (auto [kind, size] : {std::pair{1, -1}, std::pair{2, -1}, std::pair{-1, 1}}) {
        const auto lines = page(4800, 6400, kind, size);
        EXPECT_EQ(strokesOf(lines).size(), 51u);
        EXPECT_EQ(linesStarting(lines, "text").size(), 1u);
    }
}

// The trace keeps the name exactly: only painted surfaces show its control
// characters as escapes.
TEST(GridPage, ALongHostileNameIsWrittenAsGiven)
{
    std::string name(100000, 'W');
    for (std::size_t i = 0; i < name.size(); i += 997)
        name[i] = static_cast<char>(i % 32); // every C0 control, NUL included
    name += "\xE2\x80\xAE" "\xD7\xA9\xF0\x9F\x98\x80";       // RLO, shin, an emoji
    const auto texts = linesStarting(page(4800, 6400, 0, 0, name), "text");
    ASSERT_EQ(texts.size(), 1u);
    const std::string at = "text 10 10 12 ";
    ASSERT_EQ(texts[0].rfind(at, 0), 0u);
    EXPECT_EQ(jsonStringText(texts[0].substr(at.size())), name);
}

TEST(GridPage, NoPrinterDrawsNothing)
{
    TPrinter none;
    try {
        printGridPage(none, 0, 0, "Ada");
        FAIL() << "printed without a printer";
    } catch (const EPrinter &e) {
        EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
    EXPECT_FALSE(none.Printing());
}

} // namespace

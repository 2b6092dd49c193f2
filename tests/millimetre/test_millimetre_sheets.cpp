// Millimetre paper: ruling k on the pixel k millimetres give, at printers'
// resolutions on A4 and Letter either way up and on the sample; three weights
// that stay apart; the name's line never crossed by the grid.
#include "file_targets.h"
#include "kinds.h"
#include "page_layout.h"
#include "sample_picture.h"
#include "trace_lines.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace gridora;
using namespace gridora::tracetest;

namespace {

kinds::SheetChoice millimetrePaper()
{
    return {*kinds::indexOfId("millimetre"), 0, 60};
}

// k millimetres at dpi, truncated to whole pixels.
int mm(long long k, int dpi)
{
    return static_cast<int>(10 * k * dpi / 254);
}

// The pixels a level or plumb ruling of width w at `at` covers across itself.
int firstInked(int at, int w) { return at - w / 2; }
int lastInked(int at, int w) { return at + (w - 1) / 2; }

// One family of rulings (plumb or level) as a sheet drew them: where each
// lies across, its pen width, in drawing order, and the spans they run along.
struct Family {
    std::vector<int> at, width;
    std::set<std::pair<int, int>> spans;
};

Family familyOf(const std::vector<Stroke> &strokes, bool plumb)
{
    Family f;
    for (const Stroke &s : strokes) {
        if (plumb ? s.x1 != s.x2 : s.y1 != s.y2)
            continue;
        f.at.push_back(plumb ? s.x1 : s.y1);
        f.width.push_back(penWidth(s));
        f.spans.insert(plumb ? std::pair{s.y1, s.y2} : std::pair{s.x1, s.x2});
    }
    return f;
}

// Where one family may put ink across itself, from inkFrom to inkTo
// (exclusive); the room a grid of whole centimetres had to fill, which one
// more centimetre would overflow; and whether the grid is centred in it.
struct Room {
    int inkFrom, inkTo;
    int roomFrom;
    bool centred;
};

// Checks one family against k millimetres at dpi: whole centimetres, each
// ruling where its millimetres put it, its weight by k, every pixel in the
// room, the room filled, and each ruling across the whole of the other family.
void checkFamily(const Family &f, const Family &other, int dpi, const Room &room)
{
    ASSERT_GE(f.at.size(), 11u) << "at least one centimetre";
    ASSERT_EQ(f.at.size() % 10, 1u) << "whole centimetres: " << f.at.size() << " rulings";
    const int n = static_cast<int>(f.at.size() / 10);
    std::set<int> widths[3]; // every millimetre, every 5 mm, every centimetre
    for (int k = 0; k <= 10 * n; ++k) {
        EXPECT_EQ(f.at[k] - f.at[0], mm(k, dpi)) << "ruling " << k;
        widths[k % 10 == 0 ? 2 : k % 5 == 0 ? 1 : 0].insert(f.width[k]);
    }
    for (const auto &weight : widths)
        ASSERT_EQ(weight.size(), 1u) << "one pen width for each weight";
    const int fine = *widths[0].begin(), five = *widths[1].begin(), heavy = *widths[2].begin();
    EXPECT_GE(2 * five, 3 * fine) << "5 mm rulings half again as wide as millimetre ones";
    EXPECT_GE(2 * heavy, 3 * five) << "centimetre rulings half again as wide as 5 mm ones";

    const int before = firstInked(f.at.front(), heavy) - room.inkFrom;
    const int after = room.inkTo - 1 - lastInked(f.at.back(), heavy);
    EXPECT_GE(before, 0);
    EXPECT_GE(after, 0);
    if (room.centred) {
        EXPECT_LE(std::abs(before - after), 1) << "centred";
    }
    EXPECT_GT(mm(10 * (n + 1), dpi) + heavy, room.inkTo - room.roomFrom) << "one more centimetre would fit";
    EXPECT_EQ(f.spans, (std::set<std::pair<int, int>>{{other.at.front(), other.at.back()}}));
}

struct PageCase {
    const page::Paper *paper;
    page::Orientation orientation;
    int dpi;
};

std::string caseName(const PageCase &c)
{
    const bool landscape = c.orientation == page::Orientation::Landscape;
    return std::string(c.paper->label) + (landscape ? "_landscape_" : "_") + std::to_string(c.dpi) + "dpi";
}

void PrintTo(const PageCase &c, std::ostream *out)
{
    *out << caseName(c);
}

class MillimetrePage : public testing::TestWithParam<PageCase> {};

// The printable area a quarter inch in from the paper's edges, as
// gridora-sheet --paper and the browser lay it out.
TEST_P(MillimetrePage, RulingKLiesKMillimetresFromTheFirstAndTheGridFillsTheArea)
{
    const auto [paper, orientation, dpi] = GetParam();
    const auto layout = page::layOut(*paper, orientation, page::kQuarterInchMargin, dpi);
    ASSERT_TRUE(layout);
    const int W = layout->width, H = layout->height;
    std::ostringstream out;
    TPrinter printer(std::make_unique<TracePrintTarget>(out, W, H, dpi));
    kinds::printPage(printer, millimetrePaper(), "Ada");
    const auto lines = splitLines(out.str());
    EXPECT_EQ(linesStarting(lines, "text "), std::vector<std::string>{"text 10 10 12 \"Ada\""});

    const auto strokes = strokesOf(lines);
    const Family plumb = familyOf(strokes, true), level = familyOf(strokes, false);
    ASSERT_EQ(plumb.at.size() + level.at.size(), strokes.size());
    {
        SCOPED_TRACE("across");
        checkFamily(plumb, level, dpi, {0, W, 0, true});
    }
    // Below the name's line of 12 points, which ends at least 2288/2048 of
    // its size below its corner (the pages' face); a line twice its size
    // would leave less room than the grid was given.
    const int px = (12 * dpi + 36) / 72;
    SCOPED_TRACE("down");
    checkFamily(level, plumb, dpi, {10 + (2288 * px + 2047) / 2048, H, 10 + 2 * px, false});
}

std::vector<PageCase> pageCases()
{
    std::vector<PageCase> cases;
    for (const page::Paper *paper : {page::paperNamed("a4"), page::paperNamed("letter")})
        for (const auto orientation : {page::Orientation::Portrait, page::Orientation::Landscape})
            for (const int dpi : {300, 600, 1200})
                cases.push_back({paper, orientation, dpi});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Papers, MillimetrePage, testing::ValuesIn(pageCases()),
                         [](const testing::TestParamInfo<PageCase> &info) { return caseName(info.param); });

// The sample: 5 pixels to the millimetre inside the samples' 20-pixel margin,
// centred; drawn the same whatever sample came before, and leaving the
// canvas so that the next one is drawn as on a new canvas.
TEST(MillimetreSample, FivePixelsToTheMillimetreWhateverCameBeforeOrAfter)
{
    const int W = sheets::kSampleWidth, H = sheets::kSampleHeight;
    const auto strokes = strokesOf(traceOf(W, H, [](TCanvas &c) { kinds::drawSample(c, {}, millimetrePaper()); }));
    const Family plumb = familyOf(strokes, true), level = familyOf(strokes, false);
    const int sampleDpi = 127; // 5 pixels to the millimetre
    {
        SCOPED_TRACE("across");
        checkFamily(plumb, level, sampleDpi, {20, W - 20, 20, true});
    }
    {
        SCOPED_TRACE("down");
        checkFamily(level, plumb, sampleDpi, {20, H - 20, 20, true});
    }

    const int squared = *kinds::indexOfId("squared"), spacetime = *kinds::indexOfId("spacetime");
    const auto fresh = kinds::sampleRgba(millimetrePaper());
    kinds::SamplePicture picture;
    for (const int before : {squared, spacetime}) {
        picture.draw({before, 0, 60});
        picture.draw(millimetrePaper());
        EXPECT_EQ(picture.rgba(), fresh) << "after kind " << before;
        picture.draw({before, 0, 60});
        EXPECT_EQ(picture.rgba(), kinds::sampleRgba({before, 0, 60})) << "kind " << before << " after it";
    }
}

// A page of the given size at dpi, drawn as a PNG page is, read back.
QImage pagePixels(int width, int height, int dpi, const std::string &name)
{
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    TPrinter printer(std::make_unique<FilePrintTarget>(PageFormat::Png, &png, width, height, dpi));
    kinds::printPage(printer, millimetrePaper(), name);
    return QImage::fromData(png.data(), "PNG").convertToFormat(QImage::Format_Grayscale8);
}

// The page's strokes at dpi.
std::vector<Stroke> pageStrokes(int width, int height, int dpi)
{
    std::ostringstream out;
    TPrinter printer(std::make_unique<TracePrintTarget>(out, width, height, dpi));
    kinds::printPage(printer, millimetrePaper(), "");
    return strokesOf(splitLines(out.str()));
}

// The smallest size in 1..limit for which holds(size) is true, holds being
// false below some size and true from it on.
int smallest(int limit, const std::function<bool(int)> &holds)
{
    int low = 0, high = limit;
    while (high - low > 1)
        (holds((low + high) / 2) ? high : low) = (low + high) / 2;
    return high;
}

// The pixels a family's rulings cover across, from the first to the last.
std::pair<int, int> inkedAcross(const Family &f)
{
    return {firstInked(f.at.front(), f.width.front()), lastInked(f.at.back(), f.width.back())};
}

// On the smallest page that holds a centimetre, the grid reaches the edges
// of the printable area, and so stands as close under the name as it ever
// does: a name with accents and descenders, written in the real faces, still
// has no ruling through it.
TEST(MillimetrePageEdges, TheSmallestPageIsFilledToItsEdgesAndTheNameStaysClear)
{
    const std::string name = "gjpqyÇ Ångström Ωμέγα Йй ✓";
    for (const int dpi : {300, 600, 1200}) {
        SCOPED_TRACE(dpi);
        const int roomy = mm(400, dpi);
        const int narrowest = smallest(roomy, [&](int w) { return !pageStrokes(w, roomy, dpi).empty(); });
        const auto across = inkedAcross(familyOf(pageStrokes(narrowest, roomy, dpi), true));
        EXPECT_EQ(across, std::pair(0, narrowest - 1));

        const int width = mm(150, dpi); // room for the name
        const int height = smallest(roomy, [&](int h) { return !pageStrokes(width, h, dpi).empty(); });
        const auto down = inkedAcross(familyOf(pageStrokes(width, height, dpi), false));
        EXPECT_EQ(down.second, height - 1);

        const QImage named = pagePixels(width, height, dpi, name), bare = pagePixels(width, height, dpi, "");
        int nameBottom = -1, gridTop = height;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool inked = qGray(named.pixel(x, y)) < 128, ruled = qGray(bare.pixel(x, y)) < 128;
                if (inked && !ruled)
                    nameBottom = std::max(nameBottom, y);
                if (ruled)
                    gridTop = std::min(gridTop, y);
            }
        EXPECT_EQ(gridTop, down.first);
        EXPECT_GT(nameBottom, 10) << "the name is written";
        EXPECT_LT(nameBottom, gridTop) << "the grid's top ruling runs through the name";
    }
}

} // namespace

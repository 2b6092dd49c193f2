// The table of kinds: every front-end reaches exactly the kinds it holds, and
// the core's sample picture keeps its canvas as the window's does.
#include "kinds.h"
#include "sample_picture.h"
#include "trace_lines.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

using namespace gridora;
using namespace gridora::tracetest;

namespace {

int kindCount()
{
    return static_cast<int>(kinds::all().size());
}

TEST(Kinds, EachIdReachesItsOwnKindAndNothingElseIsReached)
{
    std::set<std::string_view> ids, names;
    for (int k = 0; k < kindCount(); ++k) {
        const kinds::Kind &kind = kinds::kindAt(k);
        EXPECT_EQ(kinds::indexOfId(kind.id), k);
        EXPECT_TRUE(ids.insert(kind.id).second && !kind.id.empty()) << "id " << kind.id;
        EXPECT_TRUE(names.insert(kind.name).second && !kind.name.empty()) << "name " << kind.name;
        EXPECT_NE(kind.hasSizes, kind.sizeLabels[0].empty()) << kind.id << ": a shown size box has entries";
    }
    for (const std::string_view unknown : {"", "Squared", "squared ", "Millimetre", "millimeter"})
        EXPECT_FALSE(kinds::indexOfId(unknown)) << unknown;

    // Typed text that matches no entry draws the grid sheets' linear verticals only.
    EXPECT_NO_THROW(kinds::kindAt(kinds::kNoEntry));
    const auto typed = strokesOf(traceOf(357, 397, [](TCanvas &c) {
        kinds::drawSample(c, {}, {kinds::kNoEntry, 0, 60});
    }));
    EXPECT_EQ(strokesWhere(typed, [](const Stroke &s) { return s.x1 == s.x2; }).size(), typed.size());
    EXPECT_FALSE(typed.empty());

    for (const int beyond : {kinds::kNoEntry - 1, kindCount(), kindCount() + 1}) {
        EXPECT_FALSE(kinds::isKindIndex(beyond));
        EXPECT_FALSE(kinds::canDraw({beyond, 0, 60}));
        EXPECT_THROW(kinds::kindAt(beyond), std::out_of_range);
        std::ostringstream out;
        TPrinter printer(std::make_unique<TracePrintTarget>(out, 800, 1000));
        EXPECT_THROW(kinds::printPage(printer, {beyond, 0, 60}, "Ann"), std::out_of_range);
        EXPECT_FALSE(printer.Printing());
        EXPECT_EQ(out.str(), "") << "no document opened for kind " << beyond;
    }
}

TEST(Kinds, AVelocityOutsideItsRangeIsRefusedHavingDrawnNothing)
{
    for (int k = 0; k < kindCount(); ++k) {
        if (!kinds::kindAt(k).hasVelocity)
            continue;
        EXPECT_TRUE(kinds::canDraw({k, 0, 0}));
        EXPECT_TRUE(kinds::canDraw({k, 0, 90}));
        for (const int position : {-1, 91}) {
            EXPECT_FALSE(kinds::canDraw({k, 0, position}));
            const auto drawn = traceOf(357, 397, [&](TCanvas &c) {
                EXPECT_THROW(kinds::drawSample(c, {}, {k, 0, position}), std::invalid_argument);
            });
            EXPECT_EQ(drawn.size(), 1u) << "only the trace's header line, at velocity " << position;
        }
    }
}

// The picture's canvas goes on from one sample to the next: a grid sample
// after a spacetime sample has its clearing frame outlined with the white,
// 2 pixels wide pen the spacetime sample leaves, and is otherwise the sample
// a fresh canvas draws.
TEST(SamplePicture, KeepsItsCanvasFromOneSampleToTheNext)
{
    const int spacetime = *kinds::indexOfId("spacetime"), squared = *kinds::indexOfId("squared");
    const std::vector<std::uint8_t> fresh = kinds::sampleRgba({squared, 0, 60});
    kinds::SamplePicture picture;
    picture.draw({squared, 0, 60});
    EXPECT_EQ(picture.rgba(), fresh);
    picture.draw({spacetime, 0, 60});
    picture.draw({squared, 0, 60});
    ASSERT_EQ(picture.rgba().size(), fresh.size());

    const int W = sheets::kSampleWidth, H = sheets::kSampleHeight;
    int frameDiffers = 0, insideDiffers = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const std::size_t at = 4 * (static_cast<std::size_t>(y) * W + x);
            const bool same = std::equal(fresh.begin() + at, fresh.begin() + at + 4, picture.rgba().begin() + at);
            const bool frame = x < 2 || y < 2 || x >= W - 2 || y >= H - 2;
            (frame ? frameDiffers : insideDiffers) += same ? 0 : 1;
        }
    EXPECT_EQ(insideDiffers, 0);
    EXPECT_EQ(frameDiffers, 2 * (W + H) - 4) << "the black one-pixel frame is white now";
}

} // namespace

// The sample picture of the main window, redrawn from nothing as the window
// does on every change: each sheet on a 357 x 397 image surface, against the
// floor of filling that image white and nothing else.

#include "bench_gui_main.h"
#include "grid_sheets.h"
#include "image_surface.h"
#include "painter_surface.h"
#include "spacetime_sheets.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using gridora::sheets::kSampleHeight;
using gridora::sheets::kSampleWidth;
using gridora::sheets::kWindowHeight;
using gridora::sheets::kWindowWidth;

// The floor: an image of the picture's size and format filled white, by the
// toolkit's own whole-image fill, and nothing else.
void BM_SampleFloor(benchmark::State &state)
{
    QImage image(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SampleFloor)->Name("sample/floor")->Apply(spread);

// One canvas for the whole run, as the window keeps one: pen, brush and font
// carry over from redraw to redraw.
void gridSample(benchmark::State &state, int kind, int sizeChoice)
{
    gridora::ImageSurface surface(kSampleWidth, kSampleHeight);
    gridora::TCanvas canvas(&surface);
    for (auto _ : state) {
        gridora::gridpaper::drawGridSample(canvas, kSampleWidth, kSampleHeight, kind, sizeChoice);
        benchmark::DoNotOptimize(surface.image().constBits());
        benchmark::ClobberMemory();
    }
}

void spacetimeSample(benchmark::State &state, int position)
{
    gridora::ImageSurface surface(kSampleWidth, kSampleHeight);
    gridora::TCanvas canvas(&surface);
    for (auto _ : state) {
        gridora::spacetime::drawSpacetimeSample(canvas, kSampleWidth, kSampleHeight, position, kWindowWidth,
                                                kWindowHeight);
        benchmark::DoNotOptimize(surface.image().constBits());
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(gridSample, squared, 0, 0)->Name("sample/Squared")->Apply(spread);
BENCHMARK_CAPTURE(gridSample, semilog1, 1, 0)->Name("sample/Semi log 1")->Apply(spread);
BENCHMARK_CAPTURE(gridSample, semilog2, 1, 1)->Name("sample/Semi log 2")->Apply(spread);
BENCHMARK_CAPTURE(gridSample, semilog3, 1, 2)->Name("sample/Semi log 3")->Apply(spread);
BENCHMARK_CAPTURE(gridSample, log1, 2, 0)->Name("sample/Log 1x1")->Apply(spread);
BENCHMARK_CAPTURE(gridSample, log2, 2, 1)->Name("sample/Log 2x2")->Apply(spread);
BENCHMARK_CAPTURE(gridSample, log3, 2, 2)->Name("sample/Log 3x3")->Apply(spread);
BENCHMARK_CAPTURE(spacetimeSample, v0, 0)->Name("sample/Spacetime 0.00")->Apply(spread);
BENCHMARK_CAPTURE(spacetimeSample, v60, 60)->Name("sample/Spacetime 0.60")->Apply(spread);
BENCHMARK_CAPTURE(spacetimeSample, v90, 90)->Name("sample/Spacetime 0.90")->Apply(spread);

// Where a redraw's time goes: the same sample's strokes, recorded once and
// replayed on the image surface, cost the surface's share alone; the rest of
// a redraw is working out the coordinates.
class RecordingSurface : public gridora::Surface {
public:
    struct Stroke {
        bool isLine;
        gridora::TPoint from, to;
        gridora::TRect rect;
        gridora::TPen pen;
        gridora::TBrush brush;
    };
    std::vector<Stroke> strokes;

    int width() const override { return kSampleWidth; }
    int height() const override { return kSampleHeight; }
    void line(gridora::TPoint from, gridora::TPoint to, const gridora::TPen &pen,
              const gridora::TBrush &brush) override
    {
        strokes.push_back({true, from, to, {}, pen, brush});
    }
    void rectangle(const gridora::TRect &rect, const gridora::TPen &pen, const gridora::TBrush &brush) override
    {
        strokes.push_back({false, {}, {}, rect, pen, brush});
    }
    void text(gridora::TPoint, const std::string &, const gridora::TFont &, const gridora::TBrush &) override {}
    void copyRect(const gridora::TRect &, const gridora::Surface &, const gridora::TRect &) override {}
};

void replay(benchmark::State &state, const RecordingSurface &recording)
{
    gridora::ImageSurface surface(kSampleWidth, kSampleHeight);
    for (auto _ : state) {
        for (const auto &s : recording.strokes) {
            if (s.isLine)
                surface.line(s.from, s.to, s.pen, s.brush);
            else
                surface.rectangle(s.rect, s.pen, s.brush);
        }
        benchmark::DoNotOptimize(surface.image().constBits());
        benchmark::ClobberMemory();
    }
    state.counters["strokes"] = double(recording.strokes.size());
}

void surfaceShareGrid(benchmark::State &state, int kind, int sizeChoice)
{
    RecordingSurface recording;
    gridora::TCanvas canvas(&recording);
    gridora::gridpaper::drawGridSample(canvas, kSampleWidth, kSampleHeight, kind, sizeChoice);
    replay(state, recording);
}

void surfaceShareSpacetime(benchmark::State &state, int position)
{
    RecordingSurface recording;
    gridora::TCanvas canvas(&recording);
    // The second redraw, as on every scroll step: the pen the first one left.
    for (int i = 0; i < 2; ++i) {
        recording.strokes.clear();
        gridora::spacetime::drawSpacetimeSample(canvas, kSampleWidth, kSampleHeight, position, kWindowWidth, kWindowHeight);
    }
    replay(state, recording);
}

BENCHMARK_CAPTURE(surfaceShareGrid, log3, 2, 2)->Name("surface share/Log 3x3")->Apply(spread);
BENCHMARK_CAPTURE(surfaceShareSpacetime, v0, 0)->Name("surface share/Spacetime 0.00")->Apply(spread);
BENCHMARK_CAPTURE(surfaceShareSpacetime, v60, 60)->Name("surface share/Spacetime 0.60")->Apply(spread);
BENCHMARK_CAPTURE(surfaceShareSpacetime, v90, 90)->Name("surface share/Spacetime 0.90")->Apply(spread);

// How the spacetime sample's cost follows the velocity.
void BM_SpacetimeByVelocity(benchmark::State &state)
{
    spacetimeSample(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_SpacetimeByVelocity)->Name("growth/spacetime sample")->DenseRange(0, 90, 10)->Apply(spread);

} // namespace

GRIDORA_BENCHMARK_MAIN()

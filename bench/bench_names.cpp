// Long names on the printed page: 1,000, 10,000 and 100,000 characters through
// the page printing path, into a trace, a PDF and a PNG, and through the text
// call alone on an image. Each tenfold longer name should cost at most about
// ten times as much over the same page with an empty name: linear, not
// quadratic. The names mix plain letters, right-to-left letters, combining
// marks and control characters, as a hostile paste would.

#include "bench_gui_main.h"
#include "file_targets.h"
#include "grid_sheets.h"
#include "image_surface.h"
#include "painter_surface.h"
#include "printer.h"
#include "spacetime_sheets.h"
#include "trace_surface.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace gridora;

// `characters` characters: W and Hebrew shin, an e with an acute accent (two
// characters), a tab now and then.
std::string hostileName(long characters)
{
    std::string name;
    long n = 0;
    while (n < characters) {
        const long k = n % 50;
        if (k == 49) {
            name += '\t';
            n += 1;
        } else if (k % 7 == 3 && n + 2 <= characters) {
            name += "e\xCC\x81";
            n += 2;
        } else {
            name += k % 5 == 0 ? "\xD7\xA9" : "W";
            n += 1;
        }
    }
    return name;
}

void printBoth(TPrinter &printer, const std::string &name)
{
    gridpaper::printGridPage(printer, 0, 0, name);
    spacetime::printSpacetimePage(printer, 60, name);
}

void countCharacters(benchmark::State &state)
{
    state.counters["characters"] = benchmark::Counter(double(state.range(0)));
}

// Both pages into traces: the sheets' own cost and the trace's quoting.
void tracePages(benchmark::State &state)
{
    const std::string name = hostileName(state.range(0));
    for (auto _ : state) {
        std::ostringstream out;
        TPrinter printer(std::make_unique<TracePrintTarget>(out, 4800, 6600));
        printBoth(printer, name);
        benchmark::DoNotOptimize(out.str().size());
    }
    countCharacters(state);
}

void filePages(benchmark::State &state, PageFormat format, int width, int height, int dpi)
{
    const std::string name = hostileName(state.range(0));
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        TPrinter printer(std::make_unique<FilePrintTarget>(format, &out, width, height, dpi));
        printBoth(printer, name);
        if (out.size() == 0)
            state.SkipWithError("nothing was written");
    }
    countCharacters(state);
}

void pdfPages(benchmark::State &state) { filePages(state, PageFormat::Pdf, 4800, 6600, 600); }
void pngPages(benchmark::State &state) { filePages(state, PageFormat::Png, 1275, 1650, 150); }

// The text call alone on an image the size of the page's top strip: layout,
// escapes and painting, without the rulings.
void imageText(benchmark::State &state)
{
    const std::string name = hostileName(state.range(0));
    ImageSurface surface(4800, 200, 600, QImage::Format_Grayscale8);
    TCanvas canvas(&surface);
    canvas.Font.Size = 12;
    for (auto _ : state)
        canvas.TextOut(10, 10, spacetime::velocityLine(name, 60));
    countCharacters(state);
}

void lengths(benchmark::internal::Benchmark *b)
{
    b->Arg(0)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Apply(spread);
}

BENCHMARK(tracePages)->Apply(lengths);
BENCHMARK(pdfPages)->Apply(lengths);
BENCHMARK(pngPages)->Apply(lengths);
BENCHMARK(imageText)->Apply(lengths);

} // namespace

GRIDORA_BENCHMARK_MAIN()

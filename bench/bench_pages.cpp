// Printed pages into files, as gridora-sheet and the window's PDF route write
// them: each sheet into a PDF on a 4800 x 6600 page and into a 600 dpi Letter
// PNG, each against the floor of an empty page on the same device and size.
// The growth benchmarks follow the page's cost across resolutions.

#include "bench_gui_main.h"
#include "file_targets.h"
#include "grid_sheets.h"
#include "printer.h"
#include "spacetime_sheets.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using gridora::FilePrintTarget;
using gridora::PageFormat;
using gridora::TPrinter;

const std::string kName = "Ann Example";

struct PageSize {
    int width, height, dpi;
};

constexpr PageSize kPdfPage{4800, 6600, 600};
// Letter, 8.5 x 11 inches, at the given resolution.
constexpr PageSize letter(int dpi) { return {17 * dpi / 2, 11 * dpi, dpi}; }

using Sheet = std::function<void(TPrinter &)>;

Sheet gridSheet(int kind, int sizeChoice)
{
    return [=](TPrinter &printer) { gridora::gridpaper::printGridPage(printer, kind, sizeChoice, kName); };
}

Sheet spacetimeSheet(int position)
{
    return [=](TPrinter &printer) { gridora::spacetime::printSpacetimePage(printer, position, kName); };
}

// An empty page: the document opened and closed with nothing drawn.
void emptyPage(TPrinter &printer)
{
    printer.BeginDoc();
    printer.EndDoc();
}

// One whole page per iteration: the target and its device are created, the
// page drawn and the file written, into memory so that no disk is timed.
void page(benchmark::State &state, PageFormat format, PageSize size, const Sheet &sheet)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        TPrinter printer(std::make_unique<FilePrintTarget>(format, &out, size.width, size.height, size.dpi));
        sheet(printer);
        bytes = out.size();
        if (bytes == 0)
            state.SkipWithError("nothing was written");
    }
    state.counters["bytes"] = benchmark::Counter(double(bytes));
    state.counters["pixels"] = benchmark::Counter(double(size.width) * size.height);
}

void registerPages(const char *device, PageFormat format, PageSize size)
{
    const std::string prefix = std::string(device) + "/";
    auto add = [&](const std::string &name, const Sheet &sheet) {
        benchmark::RegisterBenchmark((prefix + name).c_str(), [=](benchmark::State &state) {
            page(state, format, size, sheet);
        })->Unit(benchmark::kMillisecond)->Apply(spread);
    };
    add("floor", emptyPage);
    add("Squared", gridSheet(0, 0));
    add("Semi log 1", gridSheet(1, 0));
    add("Semi log 2", gridSheet(1, 1));
    add("Semi log 3", gridSheet(1, 2));
    add("Log 1x1", gridSheet(2, 0));
    add("Log 2x2", gridSheet(2, 1));
    add("Log 3x3", gridSheet(2, 2));
    add("Spacetime 0.00", spacetimeSheet(0));
    add("Spacetime 0.60", spacetimeSheet(60));
    add("Spacetime 0.90", spacetimeSheet(90));
}

void registerGrowth(const char *device, PageFormat format)
{
    for (int dpi : {150, 300, 600, 1200}) {
        const PageSize size = letter(dpi);
        const std::string prefix = std::string("growth/") + device + " Letter " + std::to_string(dpi) + " dpi/";
        auto add = [&](const std::string &name, const Sheet &sheet) {
            benchmark::RegisterBenchmark((prefix + name).c_str(), [=](benchmark::State &state) {
                page(state, format, size, sheet);
            })->Unit(benchmark::kMillisecond)->Apply(spread);
        };
        add("floor", emptyPage);
        add("Log 3x3", gridSheet(2, 2));
        add("Spacetime 0.60", spacetimeSheet(60));
    }
}

const bool registered = [] {
    registerPages("pdf 4800x6600", PageFormat::Pdf, kPdfPage);
    registerPages("png Letter 600 dpi", PageFormat::Png, letter(600));
    registerGrowth("pdf", PageFormat::Pdf);
    registerGrowth("png", PageFormat::Png);
    return true;
}();

} // namespace

GRIDORA_BENCHMARK_MAIN()

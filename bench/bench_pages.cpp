// Printed pages into files, as gridora-sheet and the window's PDF route write
// them: each sheet into a PDF on a 4800 x 6600 page and into a 600 dpi Letter
// PNG, each against the floor of an empty page on the same device and size.
// The growth benchmarks follow the page's cost across resolutions. The class
// set benchmarks put 30 pupils' pages into one A4 PDF at 600 dpi, against
// thirty single-page PDFs drawn one after another in the same process.

#include "bench_gui_main.h"
#include "class_set.h"
#include "file_targets.h"
#include "grid_sheets.h"
#include "printer.h"
#include "spacetime_sheets.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// A4 at 600 dpi, the whole sheet: gridora-sheet --paper a4 --dpi 600.
constexpr PageSize kA4{4960, 7015, 600};
constexpr int kPupils = 30;

std::vector<std::string> pupils()
{
    std::vector<std::string> names;
    for (int i = 1; i <= kPupils; ++i)
        names.push_back("Pupil " + std::to_string(i) + " Example");
    return names;
}

void classSet(benchmark::State &state, gridora::classset::SheetChoice sheet)
{
    const std::vector<std::string> names = pupils();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        TPrinter printer(std::make_unique<FilePrintTarget>(PageFormat::Pdf, &out, kA4.width, kA4.height, kA4.dpi));
        gridora::classset::printClassSet(printer, sheet, names);
        bytes = out.size();
    }
    state.counters["bytes"] = benchmark::Counter(double(bytes));
}

void singlePages(benchmark::State &state, gridora::classset::SheetChoice sheet)
{
    const std::vector<std::string> names = pupils();
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const std::string &name : names) {
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            TPrinter printer(
                std::make_unique<FilePrintTarget>(PageFormat::Pdf, &out, kA4.width, kA4.height, kA4.dpi));
            gridora::classset::printClassSet(printer, sheet, {name});
            bytes += out.size();
        }
    }
    state.counters["bytes"] = benchmark::Counter(double(bytes));
}

void registerClassSets()
{
    const std::pair<const char *, gridora::classset::SheetChoice> sheets[] = {
        {"Squared", {0, 0, 60}}, {"Log 3x3", {2, 2, 60}}, {"Spacetime 0.60", {3, 0, 60}}};
    for (const auto &[name, sheet] : sheets) {
        benchmark::RegisterBenchmark((std::string("classset/set of 30/") + name).c_str(),
                                     [sheet = sheet](benchmark::State &state) { classSet(state, sheet); })
            ->Unit(benchmark::kMillisecond)
            ->Apply(spread);
        benchmark::RegisterBenchmark((std::string("classset/30 single pages/") + name).c_str(),
                                     [sheet = sheet](benchmark::State &state) { singlePages(state, sheet); })
            ->Unit(benchmark::kMillisecond)
            ->Apply(spread);
    }
}

const bool registered = [] {
    registerPages("pdf 4800x6600", PageFormat::Pdf, kPdfPage);
    registerPages("png Letter 600 dpi", PageFormat::Png, letter(600));
    registerGrowth("pdf", PageFormat::Pdf);
    registerGrowth("png", PageFormat::Png);
    registerClassSets();
    return true;
}();

} // namespace

GRIDORA_BENCHMARK_MAIN()

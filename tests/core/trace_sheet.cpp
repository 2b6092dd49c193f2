// Writes the trace of one sheet to standard output using the portable core
// alone, exactly as `gridora-sheet --format trace` writes it:
//
//   trace_sheet sample KIND DECADES VELOCITY
//   trace_sheet page KIND DECADES VELOCITY WIDTH HEIGHT NAME
//
// KIND is squared, semilog, log or spacetime; DECADES 1..3 picks the size;
// VELOCITY is in hundredths of c. Built with em++ and run under node, its
// output is compared byte for byte with the native gridora-sheet's
// (scripts/test-wasm.sh).
#include "grid_sheets.h"
#include "sample_raster.h"
#include "spacetime_sheets.h"
#include "trace_surface.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

int kindOf(const std::string &name)
{
    const char *kinds[] = {"squared", "semilog", "log", "spacetime"};
    for (int k = 0; k < 4; ++k)
        if (name == kinds[k])
            return k;
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace gridora;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!((mode == "sample" && argc == 5) || (mode == "page" && argc == 8)) || kindOf(argv[2]) < 0) {
        std::fprintf(stderr, "usage: trace_sheet sample KIND DECADES VELOCITY\n"
                             "       trace_sheet page KIND DECADES VELOCITY WIDTH HEIGHT NAME\n");
        return 2;
    }
    const int kind = kindOf(argv[2]);
    const int sizeChoice = std::stoi(argv[3]) - 1;
    const int velocity = std::stoi(argv[4]);
    std::ostringstream trace;
    if (mode == "sample") {
        TraceSurface surface(trace, kSamplePictureWidth, kSamplePictureHeight);
        TCanvas canvas(&surface);
        if (kind == 3)
            spacetime::drawSpacetimeSample(canvas, kSamplePictureWidth, kSamplePictureHeight, velocity,
                                           kSampleWindowWidth, kSampleWindowHeight);
        else
            gridpaper::drawGridSample(canvas, kSamplePictureWidth, kSamplePictureHeight, kind, sizeChoice);
    } else {
        TPrinter printer(std::make_unique<TracePrintTarget>(trace, std::stoi(argv[5]), std::stoi(argv[6])));
        if (kind == 3)
            spacetime::printSpacetimePage(printer, velocity, argv[7]);
        else
            gridpaper::printGridPage(printer, kind, sizeChoice, argv[7]);
    }
    std::cout << trace.str();
    return std::cout.good() ? 0 : 1;
}

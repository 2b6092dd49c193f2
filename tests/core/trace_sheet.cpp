// Writes the trace of one sheet to standard output using the portable core
// alone, exactly as `gridora-sheet --format trace` writes it:
//
//   trace_sheet sample KIND DECADES VELOCITY
//   trace_sheet page KIND DECADES VELOCITY WIDTH HEIGHT NAME
//
// KIND is a kind's id (squared, semilog, log, spacetime, millimetre); DECADES
// 1..3 picks the size; VELOCITY is in hundredths of c. Built with em++ and run under
// node, its output is compared byte for byte with the native gridora-sheet's
// (scripts/test-wasm.sh).
#include "kinds.h"
#include "trace_surface.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    using namespace gridora;
    const std::string mode = argc > 1 ? argv[1] : "";
    const auto kind = argc > 2 ? kinds::indexOfId(argv[2]) : std::nullopt;
    if (!((mode == "sample" && argc == 5) || (mode == "page" && argc == 8)) || !kind) {
        std::fprintf(stderr, "usage: trace_sheet sample KIND DECADES VELOCITY\n"
                             "       trace_sheet page KIND DECADES VELOCITY WIDTH HEIGHT NAME\n");
        return 2;
    }
    const kinds::SheetChoice choice{*kind, std::stoi(argv[3]) - 1, std::stoi(argv[4])};
    std::ostringstream trace;
    if (mode == "sample") {
        const kinds::SampleArea area;
        TraceSurface surface(trace, area.width, area.height);
        TCanvas canvas(&surface);
        kinds::drawSample(canvas, area, choice);
    } else {
        TPrinter printer(std::make_unique<TracePrintTarget>(trace, std::stoi(argv[5]), std::stoi(argv[6])));
        kinds::printPage(printer, choice, argv[7]);
    }
    std::cout << trace.str();
    return std::cout.good() ? 0 : 1;
}

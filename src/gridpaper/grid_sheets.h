#pragma once
// "Squared", "Semi log" and "Log" paper: the on-screen sample and the printed
// page, each a function of its inputs drawing on any canvas.
//
// kind is the grid kind (kSquared, kSemiLog or kLog) and sizeChoice the size
// choice (0..2, that is 1..3 decades on a logarithmic axis). Either may be -1,
// as a box whose typed text matches no entry reports it; the sheet then draws
// what its kind-size code 10 × kind + sizeChoice selects.

#include "printer.h"
#include "sheet_constants.h"

#include <string>

namespace gridora::gridpaper {

/// The grid kinds. An int underneath: the kind-size code is formed from it,
/// and the sheets also take -1.
enum GridKind : int { kSquared = 0, kSemiLog = 1, kLog = 2 };

/// Clears a width × height picture and draws the reduced sheet on it. Sets only
/// the brush colour, pen colour and pen width; the clearing frame is outlined
/// with whatever pen the canvas held before.
void drawGridSample(TCanvas &canvas, int width, int height, int kind, int sizeChoice);

/// Draws the page on the printer's open document: the name at the top-left,
/// then the rulings, laid out in device pixels of the printer's printable area.
void drawGridPage(TPrinter &printer, int kind, int sizeChoice, const std::string &name);

/// Prints drawGridPage's page as a document of its own. Throws EPrinter when
/// the document cannot be opened, having drawn nothing.
void printGridPage(TPrinter &printer, int kind, int sizeChoice, const std::string &name);

} // namespace gridora::gridpaper

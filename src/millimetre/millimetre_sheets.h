#pragma once
// "Millimetre" paper: ruled every millimetre, heavier every 5 mm and heaviest
// every centimetre, true to the millimetre when printed at 100 %. The sample
// and the printed page, each a function of its inputs drawing on any canvas.
//
// The grid is a whole number of centimetres each way. Its first ruling each
// way is the sheet's origin, and ruling k (k millimetres on) lies
// trunc(10 × k × dpi / 254) device pixels from it, worked out afresh for each
// k in whole numbers, so no error builds up along the sheet.

#include "printer.h"

#include <string>

namespace gridora::millimetre {

/// The sample shows the sheet at this many pixels to the inch, exactly 5
/// pixels to the millimetre, so every millimetre of it looks alike: 6 × 7 cm
/// of it in the window's picture, a third larger than on an ordinary screen.
inline constexpr int kSampleDpi = 127;

/// Clears a width × height picture and draws the sheet at kSampleDpi,
/// centred inside the samples' margin. Leaves the pen as a new canvas holds
/// it (black, solid, 1 pixel) and the brush white.
void drawMillimetreSample(TCanvas &canvas, int width, int height);

/// Draws the page on the printer's open document at the printer's
/// resolution: `name` (12 points) in the top-left corner, and below the
/// name's line the most whole centimetres the printable area holds, centred
/// in what is left. Rulings of a weight less than 2 pixels apart are left
/// out (the millimetres below 51 dpi), as a printer could not show them.
/// Leaves the pen as drawMillimetreSample does.
void drawMillimetrePage(TPrinter &printer, const std::string &name);

} // namespace gridora::millimetre

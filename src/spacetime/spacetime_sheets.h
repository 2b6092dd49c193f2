#pragma once
// Special-relativity spacetime paper: a grey rest-frame grid with, over it, the
// axes and grid of a frame moving at velocity position/100 of the speed of light.

#include "printer.h"

#include <string>

namespace gridora::spacetime {

/// Highest velocity position: 0.90 c.
inline constexpr int kMaxPosition = 90;

/// Redraws a width × height picture for velocity `position` (0..90). The erase
/// rectangle spans the window's outer size, windowWidth × windowHeight, as the
/// window it sits in has always done. Never sets the brush; leaves the pen
/// white, solid, 2 pixels wide.
void drawSpacetimeSample(TCanvas &canvas, int width, int height, int position, int windowWidth,
                         int windowHeight);

/// Prints one page for velocity `position` with "NAME   v = 0.60 c" at its
/// top-left. Throws EPrinter when the document cannot be opened.
void printSpacetimePage(TPrinter &printer, int position, const std::string &name);

/// The text line of the printed page: name, three spaces, "v = 0.60 c".
std::string velocityLine(const std::string &name, int position);

} // namespace gridora::spacetime

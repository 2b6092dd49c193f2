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

/// Draws the page for velocity `position` on the printer's open document,
/// with "NAME   v = 0.60 c" at its top-left, the velocity written with
/// `decimalSeparator` as the reader's language writes it ("0,60" in German).
void drawSpacetimePage(TPrinter &printer, int position, const std::string &name,
                       const std::string &decimalSeparator = ".");

/// Prints drawSpacetimePage's page as a document of its own. Throws EPrinter
/// when the document cannot be opened.
void printSpacetimePage(TPrinter &printer, int position, const std::string &name,
                        const std::string &decimalSeparator = ".");

/// The text line of the printed page: name, three spaces, "v = 0.60 c".
std::string velocityLine(const std::string &name, int position, const std::string &decimalSeparator = ".");

/// The name as the velocity line holds it. A name with explicit directional
/// formatting characters (U+202A…U+202E, U+2066…U+2069) could turn round the
/// velocity after it, so it is set in a first-strong isolate, U+2068 … U+2069,
/// with as many isolate marks more as it takes to close whatever the name
/// leaves open. Any other name, right-to-left letters included, is left as it
/// is: the line is laid out left to right and "v" starts a left-to-right run.
std::string isolatedName(const std::string &name);

} // namespace gridora::spacetime

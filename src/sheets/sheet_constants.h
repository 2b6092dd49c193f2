#pragma once
// What every layer agrees on about the sheets: the graph kinds, the size of the
// window's sample picture and the margins of the samples and the pages. Plain
// C++: the window, the renderer, the benchmarks, the fuzz targets and the
// browser build all take these from here.

#include <array>
#include <string_view>

namespace gridora::sheets {

/// The graph kind: the item index of the kind box. An int underneath, because
/// the sheets also take -1, the index a typed text that matches no entry gets.
enum GraphKind : int { kSquared = 0, kSemiLog = 1, kLog = 2, kSpacetime = 3 };

/// The size box's entries: a row for each graph kind, an entry for each size
/// choice. They name the heavy blocks across and up, or the decades (cycles).
/// The three "Squared" sizes are one sheet; "Spacetime" has no sizes, and its
/// row holds three empty texts.
inline constexpr std::array<std::array<std::string_view, 3>, 4> kSizeLabels{{
    {"10x15", "10x15", "10x15"},
    {"10x1 cycle", "10x2 cycle", "10x3 cycle"},
    {"1x1", "2x2", "3x3"},
    {"", "", ""},
}};

/// The window's sample picture, in pixels.
inline constexpr int kSampleWidth = 357;
inline constexpr int kSampleHeight = 397;

/// The main window's client area, which holds the sample picture. Without a
/// window (the renderer, the benchmarks) the spacetime sample erases this much.
inline constexpr int kWindowWidth = 383;
inline constexpr int kWindowHeight = 525;

/// Pixels between the sample picture's edge and its grid, on every side.
inline constexpr int kSampleMargin = 20;

/// The printed pages' margin, trunc(0.075 × page width), formed in whole numbers.
constexpr int pageMargin(int pageWidth)
{
    return 3 * pageWidth / 40;
}

} // namespace gridora::sheets

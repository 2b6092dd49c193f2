#pragma once
// What every layer agrees on about the sheets: the graph kinds, the size of the
// window's sample picture and the margins of the samples and the pages. Plain
// C++: the window, the renderer, the benchmarks and the fuzz targets all take
// these from here.

namespace gridora::sheets {

/// The graph kind: the item index of the kind box. An int underneath, because
/// the sheets also take -1, the index a typed text that matches no entry gets.
enum GraphKind : int { kSquared = 0, kSemiLog = 1, kLog = 2, kSpacetime = 3 };

/// The sample picture `Graphdisplay`, in pixels.
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

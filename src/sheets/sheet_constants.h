#pragma once
// What every layer agrees on about the sheets: the size of the window's sample
// picture and the margins of the samples and the pages. Plain C++: the window,
// the renderer, the benchmarks, the fuzz targets and the browser build all take
// these from here. The kinds of paper are src/kinds' business.

namespace gridora::sheets {

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

#pragma once
// The window's sample picture drawn by the core alone: what the browser shows
// and what the window and `gridora-sheet --sample` must show too.

#include <cstdint>
#include <vector>

namespace gridora {

/// The sample picture and the window it sits in (whose size the spacetime
/// sample's erase rectangle spans).
inline constexpr int kSamplePictureWidth = 357;
inline constexpr int kSamplePictureHeight = 397;
inline constexpr int kSampleWindowWidth = 383;
inline constexpr int kSampleWindowHeight = 525;

/// Which sample: kind 0 "Squared", 1 "Semi log", 2 "Log" with sizeChoice
/// 0..2, or 3 "Spacetime" with velocity 0..90 (hundredths of c).
struct SampleChoice {
    int kind = 0;
    int sizeChoice = 0;
    int velocity = 60;
};

/// The sample drawn afresh (a new canvas: pen, brush and font at their
/// defaults, as the window's first drawing) as RGBA bytes, row by row from
/// the top, 4 bytes per pixel (red, green, blue, 255): 357 × 397 × 4 bytes,
/// ready for a browser's ImageData. Throws std::invalid_argument for a
/// kind outside 0..3 or a velocity outside 0..90.
std::vector<std::uint8_t> sampleRgba(const SampleChoice &choice);

} // namespace gridora

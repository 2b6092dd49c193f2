#pragma once
// A view of pixels held elsewhere (a QImage's memory, a browser's canvas
// buffer, a plain vector): the one thing the raster functions draw into.

#include "canvas.h"

#include <cstddef>
#include <cstdint>

namespace gridora {

enum class PixelFormat {
    /// One 32-bit word per pixel, 0xFFRRGGBB in the machine's byte order
    /// (QImage::Format_RGB32).
    Rgb32,
    /// One byte of grey per pixel (QImage::Format_Grayscale8).
    Grey8,
};

/// `height` rows of `width` pixels, row y starting at bits + y × bytesPerLine.
struct PixelBuffer {
    std::uint8_t *bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t bytesPerLine = 0;
    PixelFormat format = PixelFormat::Rgb32;
};

/// The word a colour is stored as in Rgb32.
constexpr std::uint32_t rgb32Of(TColor colour)
{
    return 0xFF000000u | (colour & 0xFFFFFFu);
}

/// The grey a colour is stored as in Grey8: (11 red + 16 green + 5 blue) / 32,
/// the weighting Qt's qGray uses, so black, white and every neutral grey keep
/// their value.
constexpr std::uint8_t greyOf(TColor colour)
{
    const unsigned red = colour >> 16 & 0xFF, green = colour >> 8 & 0xFF, blue = colour & 0xFF;
    return static_cast<std::uint8_t>((red * 11 + green * 16 + blue * 5) / 32);
}

} // namespace gridora

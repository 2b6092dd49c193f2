#pragma once
// The black-wins stretch of a rectangle copy.

#include "pixel_buffer.h"

namespace gridora::raster {

/// Draws the `source` rectangle of `from` stretched onto `dest` of `to`
/// (both may reach far past their buffers; only what lands on `to` is worked
/// out). Source column x lands on destination column x × dest width / source
/// width (rows alike); where several source pixels land on one destination
/// pixel their 0xRRGGBB colours are ANDed, so black always wins over white.
/// Source pixels outside `from` count as white; a grey pixel g reads as
/// 0xgggggg. `from` and `to` must not overlap.
void stretchBlackWins(const PixelBuffer &from, const TRect &source, const PixelBuffer &to, const TRect &dest);

} // namespace gridora::raster

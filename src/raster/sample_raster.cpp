#include "sample_raster.h"

#include "grid_sheets.h"
#include "raster_surface.h"
#include "spacetime_sheets.h"

#include <stdexcept>

namespace gridora {

std::vector<std::uint8_t> sampleRgba(const SampleChoice &choice)
{
    if (choice.kind < 0 || choice.kind > 3)
        throw std::invalid_argument("the kind is 0 to 3");
    if (choice.kind == 3 && (choice.velocity < 0 || choice.velocity > spacetime::kMaxPosition))
        throw std::invalid_argument("the velocity is 0 to 90");
    RasterImage picture(kSamplePictureWidth, kSamplePictureHeight);
    TCanvas canvas(&picture);
    if (choice.kind == 3)
        spacetime::drawSpacetimeSample(canvas, kSamplePictureWidth, kSamplePictureHeight, choice.velocity,
                                       kSampleWindowWidth, kSampleWindowHeight);
    else
        gridpaper::drawGridSample(canvas, kSamplePictureWidth, kSamplePictureHeight, choice.kind, choice.sizeChoice);
    std::vector<std::uint8_t> rgba;
    rgba.reserve(picture.words().size() * 4);
    for (const std::uint32_t word : picture.words())
        rgba.insert(rgba.end(), {static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 8),
                                 static_cast<std::uint8_t>(word), 0xFF});
    return rgba;
}

} // namespace gridora

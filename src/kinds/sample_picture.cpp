#include "sample_picture.h"

namespace gridora::kinds {

SamplePicture::SamplePicture()
    : image_(sheets::kSampleWidth, sheets::kSampleHeight), canvas_(&image_), rgba_(image_.words().size() * 4)
{
}

void SamplePicture::draw(const SheetChoice &choice)
{
    const Kind &kind = kindAt(choice.kind);
    kind.drawSample(canvas_, SampleArea{}, choice);
    std::uint8_t *out = rgba_.data();
    for (const std::uint32_t word : image_.words()) { // 0xFFRRGGBB
        *out++ = static_cast<std::uint8_t>(word >> 16);
        *out++ = static_cast<std::uint8_t>(word >> 8);
        *out++ = static_cast<std::uint8_t>(word);
        *out++ = 0xFF;
    }
}

std::vector<std::uint8_t> sampleRgba(const SheetChoice &choice)
{
    SamplePicture picture;
    picture.draw(choice);
    return picture.rgba();
}

} // namespace gridora::kinds

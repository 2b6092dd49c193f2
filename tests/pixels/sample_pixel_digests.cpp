// Prints one line per window sample: the SHA-256 of its pixels (row by row,
// three bytes, red, green, blue, per pixel) and its name. The 9 grid samples
// (three kinds, three sizes) and the 91 spacetime samples (velocity 0..90)
// are each drawn with a new canvas on a 357 × 397 picture, as the window
// draws its first sample and `gridora-sheet --sample` draws every one:
//
//   sample_pixel_digests window   through the window's image surface
//   sample_pixel_digests core     through sampleRgba, the core alone
//
// `sample_pixel_digests > tests/pixels/sample-pixels.sha256` regenerates the
// saved digests (docs/raster.md says when).
#include "grid_sheets.h"
#include "image_surface.h"
#include "sample_raster.h"
#include "spacetime_sheets.h"

#include <QCryptographicHash>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using gridora::SampleChoice;

std::vector<char> rgbOf(const std::vector<std::uint8_t> &rgba)
{
    std::vector<char> bytes;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4)
        bytes.insert(bytes.end(), {char(rgba[i]), char(rgba[i + 1]), char(rgba[i + 2])});
    return bytes;
}

std::vector<char> rgbOf(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::vector<char> bytes;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *row = reinterpret_cast<const char *>(rgb.constScanLine(y));
        bytes.insert(bytes.end(), row, row + 3 * rgb.width());
    }
    return bytes;
}

std::vector<char> windowSample(const SampleChoice &choice)
{
    constexpr int W = gridora::kSamplePictureWidth, H = gridora::kSamplePictureHeight;
    gridora::ImageSurface surface(W, H);
    gridora::TCanvas canvas(&surface);
    if (choice.kind == 3)
        gridora::spacetime::drawSpacetimeSample(canvas, W, H, choice.velocity, gridora::kSampleWindowWidth,
                                                gridora::kSampleWindowHeight);
    else
        gridora::gridpaper::drawGridSample(canvas, W, H, choice.kind, choice.sizeChoice);
    return rgbOf(surface.image());
}

void print(const std::vector<char> &bytes, const std::string &name)
{
    const QByteArray digest = QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())),
                                                       QCryptographicHash::Sha256);
    std::printf("%s %s\n", digest.toHex().constData(), name.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    const bool core = argc > 1 && std::string(argv[1]) == "core";
    auto sample = [&](const SampleChoice &choice) {
        return core ? rgbOf(gridora::sampleRgba(choice)) : windowSample(choice);
    };
    const char *kinds[] = {"squared", "semilog", "log"};
    for (int kind = 0; kind < 3; ++kind)
        for (int size = 0; size < 3; ++size)
            print(sample({kind, size, 0}), std::string(kinds[kind]) + "-" + std::to_string(size));
    for (int position = 0; position <= gridora::spacetime::kMaxPosition; ++position)
        print(sample({3, 0, position}), "spacetime-" + std::to_string(position));
    return 0;
}

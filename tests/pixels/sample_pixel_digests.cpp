// Prints one line per window sample: the SHA-256 of its pixels (row by row,
// three bytes, red, green, blue, per pixel) and its name. Every kind's
// samples, from the table of kinds: each size choice (9 grid samples), each
// velocity 0..90 (91 spacetime samples), or the one sample of a kind with
// neither (millimetre), each drawn with a new canvas on a 357 × 397 picture,
// as the window draws its first sample and `gridora-sheet --sample` draws
// every one:
//
//   sample_pixel_digests window   through the window's image surface
//   sample_pixel_digests core     through sampleRgba, the core alone
//
// `sample_pixel_digests > tests/pixels/sample-pixels.sha256` regenerates the
// saved digests (docs/raster.md says when).
#include "image_surface.h"
#include "kinds.h"
#include "sample_picture.h"
#include "spacetime_sheets.h"

#include <QCryptographicHash>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using gridora::kinds::SheetChoice;

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

std::vector<char> windowSample(const SheetChoice &choice)
{
    const gridora::kinds::SampleArea area;
    gridora::ImageSurface surface(area.width, area.height);
    gridora::TCanvas canvas(&surface);
    gridora::kinds::drawSample(canvas, area, choice);
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
    auto sample = [&](const SheetChoice &choice) {
        return core ? rgbOf(gridora::kinds::sampleRgba(choice)) : windowSample(choice);
    };
    const auto kinds = gridora::kinds::all();
    for (int kind = 0; kind < int(kinds.size()); ++kind) {
        const std::string id(kinds[kind].id);
        if (kinds[kind].hasVelocity) {
            for (int position = 0; position <= gridora::spacetime::kMaxPosition; ++position)
                print(sample({kind, 0, position}), id + "-" + std::to_string(position));
        } else if (kinds[kind].hasSizes) {
            for (int size = 0; size < gridora::kinds::kSizeChoices; ++size)
                print(sample({kind, size, 0}), id + "-" + std::to_string(size));
        } else {
            print(sample({kind, 0, 0}), id);
        }
    }
    return 0;
}

// Prints one line per window sample: the SHA-256 of its pixels (row by row,
// three bytes, red, green, blue, per pixel) and its name. The 9 grid samples
// (three kinds, three sizes) and the 91 spacetime samples (velocity 0..90)
// are each drawn with a new canvas on a 357 × 397 picture, as the window
// draws its first sample and `gridora-sheet --sample` draws every one.
//
//   sample_pixel_digests > tests/pixels/sample-pixels.sha256
//
// regenerates the saved digests (docs/raster.md says when).
#include "grid_sheets.h"
#include "painter_surface.h"
#include "spacetime_sheets.h"

#include <QCryptographicHash>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 357, kHeight = 397;
constexpr int kWindowWidth = 383, kWindowHeight = 525;

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

void print(const QImage &picture, const std::string &name)
{
    const std::vector<char> bytes = rgbOf(picture);
    const QByteArray digest = QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())),
                                                       QCryptographicHash::Sha256);
    std::printf("%s %s\n", digest.toHex().constData(), name.c_str());
}

} // namespace

int main()
{
    const char *kinds[] = {"squared", "semilog", "log"};
    for (int kind = 0; kind < 3; ++kind)
        for (int size = 0; size < 3; ++size) {
            gridora::ImageSurface surface(kWidth, kHeight);
            gridora::TCanvas canvas(&surface);
            gridora::gridpaper::drawGridSample(canvas, kWidth, kHeight, kind, size);
            print(surface.image(), std::string(kinds[kind]) + "-" + std::to_string(size));
        }
    for (int position = 0; position <= gridora::spacetime::kMaxPosition; ++position) {
        gridora::ImageSurface surface(kWidth, kHeight);
        gridora::TCanvas canvas(&surface);
        gridora::spacetime::drawSpacetimeSample(canvas, kWidth, kHeight, position, kWindowWidth, kWindowHeight);
        print(surface.image(), "spacetime-" + std::to_string(position));
    }
    return 0;
}

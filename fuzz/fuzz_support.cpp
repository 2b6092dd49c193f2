#include "fuzz_support.h"

#include <QGuiApplication>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace gridora::fuzz {

void startGui(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives for the whole run; libFuzzer never returns to destroy it.
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    (void)app;
}

void fail(const std::string &what)
{
    std::fprintf(stderr, "gridora fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

std::uint8_t InputReader::byte()
{
    return offset_ < size_ ? data_[offset_++] : 0;
}

std::uint32_t InputReader::word()
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t(byte()) << (8 * i);
    return value;
}

int InputReader::inRange(int low, int high)
{
    const std::uint64_t span = std::uint64_t(std::int64_t(high) - low) + 1;
    std::uint64_t raw;
    if (span <= 0x100)
        raw = byte();
    else if (span <= 0x10000)
        raw = byte() | std::uint64_t(byte()) << 8;
    else
        raw = word();
    return static_cast<int>(std::int64_t(low) + std::int64_t(raw % span));
}

std::string InputReader::text(std::size_t maxLength)
{
    const std::size_t length = std::min<std::size_t>(byte(), maxLength);
    std::string s;
    for (std::size_t i = 0; i < length && !atEnd(); ++i)
        s += static_cast<char>(byte());
    return s;
}

int coordinate(InputReader &in, int extent)
{
    switch (in.byte() % 4) {
    case 0: // on or near the picture
        return in.inRange(-64, extent + 64);
    case 1: // far off, where the clipping arithmetic works hardest
        return in.inRange(-1000000, 1000000);
    case 2: // the ends of the range
        return in.flag() ? INT_MAX - in.inRange(0, 255) : INT_MIN + in.inRange(0, 255);
    default:
        return static_cast<int>(in.word());
    }
}

static int bytesPerPixelOf(QImage::Format format)
{
    return format == QImage::Format_Grayscale8 ? 1 : 4;
}

GuardedImage::GuardedImage(int width, int height, QImage::Format format)
    : width_(width), height_(height), format_(format), bytesPerPixel_(bytesPerPixelOf(format)),
      // QImage wants every scan line 32-bit aligned.
      bytesPerLine_((std::ptrdiff_t(width + 2 * kGuard) * bytesPerPixel_ + 3) / 4 * 4),
      buffer_(std::size_t(bytesPerLine_) * std::size_t(height + 2 * kGuard), kSentinel)
{
}

QImage GuardedImage::picture()
{
    QImage image(interior(), width_, height_, bytesPerLine_, format_);
    image.fill(Qt::white);
    checkPaintsHere(image);
    return image;
}

void GuardedImage::checkPaintsHere(const QImage &image) const
{
    const auto *expected = buffer_.data() + kGuard * bytesPerLine_ + kGuard * bytesPerPixel_;
    if (image.constBits() != expected || image.bytesPerLine() != bytesPerLine_)
        fail("the picture no longer paints into the guarded buffer");
}

void GuardedImage::checkGuards() const
{
    const std::ptrdiff_t left = std::ptrdiff_t(kGuard) * bytesPerPixel_;
    const std::ptrdiff_t right = left + std::ptrdiff_t(width_) * bytesPerPixel_;
    for (int row = 0; row < height_ + 2 * kGuard; ++row) {
        const std::uint8_t *line = buffer_.data() + row * bytesPerLine_;
        const bool inside = row >= kGuard && row < kGuard + height_;
        for (std::ptrdiff_t i = 0; i < bytesPerLine_; ++i) {
            if (inside && i == left)
                i = right; // the picture itself
            if (i < bytesPerLine_ && line[i] != kSentinel) {
                char where[160];
                std::snprintf(where, sizeof where,
                              "pixel drawn outside the %d x %d picture: guard byte at row %d, byte %td",
                              width_, height_, row - kGuard, i - left);
                fail(where);
            }
        }
    }
}

} // namespace gridora::fuzz

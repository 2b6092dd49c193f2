#pragma once
// What every fuzz target needs: a GUI application for fonts, a reader that
// turns the fuzzer's bytes into values front to back (so seed files are easy
// to write by hand, see make_seeds.py), and images whose surroundings are
// watched so that a stroke landing outside the picture is caught even where
// AddressSanitizer cannot see it (the next row of the same allocation).

#include "canvas.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gridora::fuzz {

/// Creates the one QGuiApplication of the process (offscreen platform).
void startGui(int *argc, char ***argv);

/// Reports a broken promise and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const std::string &what);

/// Reads values front to back; past the end every byte reads as zero.
class InputReader {
public:
    InputReader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return offset_ >= size_; }
    std::uint8_t byte();
    bool flag() { return (byte() & 1) != 0; }
    std::uint32_t word();
    /// low..high inclusive: one byte for spans up to 256, two up to 65536, else four.
    int inRange(int low, int high);
    /// A length byte (cut to maxLength), then that many bytes.
    std::string text(std::size_t maxLength);

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

/// Any int, weighted towards the ones that matter for a picture of about
/// `extent` pixels: near it, far off, and at the ends of the 32-bit range.
int coordinate(InputReader &in, int extent);

/// A width × height picture inside a larger buffer: guard rows above and
/// below, guard columns left and right (a wider bytesPerLine), all holding a
/// sentinel that nothing may overwrite.
class GuardedImage {
public:
    GuardedImage(int width, int height, QImage::Format format);
    GuardedImage(const GuardedImage &) = delete;
    GuardedImage &operator=(const GuardedImage &) = delete;

    /// A white picture painting straight into the buffer.
    QImage picture();
    /// Fails unless `image` still paints into this buffer (and not a copy).
    void checkPaintsHere(const QImage &image) const;
    /// Fails when any guard byte has changed.
    void checkGuards() const;

private:
    std::uint8_t *interior() { return buffer_.data() + kGuard * bytesPerLine_ + kGuard * bytesPerPixel_; }

    static constexpr int kGuard = 16;
    static constexpr std::uint8_t kSentinel = 0xA5;
    int width_;
    int height_;
    QImage::Format format_;
    int bytesPerPixel_;
    std::ptrdiff_t bytesPerLine_;
    std::vector<std::uint8_t> buffer_;
};

} // namespace gridora::fuzz

#include "image_surface.h"

#include "painter_surface.h"
#include "stretch.h"

#include <QPainter>

#include <cmath>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

namespace gridora {

namespace {

bool paintable(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_Grayscale8;
}

QImage checked(QImage picture)
{
    if (!picture.isNull() && !paintable(picture.format()))
        throw std::invalid_argument("an image surface cannot paint on QImage format " +
                                    std::to_string(int(picture.format())));
    return picture;
}

QImage whiteImage(int width, int height, int dpi, QImage::Format format)
{
    if (!paintable(format))
        throw std::invalid_argument("an image surface cannot paint on QImage format " + std::to_string(int(format)));
    QImage image(std::max(width, 1), std::max(height, 1), format);
    // QImage says its memory could not be had by being null; painting on it
    // would then write through a null pointer.
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    return image;
}

PixelBuffer bufferOf(QImage &image)
{
    if (image.isNull())
        return {};
    return {image.bits(), image.width(), image.height(), static_cast<std::ptrdiff_t>(image.bytesPerLine()),
            image.format() == QImage::Format_Grayscale8 ? PixelFormat::Grey8 : PixelFormat::Rgb32};
}

} // namespace

QImage readableSource(const QImage &picture, TRect &source)
{
    if (paintable(picture.format()))
        return picture;
    // The stretch reads max(Right − Left, 1) columns from Left on (rows alike).
    const long long left = std::max<long long>(source.Left, 0), top = std::max<long long>(source.Top, 0);
    const long long right = std::min<long long>(source.Left + std::max<long long>(1LL * source.Right - source.Left, 1),
                                                picture.width());
    const long long bottom = std::min<long long>(source.Top + std::max<long long>(1LL * source.Bottom - source.Top, 1),
                                                 picture.height());
    if (left >= right || top >= bottom)
        return QImage();
    // Only the part the copy reads is converted.
    source = {int(source.Left - left), int(source.Top - top), int(source.Right - left), int(source.Bottom - top)};
    return picture.copy(int(left), int(top), int(right - left), int(bottom - top)).convertToFormat(QImage::Format_RGB32);
}

PixelBuffer readablePixels(const QImage &picture)
{
    if (picture.isNull() || !paintable(picture.format()))
        return {};
    // The raster only reads through this view.
    return {const_cast<uchar *>(picture.constBits()), picture.width(), picture.height(),
            static_cast<std::ptrdiff_t>(picture.bytesPerLine()),
            picture.format() == QImage::Format_Grayscale8 ? PixelFormat::Grey8 : PixelFormat::Rgb32};
}

ImageSurface::ImageSurface(int width, int height, int dpi, QImage::Format format)
    : RasterSurface(PixelBuffer{}), image_(whiteImage(width, height, dpi, format)), dpi_(dpi)
{
    setPixels(bufferOf(image_));
}

ImageSurface::ImageSurface(QImage picture, int dpi)
    : RasterSurface(PixelBuffer{}), image_(checked(std::move(picture))), dpi_(dpi)
{
    setPixels(bufferOf(image_));
}

void ImageSurface::refresh()
{
    setPixels(bufferOf(image_));
}

void ImageSurface::line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush)
{
    refresh();
    RasterSurface::line(from, to, pen, brush);
}

void ImageSurface::rectangle(const TRect &rect, const TPen &pen, const TBrush &brush)
{
    refresh();
    RasterSurface::rectangle(rect, pen, brush);
}

void ImageSurface::text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush)
{
    QPainter painter(&image_);
    paintText(painter, QSize(width(), height()), dpi_, at, text, font, brush);
}

void ImageSurface::copyRect(const TRect &dest, const Surface &from, const TRect &source)
{
    refresh();
    if (dynamic_cast<const RasterSurface *>(&from)) {
        RasterSurface::copyRect(dest, from, source);
        return;
    }
    const auto *painterSource = dynamic_cast<const PainterSurface *>(&from);
    const QImage *picture = painterSource ? painterSource->pixels() : nullptr;
    if (!picture)
        return;
    TRect read = source;
    const QImage readable = readableSource(*picture, read);
    raster::stretchBlackWins(readablePixels(readable), read, pixels(), dest);
}

QImage stretchBlackWins(const QImage &from, const TRect &source, QSize size)
{
    QImage out(size, QImage::Format_RGB32);
    if (size.isEmpty() || out.isNull())
        return out;
    TRect read = source;
    const QImage readable = readableSource(from, read);
    raster::stretchBlackWins(readablePixels(readable), read, bufferOf(out), {0, 0, size.width(), size.height()});
    return out;
}

} // namespace gridora

#include "file_targets.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <new>
#include <string>

namespace gridora {

namespace {

// The whole sheet is the printable area, its origin at the paper's corner.
QPageLayout marginlessLayout(QSizeF inches)
{
    const QPageSize size(inches, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

} // namespace

FilePrintTarget::FilePrintTarget(PageFormat format, QIODevice *out, int width, int height, int dpi,
                                 QSizeF paperInches)
    : format_(format), out_(out), width_(width), height_(height), dpi_(dpi),
      layout_(marginlessLayout(paperInches.isEmpty() ? QSizeF(double(width) / dpi, double(height) / dpi)
                                                     : paperInches))
{
}

FilePrintTarget::FilePrintTarget(QIODevice *out, const QPageLayout &layout, int dpi)
    : format_(PageFormat::Pdf), out_(out), width_(layout.paintRectPixels(dpi).width()),
      height_(layout.paintRectPixels(dpi).height()), dpi_(dpi), layout_(layout)
{
}

FilePrintTarget::~FilePrintTarget() = default;

Surface &FilePrintTarget::beginDocument()
{
    if (!out_ || !out_->isWritable())
        throw EPrinter(kPrinterNotValid);
    switch (format_) {
    case PageFormat::Pdf: {
        pdf_ = std::make_unique<QPdfWriter>(out_);
        pdf_->setResolution(dpi_);
        pdf_->setPageLayout(layout_);
        pdf_->setCreator(QStringLiteral("Gridora"));
        pdf_->setTitle(QString::fromStdString(title_));
        page_ = std::make_unique<PainterSurface>(pdf_.get(), width_, height_, dpi_);
        break;
    }
    case PageFormat::Svg:
        svg_ = std::make_unique<QSvgGenerator>();
        svg_->setOutputDevice(out_);
        svg_->setSize(QSize(width_, height_));
        svg_->setViewBox(QRect(0, 0, width_, height_));
        svg_->setResolution(dpi_);
        svg_->setTitle(QStringLiteral("Gridora sheet"));
        page_ = std::make_unique<PainterSurface>(svg_.get(), width_, height_, dpi_);
        break;
    case PageFormat::Png:
        try {
            image_ = std::make_unique<ImageSurface>(width_, height_, dpi_, QImage::Format_Grayscale8);
        } catch (const std::bad_alloc &) {
            throw EPrinter("There is not enough memory for a page image of " + std::to_string(width_) + " x " +
                           std::to_string(height_) + " pixels");
        }
        break;
    }
    if (image_)
        return *image_;
    return *page_;
}

void FilePrintTarget::newPage()
{
    if (!pdf_ || !page_)
        throw EPrinter(kOnePageOnly);
    if (!pdf_->newPage())
        throw EPrinter("The page could not be written");
}

void FilePrintTarget::endDocument()
{
    bool ok = image_ ? image_->image().save(out_, "PNG") : page_ && page_->finish();
    page_.reset();
    image_.reset();
    pdf_.reset();
    svg_.reset();
    if (!ok)
        throw EPrinter("The page could not be written");
}

void FilePrintTarget::abortDocument()
{
    page_.reset();
    image_.reset();
    pdf_.reset();
    svg_.reset();
}

} // namespace gridora

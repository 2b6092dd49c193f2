#include "file_targets.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <new>
#include <string>

namespace gridora {

FilePrintTarget::FilePrintTarget(PageFormat format, QIODevice *out, int width, int height, int dpi,
                                 QSizeF paperInches)
    : format_(format), out_(out), width_(width), height_(height), dpi_(dpi),
      paperInches_(paperInches.isEmpty() ? QSizeF(double(width) / dpi, double(height) / dpi) : paperInches)
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
        const QPageSize size(paperInches_, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
        pdf_->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf_->setCreator(QStringLiteral("Gridora"));
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
            page_ = std::make_unique<ImageSurface>(width_, height_, dpi_, QImage::Format_Grayscale8);
        } catch (const std::bad_alloc &) {
            throw EPrinter("There is not enough memory for a page image of " + std::to_string(width_) + " x " +
                           std::to_string(height_) + " pixels");
        }
        break;
    }
    return *page_;
}

void FilePrintTarget::endDocument()
{
    bool ok = page_ && page_->finish();
    if (ok && format_ == PageFormat::Png)
        ok = static_cast<ImageSurface &>(*page_).image().save(out_, "PNG");
    page_.reset();
    pdf_.reset();
    svg_.reset();
    if (!ok)
        throw EPrinter("The page could not be written");
}

void FilePrintTarget::abortDocument()
{
    page_.reset();
    pdf_.reset();
    svg_.reset();
}

} // namespace gridora

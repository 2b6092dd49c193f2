#include "file_targets.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <new>
#include <string>

namespace gridora {

namespace {

PaperSheet sheetOf(const PaperSheet &paper, int width, int height, int dpi)
{
    if (!paper.inches.isEmpty())
        return paper;
    return {QSizeF(double(width) / dpi, double(height) / dpi), QSize(width, height), QPoint(0, 0)};
}

// A PDF page is whole points, with no margins of its own: the printable area
// lies on it at the paper's origin. A named paper is matched to its standard
// size; a bare printable area is rounded up, so that its last row and column
// of pixels are on the page.
QPageLayout pdfLayout(const PaperSheet &given, int width, int height, int dpi)
{
    auto points = [dpi](int pixels) { return static_cast<int>((72LL * pixels + dpi - 1) / dpi); };
    const QPageSize size = !given.inches.isEmpty()
                               ? QPageSize(given.inches, QPageSize::Inch, QString(), QPageSize::FuzzyMatch)
                               : QPageSize(QSize(points(width), points(height)), QString(), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

} // namespace

FilePrintTarget::FilePrintTarget(PageFormat format, QIODevice *out, int width, int height, int dpi, PaperSheet paper)
    : format_(format), out_(out), width_(width), height_(height), dpi_(dpi),
      layout_(pdfLayout(paper, width, height, dpi)), paper_(sheetOf(paper, width, height, dpi))
{
}

FilePrintTarget::FilePrintTarget(PageFormat format, QIODevice *out, const page::PageLayout &page)
    : FilePrintTarget(format, out, page.width, page.height, page.dpi,
                      {QSizeF(double(page.unitsAcross()) / page.paper.perInch,
                              double(page.unitsDown()) / page.paper.perInch),
                       QSize(page.sheetWidth, page.sheetHeight), QPoint(page.margin, page.margin)})
{
}

FilePrintTarget::FilePrintTarget(QIODevice *out, const QPageLayout &layout, int dpi)
    : format_(PageFormat::Pdf), out_(out), width_(layout.paintRectPixels(dpi).width()),
      height_(layout.paintRectPixels(dpi).height()), dpi_(dpi), layout_(layout),
      // The PDF's own margins place the area: the painter's origin is already its corner.
      paper_{layout.fullRectPoints().size() / 72.0, layout.fullRectPixels(dpi).size(), QPoint(0, 0)}
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
        page_ = std::make_unique<PainterSurface>(pdf_.get(), width_, height_, dpi_, paper_.origin);
        break;
    }
    case PageFormat::Svg:
        svg_ = std::make_unique<QSvgGenerator>();
        svg_->setOutputDevice(out_);
        svg_->setSize(paper_.pixels);
        svg_->setViewBox(QRect(QPoint(0, 0), paper_.pixels));
        svg_->setResolution(dpi_);
        svg_->setTitle(QStringLiteral("Gridora sheet"));
        page_ = std::make_unique<PainterSurface>(svg_.get(), width_, height_, dpi_, paper_.origin);
        page_->paintPaper(clWhite, paper_.pixels); // an SVG is transparent where nothing is drawn
        break;
    case PageFormat::Png:
        try {
            image_ = std::make_unique<ImageSurface>(paperArea(), dpi_);
        } catch (const std::bad_alloc &) {
            throw EPrinter(Message::words(
                EPrinter::kMessages,
                GRIDORA_TRANSLATABLE("Messages", "There is not enough memory for a page image of %1 x %2 pixels"),
                {Message::plain(std::to_string(paper_.pixels.width())),
                 Message::plain(std::to_string(paper_.pixels.height()))}));
        }
        break;
    }
    if (image_)
        return *image_;
    return *page_;
}

// The PNG's whole sheet, white, and a view of its printable area, which the
// image surface paints in place.
QImage FilePrintTarget::paperArea()
{
    paperImage_ = QImage(paper_.pixels, QImage::Format_Grayscale8);
    if (paperImage_.isNull())
        throw std::bad_alloc();
    paperImage_.fill(Qt::white);
    QImage area(paperImage_.bits() + paper_.origin.y() * paperImage_.bytesPerLine() + paper_.origin.x(), width_,
                height_, paperImage_.bytesPerLine(), QImage::Format_Grayscale8);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi_ / 0.0254));
    area.setDotsPerMeterX(dotsPerMetre);
    area.setDotsPerMeterY(dotsPerMetre);
    paperImage_.setDotsPerMeterX(dotsPerMetre);
    paperImage_.setDotsPerMeterY(dotsPerMetre);
    return area;
}

void FilePrintTarget::newPage()
{
    if (!pdf_ || !page_)
        throw EPrinter(kOnePageOnly);
    if (!pdf_->newPage())
        throw EPrinter(kPageNotWritten);
}

void FilePrintTarget::endDocument()
{
    if (svg_ && page_ && paper_.pixels != QSize(width_, height_))
        page_->paintMargins(clWhite, paper_.pixels); // an SVG has no clipping
    bool ok = image_ ? paperImage_.save(out_, "PNG") : page_ && page_->finish();
    page_.reset();
    image_.reset();
    paperImage_ = QImage();
    pdf_.reset();
    svg_.reset();
    if (!ok)
        throw EPrinter(kPageNotWritten);
}

void FilePrintTarget::abortDocument()
{
    page_.reset();
    image_.reset();
    paperImage_ = QImage();
    pdf_.reset();
    svg_.reset();
}

} // namespace gridora

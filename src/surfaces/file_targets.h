#pragma once
// Print targets that write a page to a file instead of a printer queue: PDF and
// SVG keep the rulings as vectors, PNG paints them into a greyscale image.
// Each writes to a device the caller has opened and commits it.

#include "image_surface.h"
#include "page_layout.h"
#include "painter_surface.h"
#include "printer.h"

#include <QImage>
#include <QPageLayout>
#include <QPoint>
#include <QSize>
#include <QSizeF>

#include <memory>
#include <string>

class QIODevice;
class QPdfWriter;
class QSvgGenerator;

namespace gridora {

enum class PageFormat { Pdf, Svg, Png };

/// The sheet of paper a printable area lies on, as a real printer holds it:
/// its size, and where the area's top-left corner lies on it. An empty sheet
/// means the file is exactly the printable area.
struct PaperSheet {
    QSizeF inches;  // for a PDF's page size
    QSize pixels;   // for an SVG's or a PNG's size, in device pixels
    QPoint origin;  // the printable area's top-left corner, in device pixels
};

/// A printable area of width × height device pixels at `dpi`, written to `out`
/// when the document ends: on its `paper` when given (the area at the paper's
/// origin, the rest of the sheet blank), else as a sheet of exactly that area.
/// beginDocument throws EPrinter when there is no memory for a PNG page's
/// image, endDocument if writing fails.
class FilePrintTarget : public PrintTarget {
public:
    FilePrintTarget(PageFormat format, QIODevice *out, int width, int height, int dpi, PaperSheet paper = {});
    /// The printable area of `page` on its whole sheet.
    FilePrintTarget(PageFormat format, QIODevice *out, const page::PageLayout &page);
    /// A PDF laid out as a printer lays out its pages: `layout`'s paper, the
    /// printable area inside its margins at `dpi`, the origin at that area's
    /// top-left corner.
    FilePrintTarget(QIODevice *out, const QPageLayout &layout, int dpi);
    ~FilePrintTarget() override;

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    Surface &beginDocument() override;
    /// PDF only: the other formats hold one page.
    void newPage() override;
    /// PDF only: the document's title.
    void setTitle(const std::string &title) override { title_ = title; }
    void endDocument() override;
    void abortDocument() override;

private:
    QImage paperArea();

    PageFormat format_;
    QIODevice *out_;
    int width_;
    int height_;
    int dpi_;
    QPageLayout layout_;
    std::string title_;
    PaperSheet paper_;
    QImage paperImage_; // a PNG page's whole sheet; the image surface paints its printable area
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<QSvgGenerator> svg_;
    std::unique_ptr<PainterSurface> page_; // a PDF or SVG page
    std::unique_ptr<ImageSurface> image_;  // a PNG page
};

} // namespace gridora

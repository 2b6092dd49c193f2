// Whole sheets looked at pixel by pixel, on each output a sheet is written to:
// the image (PNG pages and the window's sample), PDF (read back through
// pdftoppm, without smoothing, at the page's resolution) and SVG (read back
// through Qt's SVG renderer over black, as a dark viewer shows it). The trace
// tests see the drawing calls; these see what the calls leave on the sheet.

#include "file_targets.h"
#include "grid_sheets.h"
#include "painter_surface.h"
#include "printer.h"
#include "render_sheet.h"
#include "sheet_constants.h"
#include "sheet_request.h"
#include "spacetime_sheets.h"
#include "trace_lines.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace gridora {
namespace {

enum class Output { Image, Pdf, Svg };

const char *outputName(Output output)
{
    switch (output) {
    case Output::Image: return "image";
    case Output::Pdf: return "pdf";
    default: return "svg";
    }
}

// A drawn sheet, read back as grey pixels a region at a time: reading only
// the part a check looks at keeps 1200 dpi pages cheap.
class DrawnSheet {
public:
    virtual ~DrawnSheet() = default;
    virtual QImage region(const QRect &area) const = 0;
};

class ImageSheet : public DrawnSheet {
public:
    explicit ImageSheet(QImage image) : image_(std::move(image)) {}
    QImage region(const QRect &area) const override
    {
        return image_.copy(area).convertToFormat(QImage::Format_Grayscale8);
    }

private:
    QImage image_;
};

class PdfSheet : public DrawnSheet {
public:
    PdfSheet(const QByteArray &pdf, int dpi, int page = 1) : dpi_(dpi), page_(page)
    {
        file_.open();
        file_.write(pdf);
        file_.flush();
    }
    QImage region(const QRect &area) const override
    {
        QProcess p;
        p.start(QStringLiteral("pdftoppm"),
                {QStringLiteral("-f"), QString::number(page_), QStringLiteral("-l"), QString::number(page_),
                 QStringLiteral("-r"), QString::number(dpi_), QStringLiteral("-gray"), QStringLiteral("-aa"),
                 QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-x"),
                 QString::number(area.x()), QStringLiteral("-y"), QString::number(area.y()), QStringLiteral("-W"),
                 QString::number(area.width()), QStringLiteral("-H"), QString::number(area.height()),
                 file_.fileName()});
        p.waitForFinished(60000);
        QBuffer pgm;
        pgm.setData(p.readAllStandardOutput());
        QImageReader reader(&pgm, "PGM");
        reader.setAllocationLimit(0); // a whole sheet at 1200 dpi is larger than Qt reads by default
        return reader.read().convertToFormat(QImage::Format_Grayscale8);
    }

private:
    mutable QTemporaryFile file_;
    int dpi_;
    int page_;
};

class SvgSheet : public DrawnSheet {
public:
    explicit SvgSheet(const QByteArray &svg) : renderer_(svg) {}
    QImage region(const QRect &area) const override
    {
        QImage out(area.size(), QImage::Format_RGB32);
        out.fill(Qt::black); // a dark viewer: whatever the sheet leaves bare shows black
        QPainter painter(&out);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-area.topLeft());
        // The view box is the sheet in device pixels.
        const_cast<QSvgRenderer &>(renderer_).render(&painter, QRectF(QPointF(0, 0), renderer_.viewBoxF().size()));
        painter.end();
        return out.convertToFormat(QImage::Format_Grayscale8);
    }

private:
    QSvgRenderer renderer_;
};

// A page target painting into an image as PNG pages are painted, kept for
// reading rather than encoded.
class ImagePageTarget : public PrintTarget {
public:
    ImagePageTarget(int width, int height, int dpi) : width_(width), height_(height), dpi_(dpi) {}
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    Surface &beginDocument() override
    {
        page_ = std::make_unique<ImageSurface>(width_, height_, dpi_, QImage::Format_Grayscale8);
        return *page_;
    }
    void endDocument() override {}
    void abortDocument() override {}
    QImage image() const { return page_->image(); }

private:
    int width_, height_, dpi_;
    std::unique_ptr<ImageSurface> page_;
};

using PagePrinter = std::function<void(TPrinter &)>;
using SampleDrawer = std::function<void(TCanvas &)>;

std::unique_ptr<DrawnSheet> drawPage(Output output, int width, int height, int dpi, const PagePrinter &print)
{
    if (output == Output::Image) {
        auto target = std::make_unique<ImagePageTarget>(width, height, dpi);
        ImagePageTarget *image = target.get();
        TPrinter printer(std::move(target));
        print(printer);
        return std::make_unique<ImageSheet>(image->image());
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    TPrinter printer(std::make_unique<FilePrintTarget>(output == Output::Pdf ? PageFormat::Pdf : PageFormat::Svg,
                                                       &bytes, width, height, dpi));
    print(printer);
    if (output == Output::Pdf)
        return std::make_unique<PdfSheet>(bytes.data(), dpi);
    return std::make_unique<SvgSheet>(bytes.data());
}

// The window's sample picture, drawn on one canvas as the window draws it.
std::unique_ptr<DrawnSheet> drawSample(Output output, int dpi, const SampleDrawer &draw)
{
    const int W = sheets::kSampleWidth, H = sheets::kSampleHeight;
    if (output == Output::Image) {
        ImageSurface picture(W, H);
        TCanvas canvas(&picture);
        draw(canvas);
        return std::make_unique<ImageSheet>(picture.image());
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    FilePrintTarget file(output == Output::Pdf ? PageFormat::Pdf : PageFormat::Svg, &bytes, W, H, dpi);
    TCanvas canvas(&file.beginDocument());
    draw(canvas);
    file.endDocument();
    if (output == Output::Pdf)
        return std::make_unique<PdfSheet>(bytes.data(), dpi);
    return std::make_unique<SvgSheet>(bytes.data());
}

// The rulings' mid grey, 128, exactly as the outputs paint it; a smoothed
// renderer's edges of black lines nearby are other greys.
bool isGrey(int v) { return v >= 124 && v <= 132; }
bool isInk(int v) { return v < 192; }
bool isWhite(int v) { return v >= 250; }

int pixel(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)); }

// How many pixels of mid grey run across `line` at `i`: along row i of a
// strip across a plumb line, or column i of one across a level line, from the
// strip's middle.
int greyRunAcross(const QImage &strip, bool plumb, int i)
{
    const int length = plumb ? strip.width() : strip.height();
    int middle = length / 2;
    auto at = [&](int j) { return plumb ? pixel(strip, j, i) : pixel(strip, i, j); };
    // What is left of the line may lie a few pixels off its middle.
    for (int off : {0, -1, 1, -2, 2, -3, 3})
        if (isGrey(at(length / 2 + off))) {
            middle = length / 2 + off;
            break;
        }
    if (!isGrey(at(middle)))
        return 0;
    int low = middle, high = middle;
    while (low > 0 && isGrey(at(low - 1)))
        --low;
    while (high + 1 < length && isGrey(at(high + 1)))
        ++high;
    return high - low + 1;
}

struct OuterLines {
    int left, bottom, right, top;
};

// The widths the spacetime grid's four outer lines show, each measured in the
// middle of every cell along it, where no other line crosses. A width that
// changes along a line fails at once.
OuterLines outerLineWidths(const DrawnSheet &sheet, int left, int bottom, int side, int rows, int cells)
{
    const int reach = 12; // either side of the line
    const int right = left + side;
    const int top = bottom - static_cast<int>(static_cast<long long>(rows) * side / cells);
    auto widthOf = [&](int at, bool plumb, int count) {
        const QRect band = plumb ? QRect(at - reach, top, 2 * reach + 1, bottom - top + 1)
                                 : QRect(left, at - reach, right - left + 1, 2 * reach + 1);
        const QImage strip = sheet.region(band);
        int shown = -1;
        for (int i = 0; i < count; ++i) {
            // the middle of cell i, counted from the bottom (or the left)
            const int mid = static_cast<int>((2LL * i + 1) * side / (2 * cells));
            const int width = greyRunAcross(strip, plumb, plumb ? bottom - mid - top : mid);
            if (shown == -1)
                shown = width;
            EXPECT_EQ(shown, width) << "an outer line changes width along its length";
        }
        return shown;
    };
    return {widthOf(left, true, rows), widthOf(bottom, false, cells), widthOf(right, true, rows),
            widthOf(top, false, cells)};
}

QImage pngImage(const QByteArray &png)
{
    QBuffer bytes;
    bytes.setData(png);
    QImageReader reader(&bytes, "PNG");
    reader.setAllocationLimit(0); // a 1200 dpi sheet is larger than Qt's default limit
    return reader.read();
}

// The A4 printable area a --paper sheet has at `dpi` with its default margin.
QSize a4Area(int dpi)
{
    const auto parsed = cli::parseCommandLine({QStringLiteral("gridora-sheet"), QStringLiteral("--kind"),
                                               QStringLiteral("log"), QStringLiteral("--dpi"), QString::number(dpi),
                                               QStringLiteral("-o"), QStringLiteral("x.pdf")});
    return {parsed.request->width, parsed.request->height};
}

struct PixelCase {
    Output output;
    int dpi;
};

class SheetPixels : public testing::TestWithParam<PixelCase> {};

TEST_P(SheetPixels, SheetsAreRightToTheLastPixel)
{
    const Output output = GetParam().output;
    const int dpi = GetParam().dpi;

    // Every heavy outer line of a spacetime page (4800 × 6600, 0.60 c) at its
    // full width but where a mask's own coordinates cover it: the masks stand
    // 2, 3, 2 and 2 pixels off the 5-pixel lines, so the right one keeps 4.
    {
        SCOPED_TRACE("spacetime page");
        const auto page = drawPage(output, 4800, 6600, dpi,
                                   [](TPrinter &p) { spacetime::printSpacetimePage(p, 60, "Ada"); });
        const OuterLines shown = outerLineWidths(*page, 360, 5748, 4080, 30, 25);
        EXPECT_EQ(shown.left, 5);
        EXPECT_EQ(shown.bottom, 5);
        EXPECT_EQ(shown.right, 4);
        EXPECT_EQ(shown.top, 5);
    }
    // The spacetime sample's 2-pixel outer lines: the left and top masks'
    // own rectangles reach the line's first column and row, (0, 0)–(20, H)
    // and (0, 0)–(W, 40); the bottom and right ones stop short.
    {
        SCOPED_TRACE("spacetime sample");
        const auto sample = drawSample(output, dpi, [](TCanvas &c) {
            spacetime::drawSpacetimeSample(c, sheets::kSampleWidth, sheets::kSampleHeight, 60, sheets::kWindowWidth,
                                           sheets::kWindowHeight);
        });
        const OuterLines shown = outerLineWidths(*sample, 20, 357, 317, 25, 25);
        EXPECT_EQ(shown.left, 1);
        EXPECT_EQ(shown.bottom, 2);
        EXPECT_EQ(shown.right, 2);
        EXPECT_EQ(shown.top, 1);
    }
    // The grid sample after a "Squared" sample: the clearing rectangle's
    // frame, drawn with the 2-pixel pen the last ruling left, lies inside the
    // picture, 2 pixels on each side, margin white inside it.
    {
        SCOPED_TRACE("grid sample after Squared");
        const auto sample = drawSample(output, dpi, [](TCanvas &c) {
            gridpaper::drawGridSample(c, sheets::kSampleWidth, sheets::kSampleHeight, gridpaper::kSquared, 0);
            gridpaper::drawGridSample(c, sheets::kSampleWidth, sheets::kSampleHeight, gridpaper::kSquared, 0);
        });
        const int W = sheets::kSampleWidth, H = sheets::kSampleHeight;
        const QImage all = sample->region(QRect(0, 0, W, H));
        int wrong = 0;
        for (int y = 2; y < H - 2; ++y)
            wrong += !isInk(pixel(all, 0, y)) + !isInk(pixel(all, 1, y)) + !isWhite(pixel(all, 2, y)) +
                     !isInk(pixel(all, W - 1, y)) + !isInk(pixel(all, W - 2, y)) + !isWhite(pixel(all, W - 3, y));
        for (int x = 2; x < W - 2; ++x)
            wrong += !isInk(pixel(all, x, 0)) + !isInk(pixel(all, x, 1)) + !isWhite(pixel(all, x, 2)) +
                     !isInk(pixel(all, x, H - 1)) + !isInk(pixel(all, x, H - 2)) + !isWhite(pixel(all, x, H - 3));
        EXPECT_EQ(wrong, 0) << "pixels off a 2-pixel frame";
    }
    // The left border of every "Semi log" and "Log" page, on the A4 printable
    // area at this resolution: all 4 columns of the heavy ruling at M black
    // from the grid's top to its bottom, no label cell over any of it; and
    // white paper at the page's left edge.
    const QSize a4 = a4Area(dpi);
    for (int kind : {gridpaper::kSemiLog, gridpaper::kLog}) {
        for (int n = 0; n < 3; ++n) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", " << n + 1 << " decades");
            const auto page = drawPage(output, a4.width(), a4.height(), dpi,
                                       [&](TPrinter &p) { gridpaper::printGridPage(p, kind, n, "Ada"); });
            const int M = 3 * a4.width() / 40, W = a4.width() - 2 * M;
            const int top = kind == gridpaper::kLog ? (a4.height() - W) / 2 : M;
            const int bottom = kind == gridpaper::kLog ? top + W : a4.height() - M;
            const QImage border = page->region(QRect(M - 2, top, 4, bottom - top + 1));
            int broken = 0;
            for (int y = 0; y < border.height(); ++y)
                for (int x = 0; x < 4; ++x)
                    broken += !isInk(pixel(border, x, y));
            EXPECT_EQ(broken, 0) << "pixels missing from the left border";
            // Left of the labels the page is bare paper, white on every
            // output: an SVG page is no transparent sheet over a dark viewer.
            const QImage edge = page->region(QRect(0, top, 8, bottom - top + 1));
            int dark = 0;
            for (int y = 0; y < edge.height(); ++y)
                for (int x = 0; x < edge.width(); ++x)
                    dark += !isWhite(pixel(edge, x, y));
            EXPECT_EQ(dark, 0) << "the page's paper is not white";
        }
    }
    // The name on a --paper page stands inside the printable area: nothing
    // printed within the default margin of the paper's edges, the name just
    // inside it.
    {
        SCOPED_TRACE("--paper page");
        const char *format = output == Output::Image ? "png" : outputName(output);
        const auto parsed = cli::parseCommandLine(
            {QStringLiteral("gridora-sheet"), QStringLiteral("--kind"), QStringLiteral("spacetime"),
             QStringLiteral("--name"), QStringLiteral("Ada"), QStringLiteral("--dpi"), QString::number(dpi),
             QStringLiteral("--format"), QString::fromLatin1(format), QStringLiteral("-o"), QStringLiteral("-")});
        ASSERT_TRUE(parsed.request.has_value());
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        cli::renderSheet(*parsed.request, bytes);
        std::unique_ptr<DrawnSheet> paper;
        if (output == Output::Pdf)
            paper = std::make_unique<PdfSheet>(bytes.data(), dpi);
        else if (output == Output::Svg)
            paper = std::make_unique<SvgSheet>(bytes.data());
        else
            paper = std::make_unique<ImageSheet>(pngImage(bytes.data()));
        const int margin = 635 * dpi / 2540; // 6.35 mm
        const int lineHeight = 12 * dpi / 72;
        const QImage corner = paper->region(QRect(0, 0, margin + 12 * lineHeight, margin + 3 * lineHeight));
        int outside = 0, inside = 0;
        for (int y = 0; y < corner.height(); ++y)
            for (int x = 0; x < corner.width(); ++x) {
                const bool ink = !isWhite(pixel(corner, x, y));
                (x < margin || y < margin ? outside : inside) += ink;
            }
        EXPECT_EQ(outside, 0) << "pixels printed in the paper's margin";
        EXPECT_GT(inside, 0) << "no name in the printable area's corner";
    }
    // The same sheet on the image and on PDF: its rulings on the same pixels.
    // Compared over the bottom-left corner of a 3-decade "Log" page and of a
    // "Squared" page, ticks and borders included, text left out.
    if (output == Output::Pdf) {
        struct Corner {
            PagePrinter print;
            int bottom; // the grid's bottom line
        };
        const Corner corners[] = {
            {[](TPrinter &p) { gridpaper::printGridPage(p, gridpaper::kLog, 2, ""); }, 5240},
            {[](TPrinter &p) { gridpaper::printGridPage(p, gridpaper::kSquared, 0, ""); }, 6040},
        };
        for (const Corner &c : corners) {
            const auto onImage = drawPage(Output::Image, 4800, 6400, dpi, c.print);
            const auto onPdf = drawPage(Output::Pdf, 4800, 6400, dpi, c.print);
            // From the longest tick (M − 17) in, and down to the ticks' ends.
            const QRect corner(360 - 17, c.bottom - 800, 800, 817);
            const QImage a = onImage->region(corner), b = onPdf->region(corner);
            int differ = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    differ += isInk(pixel(a, x, y)) != isInk(pixel(b, x, y));
            EXPECT_EQ(differ, 0) << "pixels inked on one and not the other";
        }
    }
}

std::vector<PixelCase> allCases()
{
    std::vector<PixelCase> cases;
    for (Output output : {Output::Image, Output::Pdf, Output::Svg})
        for (int dpi : {300, 600, 1200})
            cases.push_back({output, dpi});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Outputs, SheetPixels, testing::ValuesIn(allCases()),
                         [](const testing::TestParamInfo<PixelCase> &info) {
                             return std::string(outputName(info.param.output)) + "_" +
                                    std::to_string(info.param.dpi) + "dpi";
                         });

// --- Spacetime pages: no ink outside the sheet ------------------------------

// The masks of a spacetime page cover everything around the grid; only the
// name line stands outside it. Looked at over the whole paper, on the image
// and on PDF (whose page lies inside the paper's margins, as a printer's
// does), on A4 and Letter both ways up.

struct Paper {
    const char *name;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
};

const Paper kPapers[] = {{"A4", QPageSize::A4, QPageLayout::Portrait},
                         {"A4 landscape", QPageSize::A4, QPageLayout::Landscape},
                         {"Letter", QPageSize::Letter, QPageLayout::Portrait},
                         {"Letter landscape", QPageSize::Letter, QPageLayout::Landscape}};

QPageLayout quarterInchInside(const Paper &paper)
{
    return QPageLayout(QPageSize(paper.size), paper.orientation, QMarginsF(0.25, 0.25, 0.25, 0.25),
                       QPageLayout::Inch);
}

const std::string kPupil = "Ada";

// The sheet as painted: the rest grid's grey rulings with every pixel their
// pens cover, on the printable area.
QRect paintedGrid(QSize area)
{
    using namespace tracetest;
    QRect grid;
    const auto page = traceOfPage(area.width(), area.height(),
                                  [](TPrinter &p) { spacetime::printSpacetimePage(p, 0, kPupil); });
    for (const Stroke &s : strokesWhere(strokesOf(page), [](const Stroke &s) { return s.pen.starts_with("#808080"); })) {
        const int w = penWidth(s);
        grid |= QRect(QPoint(std::min(s.x1, s.x2) - w / 2, std::min(s.y1, s.y2) - w / 2),
                      QPoint(std::max(s.x1, s.x2) + (w - 1) / 2, std::max(s.y1, s.y2) + (w - 1) / 2));
    }
    return grid & QRect(QPoint(0, 0), area);
}

// Where the name line may stand: from its corner (10, 10), no letter wider
// or the line taller than twice the font's pixel size.
QRect nameLine(int dpi, int position)
{
    const int pixels = 12 * dpi / 72;
    const int letters = static_cast<int>(spacetime::velocityLine(kPupil, position).size());
    return QRect(10, 10, 2 * letters * pixels, 2 * pixels);
}

// Pixels of `sheet` that are not white, outside the grid and the name line
// (both placed on the paper at `origin`); the first one in `where`.
int strayInk(const QImage &sheet, QPoint origin, const QRect &grid, const QRect &name, QPoint &where)
{
    QRect allowed[] = {grid.translated(origin), name.translated(origin)};
    if (allowed[1].left() < allowed[0].left())
        std::swap(allowed[0], allowed[1]);
    int stray = 0;
    const auto look = [&](const uchar *row, int y, int from, int to) {
        for (const uchar *ink = row + from; (ink = std::find_if(ink, row + to, [](uchar v) { return !isWhite(v); })) !=
                                            row + to;
             ++ink)
            if (stray++ == 0)
                where = QPoint(int(ink - row), y);
    };
    for (int y = 0; y < sheet.height(); ++y) {
        const uchar *row = sheet.constScanLine(y);
        int x = 0;
        for (const QRect &r : allowed) {
            if (y < r.top() || y > r.bottom() || r.right() < x)
                continue;
            look(row, y, x, std::clamp(r.left(), x, sheet.width()));
            x = std::min(r.right() + 1, sheet.width());
        }
        look(row, y, x, sheet.width());
    }
    return stray;
}

// Each page of `positions` on `output`, handed to `look` as the whole paper
// in grey levels with the printable area's corner on it. On the image the
// area is the paper; on PDF, whose pages make one document, it lies inside
// the paper's margins, as on a printer.
void forEachPage(Output output, const QPageLayout &layout, int dpi, const std::vector<int> &positions,
                 const std::function<void(int position, const QImage &paper, QPoint origin)> &look)
{
    const QRect area = layout.paintRectPixels(dpi);
    if (output == Output::Image) {
        auto target = std::make_unique<ImagePageTarget>(area.width(), area.height(), dpi);
        ImagePageTarget &image = *target;
        TPrinter printer(std::move(target));
        for (const int position : positions) {
            spacetime::printSpacetimePage(printer, position, kPupil);
            look(position, image.image(), QPoint(0, 0));
        }
        return;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        TPrinter printer(std::make_unique<FilePrintTarget>(&pdf, layout, dpi));
        PrintJob document(printer);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            if (i > 0)
                printer.NewPage();
            spacetime::drawSpacetimePage(printer, positions[i], kPupil);
        }
        document.finish();
    }
    const QRect paper(QPoint(0, 0), layout.fullRectPixels(dpi).size() + QSize(1, 1)); // pdftoppm rounds up
    for (std::size_t i = 0; i < positions.size(); ++i)
        look(positions[i], PdfSheet(pdf.data(), dpi, int(i) + 1).region(paper), area.topLeft());
}

// Which pixels of row `y` of `image`, from `x` on for `width`, are ink.
std::vector<bool> inkAlong(const QImage &image, int x, int y, int width)
{
    std::vector<bool> ink;
    for (int i = 0; i < width; ++i)
        ink.push_back(isInk(image.constScanLine(y)[x + i]));
    return ink;
}

struct StrayCase {
    Output output;
    int dpi;
    std::vector<int> positions;
    std::vector<Paper> papers;
};

void PrintTo(const StrayCase &c, std::ostream *out)
{
    *out << outputName(c.output) << " at " << c.dpi << " dpi, " << c.positions.size() << " velocities";
}

class SpacetimeInk : public testing::TestWithParam<StrayCase> {};

TEST_P(SpacetimeInk, NoneOutsideTheSheetButTheNameLine)
{
    const StrayCase &c = GetParam();
    for (const Paper &paper : c.papers) {
        const QPageLayout layout = quarterInchInside(paper);
        const QSize area = layout.paintRectPixels(c.dpi).size();
        const QRect grid = paintedGrid(area);
        forEachPage(c.output, layout, c.dpi, c.positions, [&](int position, const QImage &sheet, QPoint origin) {
            ASSERT_FALSE(sheet.isNull());
            QPoint where;
            EXPECT_EQ(strayInk(sheet, origin, grid, nameLine(c.dpi, position), where), 0)
                << paper.name << ", position " << position << ": the first at (" << where.x() << ", " << where.y()
                << ") of the paper, the printable area's corner at (" << origin.x() << ", " << origin.y() << ")";
            // Clipped at the edge, and not short of it: where the grid runs
            // off a landscape page, the printable area's first and last rows
            // hold the ink they hold on the image (at 0.00 c every line
            // crossing them is plumb, so drawn alike).
            if (c.output != Output::Pdf || position != 0 || paper.orientation != QPageLayout::Landscape)
                return;
            forEachPage(Output::Image, layout, c.dpi, {0}, [&](int, const QImage &image, QPoint) {
                for (const int y : {0, area.height() - 1})
                    EXPECT_EQ(inkAlong(sheet, origin.x(), origin.y() + y, area.width()),
                              inkAlong(image, 0, y, area.width()))
                        << paper.name << ": row " << y << " of the printable area";
            });
        });
    }
}

std::vector<int> everyPosition()
{
    std::vector<int> all(spacetime::kMaxPosition + 1);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

// Every velocity on the image; on PDF, whose pages are read back slowly,
// still and fast frames, and at 1200 dpi one paper each way up.
const std::vector<Paper> kEveryPaper(std::begin(kPapers), std::end(kPapers));
const std::vector<Paper> kA4AndLetterLandscape = {kPapers[0], kPapers[3]};

INSTANTIATE_TEST_SUITE_P(Surfaces, SpacetimeInk,
                         testing::Values(StrayCase{Output::Image, 300, everyPosition(), kEveryPaper},
                                         StrayCase{Output::Image, 600, {0, 37, 90}, kEveryPaper},
                                         StrayCase{Output::Image, 1200, {0, 60}, kEveryPaper},
                                         StrayCase{Output::Pdf, 300, {0, 37, 60, 90}, kEveryPaper},
                                         StrayCase{Output::Pdf, 600, {0, 90}, kEveryPaper},
                                         StrayCase{Output::Pdf, 1200, {0}, kA4AndLetterLandscape}),
                         [](const testing::TestParamInfo<StrayCase> &info) {
                             return std::string(outputName(info.param.output)) + "_" +
                                    std::to_string(info.param.dpi) + "dpi";
                         });

} // namespace
} // namespace gridora

#include "render_sheet.h"

#include "class_set.h"
#include "file_targets.h"
#include "grid_sheets.h"
#include "printer.h"
#include "spacetime_sheets.h"
#include "trace_surface.h"

#include <QIODevice>

#include <sstream>
#include <stdexcept>

namespace gridora::cli {

namespace {

PageFormat pageFormat(Format format)
{
    switch (format) {
    case Format::Svg: return PageFormat::Svg;
    case Format::Png: return PageFormat::Png;
    default: return PageFormat::Pdf;
    }
}

void drawSample(const SheetRequest &r, TCanvas &canvas)
{
    if (r.kind == sheets::kSpacetime)
        spacetime::drawSpacetimeSample(canvas, r.width, r.height, r.position, sheets::kWindowWidth,
                                       sheets::kWindowHeight);
    else
        gridpaper::drawGridSample(canvas, r.width, r.height, r.kind, r.sizeChoice);
}

classset::SheetChoice sheetChoice(const SheetRequest &r)
{
    return {static_cast<int>(r.kind), r.sizeChoice, r.position};
}

void printPage(const SheetRequest &r, TPrinter &printer)
{
    const std::string name = r.name.toStdString();
    if (r.kind == sheets::kSpacetime)
        spacetime::printSpacetimePage(printer, r.position, name);
    else
        gridpaper::printGridPage(printer, r.kind, r.sizeChoice, name);
}

// A --paper page lies on its whole sheet; a --page page is the whole file.
std::unique_ptr<FilePrintTarget> fileTarget(const SheetRequest &r, PageFormat format, QIODevice &out)
{
    if (r.paper)
        return std::make_unique<FilePrintTarget>(format, &out, *r.paper);
    return std::make_unique<FilePrintTarget>(format, &out, r.width, r.height, r.dpi);
}

std::unique_ptr<PrintTarget> makeTarget(const SheetRequest &r, QIODevice &out, std::ostream &trace)
{
    if (r.format == Format::Trace)
        return std::make_unique<TracePrintTarget>(trace, r.width, r.height, r.dpi);
    return fileTarget(r, pageFormat(r.format), out);
}

void writeAll(QIODevice &out, const std::string &bytes)
{
    if (out.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        throw std::runtime_error(out.errorString().toStdString());
}

// The sample is drawn straight on its surface with a new canvas, as the window
// draws it the first time.
void renderSample(const SheetRequest &r, QIODevice &out)
{
    if (r.format == Format::Trace) {
        std::ostringstream trace;
        TraceSurface surface(trace, r.width, r.height);
        TCanvas canvas(&surface);
        drawSample(r, canvas);
        writeAll(out, trace.str());
        return;
    }
    FilePrintTarget target(pageFormat(r.format), &out, r.width, r.height, r.dpi);
    TCanvas canvas(&target.beginDocument());
    drawSample(r, canvas);
    target.endDocument();
}

void renderPage(const SheetRequest &r, QIODevice &out)
{
    std::ostringstream trace;
    TPrinter printer(makeTarget(r, out, trace));
    printPage(r, printer);
    if (r.format == Format::Trace)
        writeAll(out, trace.str());
}

} // namespace

void renderClassSet(const SheetRequest &request, QIODevice &out)
{
    TPrinter printer(fileTarget(request, PageFormat::Pdf, out));
    classset::printClassSet(printer, sheetChoice(request), request.names);
}

void renderSheet(const SheetRequest &request, QIODevice &out)
{
    if (request.sample)
        renderSample(request, out);
    else
        renderPage(request, out);
}

} // namespace gridora::cli

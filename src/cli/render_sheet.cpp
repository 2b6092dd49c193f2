#include "render_sheet.h"

#include "class_set.h"
#include "file_targets.h"
#include "kinds.h"
#include "printer.h"
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

kinds::SheetChoice sheetChoice(const SheetRequest &r)
{
    return {r.kind, r.sizeChoice, r.position};
}

void drawSample(const SheetRequest &r, TCanvas &canvas)
{
    kinds::SampleArea area;
    area.width = r.width;
    area.height = r.height;
    kinds::drawSample(canvas, area, sheetChoice(r));
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
    kinds::printPage(printer, sheetChoice(r), r.name.toStdString());
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

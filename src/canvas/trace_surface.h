#pragma once
// A surface that draws nothing and writes down every call, one line each:
//   surface W H | begindoc | newpage | moveto X Y | lineto X Y PEN | rect X1 Y1 X2 Y2 PEN #brush
//   | text X Y SIZE "TEXT" | copyrect DX1 DY1 DX2 DY2 SX1 SY1 SX2 SY2 | enddoc
// where PEN is #rrggbb/WIDTH/solid|dot. Tests compare sheets through it.

#include "canvas.h"
#include "printer.h"

#include <ostream>
#include <string>

namespace gridora {

class TraceSurface : public Surface {
public:
    /// Writes the "surface W H" line at once. `dpi` is not written: it only
    /// answers a sheet that lays text out by its size in pixels.
    TraceSurface(std::ostream &out, int width, int height, int dpi = 96);

    int width() const override { return width_; }
    int height() const override { return height_; }
    int dpi() const override { return dpi_; }

    void moveTo(TPoint at) override;
    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override;
    void rectangle(const TRect &rect, const TPen &pen, const TBrush &brush) override;
    void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override;
    void copyRect(const TRect &dest, const Surface &from, const TRect &source) override;

    /// For the lines a printer writes around a page.
    void writeLine(const std::string &line);

private:
    std::ostream &out_;
    int width_;
    int height_;
    int dpi_;
};

/// A printer target that records each document as a trace.
class TracePrintTarget : public PrintTarget {
public:
    /// A page at `dpi`, 600 unless given, as gridora-sheet's pages are.
    TracePrintTarget(std::ostream &out, int pageWidth, int pageHeight, int dpi = 600);
    ~TracePrintTarget() override;

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    Surface &beginDocument() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;

private:
    std::ostream &out_;
    int width_;
    int height_;
    int dpi_;
    std::unique_ptr<TraceSurface> page_;
};

/// "#rrggbb", lower case.
std::string colourText(TColor colour);
/// A JSON string literal: quotes, backslashes and control characters escaped,
/// everything else (UTF-8 included) as it is.
std::string jsonQuoted(const std::string &text);

} // namespace gridora

#pragma once
// A printed page for the browser, as a list of painting operations that its
// JavaScript turns into SVG (to print) and PDF (to download). Lines come here
// clipped to the page, as the desktop's painter clips them, so the browser
// never sees end points hundreds of thousands of pixels away and a dotted
// line keeps the phase it has on the desktop. One operation a line (a
// line op is solid, or dotted and wider than a pixel):
//
//   line X1 Y1 X2 Y2 #rrggbb WIDTH solid|dot PHASE #brush
//        the line to stroke, in device pixels (decimals), already on the
//        pixels the raster sets (a one-pixel line through their middles);
//        PHASE is where the clipped line starts in the dot pattern, in pen
//        widths (0 <= PHASE < 3)
//   pixels X Y x|y +|- FIRST #pen #gap MOVES
//        a dotted one-pixel line, pixel by pixel as the raster sets it
//        (raster::thinLineStretch): from pixel (X, Y), one pixel further
//        along x (or y) each, and one further across, down or right (+) or
//        up or left (-), where MOVES has 1 (- when the line is one pixel);
//        pixel FIRST of them (0..2) and every third after it in the pen
//        colour, the rest in the gap colour
//   fill X Y W H #rrggbb            a rectangle already inside the page, on
//                                   whole pixels; solid level and plumb
//                                   rulings come as fills
//   text X Y PIXELS "TEXT"          top-left of the text cell; TEXT as JSON,
//                                   already as it is painted (controls escaped)
//   page                            ends a page; what follows is the next one's

#include "canvas.h"
#include "printer.h"

#include <string>

namespace gridora::web {

class PaintList : public Surface {
public:
    /// A page of width × height device pixels at `dpi` pixels per inch.
    PaintList(int width, int height, int dpi);

    int width() const override { return width_; }
    int height() const override { return height_; }
    int dpi() const override { return dpi_; }

    void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) override;
    void rectangle(const TRect &rect, const TPen &pen, const TBrush &brush) override;
    void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override;
    /// The printed pages copy nothing; a copy paints nothing here.
    void copyRect(const TRect &, const Surface &, const TRect &) override {}

    /// Ends the page: later operations are the next page's.
    void endPage() { out_ += "page\n"; }

    const std::string &operations() const { return out_; }

private:
    void fillVisible(long long left, long long top, long long right, long long bottom, TColor colour);

    int width_;
    int height_;
    int dpi_;
    std::string out_;
};

/// A printer's document of any number of pages as one paint list.
class PaintListTarget : public PrintTarget {
public:
    PaintListTarget(int width, int height, int dpi) : list_(width, height, dpi) {}

    int pageWidth() const override { return list_.width(); }
    int pageHeight() const override { return list_.height(); }
    Surface &beginDocument() override { return list_; }
    void newPage() override { list_.endPage(); }
    void endDocument() override {}
    void abortDocument() override {}

    const std::string &operations() const { return list_.operations(); }

private:
    PaintList list_;
};

} // namespace gridora::web

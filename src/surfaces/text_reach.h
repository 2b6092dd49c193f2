#pragma once
// A page that paints nothing and measures how far its text reaches, in the
// face a painted page uses: a name too long for the page is found before the
// page is printed.

#include "printer.h"

namespace gridora {

class TextReachTarget : public PrintTarget {
public:
    /// A page of `width` × `height` device pixels at `dpi`.
    TextReachTarget(int width, int height, int dpi);

    int pageWidth() const override { return surface_.width(); }
    int pageHeight() const override { return surface_.height(); }
    Surface &beginDocument() override;
    void newPage() override {}
    void endDocument() override {}
    void abortDocument() override {}

    /// The column just right of the furthest text of the page begun last; 0
    /// with no text.
    long long reach() const { return surface_.reach; }

private:
    struct Measuring : Surface {
        int width_ = 0;
        int height_ = 0;
        int dpi_ = 0;
        long long reach = 0;

        int width() const override { return width_; }
        int height() const override { return height_; }
        int dpi() const override { return dpi_; }
        void line(TPoint, TPoint, const TPen &, const TBrush &) override {}
        void rectangle(const TRect &, const TPen &, const TBrush &) override {}
        void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override;
        void copyRect(const TRect &, const Surface &, const TRect &) override {}
    };
    Measuring surface_;
};

} // namespace gridora

#include "trace_surface.h"

#include <cstdio>

namespace gridora {

std::string colourText(TColor colour)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(colour & 0xFFFFFFu));
    return buf;
}

std::string jsonQuoted(const std::string &text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\b': quoted += "\\b"; break;
        case '\f': quoted += "\\f"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                quoted += buf;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

static std::string penText(const TPen &pen)
{
    return colourText(pen.Color) + "/" + std::to_string(pen.Width) + "/" +
           (pen.Style == TPenStyle::psDot ? "dot" : "solid");
}

TraceSurface::TraceSurface(std::ostream &out, int width, int height, int dpi)
    : out_(out), width_(width), height_(height), dpi_(dpi)
{
    out_ << "surface " << width << ' ' << height << '\n';
}

void TraceSurface::writeLine(const std::string &line)
{
    out_ << line << '\n';
}

void TraceSurface::moveTo(TPoint at)
{
    out_ << "moveto " << at.X << ' ' << at.Y << '\n';
}

void TraceSurface::line(TPoint, TPoint to, const TPen &pen, const TBrush &)
{
    out_ << "lineto " << to.X << ' ' << to.Y << ' ' << penText(pen) << '\n';
}

void TraceSurface::rectangle(const TRect &r, const TPen &pen, const TBrush &brush)
{
    out_ << "rect " << r.Left << ' ' << r.Top << ' ' << r.Right << ' ' << r.Bottom << ' '
         << penText(pen) << ' ' << colourText(brush.Color) << '\n';
}

void TraceSurface::text(TPoint at, const std::string &text, const TFont &font, const TBrush &)
{
    out_ << "text " << at.X << ' ' << at.Y << ' ' << font.Size << ' ' << jsonQuoted(text) << '\n';
}

void TraceSurface::copyRect(const TRect &d, const Surface &, const TRect &s)
{
    out_ << "copyrect " << d.Left << ' ' << d.Top << ' ' << d.Right << ' ' << d.Bottom << ' '
         << s.Left << ' ' << s.Top << ' ' << s.Right << ' ' << s.Bottom << '\n';
}

TracePrintTarget::TracePrintTarget(std::ostream &out, int pageWidth, int pageHeight, int dpi)
    : out_(out), width_(pageWidth), height_(pageHeight), dpi_(dpi)
{
}

TracePrintTarget::~TracePrintTarget() = default;

Surface &TracePrintTarget::beginDocument()
{
    page_ = std::make_unique<TraceSurface>(out_, width_, height_, dpi_);
    page_->writeLine("begindoc");
    return *page_;
}

void TracePrintTarget::newPage()
{
    if (page_)
        page_->writeLine("newpage");
}

void TracePrintTarget::endDocument()
{
    if (page_)
        page_->writeLine("enddoc");
    page_.reset();
    out_.flush();
}

void TracePrintTarget::abortDocument()
{
    page_.reset();
}

} // namespace gridora

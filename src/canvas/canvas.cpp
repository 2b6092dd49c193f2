#include "canvas.h"

#include <stdexcept>

namespace gridora {

Surface &TCanvas::target() const
{
    if (!surface_)
        throw std::logic_error("canvas has no surface to draw on");
    return *surface_;
}

void TCanvas::MoveTo(int X, int Y)
{
    penPos_ = {X, Y};
    target().moveTo(penPos_);
}

void TCanvas::LineTo(int X, int Y)
{
    const TPoint to{X, Y};
    target().line(penPos_, to, Pen, Brush);
    penPos_ = to;
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    target().rectangle({X1, Y1, X2, Y2}, Pen, Brush);
}

void TCanvas::TextOut(int X, int Y, const std::string &Text)
{
    if (Text.empty())
        return;
    target().text({X, Y}, Text, Font, Brush);
}

void TCanvas::CopyRect(const TRect &Dest, const TCanvas &Canvas, const TRect &Source)
{
    target().copyRect(Dest, Canvas.target(), Source);
}

} // namespace gridora

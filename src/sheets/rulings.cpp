#include "rulings.h"

namespace gridora::sheets {

namespace {

// Sets the pen for ruling i and returns its tick.
int penFor(TCanvas &canvas, const LinearRulings &rulings, int i)
{
    const bool heavy = isHeavyRuling(i);
    canvas.Pen.Width = heavy ? rulings.heavyWidth : 1;
    return heavy ? rulings.heavyTick : 0;
}

} // namespace

void drawVerticalRulings(TCanvas &canvas, const LinearRulings &rulings, int left, int bottom, int top)
{
    for (int i = 0; i <= rulings.last; ++i) {
        const int tick = penFor(canvas, rulings, i);
        const int x = left + rulings.offset(i);
        canvas.MoveTo(x, bottom + tick);
        canvas.LineTo(x, top);
    }
}

void drawHorizontalRulings(TCanvas &canvas, const LinearRulings &rulings, int bottom, int left, int right)
{
    for (int i = 0; i <= rulings.last; ++i) {
        const int tick = penFor(canvas, rulings, i);
        const int y = bottom - rulings.offset(i);
        canvas.MoveTo(left - tick, y);
        canvas.LineTo(right, y);
    }
}

} // namespace gridora::sheets

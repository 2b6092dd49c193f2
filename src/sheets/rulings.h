#pragma once
// The evenly spaced linear rulings of every sheet, every fifth one heavy: the
// grid paper's columns and rows and the spacetime paper's rest-frame grid, on
// the samples and on the pages alike.

#include "canvas.h"

namespace gridora::sheets {

/// Every fifth linear ruling is heavy, the first one included.
constexpr bool isHeavyRuling(int i)
{
    return i % 5 == 0;
}

/// A family of rulings i = 0..last, the i-th trunc(i × span / cells) pixels
/// from the first. A heavy ruling is drawn heavyWidth pixels wide and runs
/// heavyTick pixels past the edge it starts from; the others are 1 pixel wide
/// and start on that edge.
struct LinearRulings {
    int last;
    int span;
    int cells;
    int heavyWidth;
    int heavyTick = 0;

    int offset(int i) const { return i * span / cells; }
};

/// Left to right from x = left; each from the bottom edge (lowered by the tick)
/// up to top.
void drawVerticalRulings(TCanvas &canvas, const LinearRulings &rulings, int left, int bottom, int top);

/// Bottom to top from y = bottom; each from the left edge (less the tick) to right.
void drawHorizontalRulings(TCanvas &canvas, const LinearRulings &rulings, int bottom, int left, int right);

} // namespace gridora::sheets

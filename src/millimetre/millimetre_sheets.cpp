#include "millimetre_sheets.h"

#include "sheet_constants.h"

#include <algorithm>

namespace gridora::millimetre {

namespace {

enum Weight { kMillimetre, kFiveMillimetres, kCentimetre };

Weight weightOf(int k)
{
    return k % 10 == 0 ? kCentimetre : k % 5 == 0 ? kFiveMillimetres : kMillimetre;
}

// Millimetres between neighbouring rulings of each weight.
constexpr int kSpacingMm[] = {1, 5, 10};

// Pen widths of 1/300, 1/150 and 1/75 inch (0.085, 0.17 and 0.34 mm), rounded
// to whole pixels but at least 1, 2 and 3: each weight twice the one below
// from 300 dpi up, so the three stay apart on every printer.
constexpr int kWidthIn300ths[] = {1, 2, 4};
constexpr int kLeastWidth[] = {1, 2, 3};

int penWidth(Weight weight, int dpi)
{
    return std::max(kLeastWidth[weight], (kWidthIn300ths[weight] * dpi + 150) / 300);
}

// Rulings closer than 2 pixels would merge into a grey band.
bool drawnAt(Weight weight, int dpi)
{
    return 10LL * kSpacingMm[weight] * dpi >= 2 * 254;
}

// Ruling k's distance from the first, in whole pixels: trunc(k mm × dpi / 25.4 mm).
int rulingOffset(int k, int dpi)
{
    return static_cast<int>(10LL * k * dpi / 254);
}

// The most whole centimetres whose rulings, the outer ones at full width,
// fit in `room` pixels: the largest n with trunc(100 n dpi / 254) + w <= room,
// that is 100 n dpi < 254 (room - w + 1). Negative when not even one ruling fits.
int centimetresIn(int room, int heavyWidth, int dpi)
{
    const long long free = static_cast<long long>(room) - heavyWidth;
    if (free < 0)
        return -1;
    return static_cast<int>((254 * (free + 1) - 1) / (100LL * dpi));
}

// A grid of whole centimetres; (left, top) is the sheet's origin.
struct Grid {
    int left = 0;
    int top = 0;
    int across = 0; // centimetres
    int down = 0;
    int dpi = 0;
};

// The grid centred in the box [x, x + width) × [y, y + height), every pixel of
// its outer rulings inside it. Empty (no centimetre) when it holds none.
Grid gridIn(int x, int y, int width, int height, int dpi)
{
    if (!drawnAt(kCentimetre, dpi))
        return {};
    const int w = penWidth(kCentimetre, dpi);
    Grid grid{0, 0, centimetresIn(width, w, dpi), centimetresIn(height, w, dpi), dpi};
    if (grid.across < 1 || grid.down < 1)
        return {};
    // A ruling at x covers x - w/2 ... x + (w - 1)/2: the slack is shared out,
    // the odd pixel right of and below the grid.
    grid.left = x + w / 2 + (width - w - rulingOffset(10 * grid.across, dpi)) / 2;
    grid.top = y + w / 2 + (height - w - rulingOffset(10 * grid.down, dpi)) / 2;
    return grid;
}

// Left to right, then top to bottom, each ruling across the whole grid.
void drawRulings(TCanvas &canvas, const Grid &grid)
{
    if (grid.across < 1)
        return;
    canvas.Pen = TPen{}; // black and solid; each ruling sets its width
    const int right = grid.left + rulingOffset(10 * grid.across, grid.dpi);
    const int bottom = grid.top + rulingOffset(10 * grid.down, grid.dpi);
    const auto rule = [&](int k, auto draw) {
        const Weight weight = weightOf(k);
        if (!drawnAt(weight, grid.dpi))
            return;
        canvas.Pen.Width = penWidth(weight, grid.dpi);
        draw(rulingOffset(k, grid.dpi));
    };
    for (int k = 0; k <= 10 * grid.across; ++k)
        rule(k, [&](int offset) {
            canvas.MoveTo(grid.left + offset, grid.top);
            canvas.LineTo(grid.left + offset, bottom);
        });
    for (int k = 0; k <= 10 * grid.down; ++k)
        rule(k, [&](int offset) {
            canvas.MoveTo(grid.left, grid.top + offset);
            canvas.LineTo(right, grid.top + offset);
        });
}

// The bottom of the name's line, which no ruling may cross, with or without a
// name, so that the grid stands still: the cell starts 10 pixels in, and no
// letter reaches one and a half times the size below that (the pages' faces'
// lines are 1.12 and 1.16 em high, other scripts' fallback faces' up to about
// 1.45 em), the size in pixels rounded as the surfaces round it.
constexpr int kNameCorner = 10;
constexpr int kNamePoints = 12;

int nameLineBottom(int dpi)
{
    const int px = std::max(1, (kNamePoints * dpi + 36) / 72);
    return kNameCorner + (3 * px + 1) / 2;
}

} // namespace

void drawMillimetreSample(TCanvas &canvas, int width, int height)
{
    canvas.Pen = TPen{clWhite, 1, TPenStyle::psSolid};
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(0, 0, width, height);
    const int m = sheets::kSampleMargin;
    drawRulings(canvas, gridIn(m, m, width - 2 * m, height - 2 * m, kSampleDpi));
    canvas.Pen = TPen{};
}

void drawMillimetrePage(TPrinter &printer, const std::string &name)
{
    TCanvas &canvas = printer.Canvas();
    const int dpi = canvas.PixelsPerInch();
    canvas.Brush.Color = clWhite; // behind the name
    canvas.Font.Size = kNamePoints;
    canvas.TextOut(kNameCorner, kNameCorner, name);
    const int top = nameLineBottom(dpi);
    drawRulings(canvas, gridIn(0, top, printer.PageWidth(), printer.PageHeight() - top, dpi));
    canvas.Pen = TPen{};
}

} // namespace gridora::millimetre

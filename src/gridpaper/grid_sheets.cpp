#include "grid_sheets.h"

#include "exact.h"
#include "rulings.h"
#include "sheet_constants.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

namespace gridora::gridpaper {

namespace {

using sheets::kSampleMargin;

constexpr int kColumns = 50; // linear columns across: 51 vertical rulings
constexpr int kRows = 75;    // linear rows down, "Squared" only: 76 rulings

bool isWholeMark(int v) { return v % 100 == 0; }
bool isHalfMark(int v) { return v % 50 == 0; }

// A logarithmic axis of D decades over E pixels, its bottom (or left) end at
// offset 0. Offsets are whole pixels from that end.
struct LogAxis {
    int E;
    int D;
    int offset(int decade, int v) const
    {
        return static_cast<int>(exact::truncLogOffset(E, D, decade, v));
    }
};

// ------------------------------------------------------- walking a decade

// A rung of the spacing test: a unit shorter than `below` pixels is cut with
// `step`. The rungs are tried coarsest first.
struct Rung {
    int below;
    int step;
};

// How the sample and the page walk a decade: everything in which they differ.
struct DecadeRules {
    std::span<const Rung> ladder;
    int finestStep;      // for a unit no rung holds
    int firstStep;       // of the unit from 1 to 2; 0 when the spacing test chooses it
    bool measuredAcross; // every unit measured on the width-based decade length,
                         // whichever axis it divides; else on its own axis
    int wholeWidth;      // pen width at the whole marks 1 to 10
    int halfWidth;       // pen width at the half marks; 1 is every other mark's
};

constexpr Rung kSampleLadder[] = {{10, 50}, {20, 25}, {50, 10}};
constexpr DecadeRules kSampleDecade{.ladder = kSampleLadder,
                                    .finestStep = 5,
                                    .firstStep = 0,
                                    .measuredAcross = false,
                                    .wholeWidth = 2,
                                    .halfWidth = 1};

constexpr Rung kPageLadder[] = {{100, 50}, {200, 25}, {400, 20}, {600, 10}};
constexpr DecadeRules kPageDecade{.ladder = kPageLadder,
                                  .finestStep = 5,
                                  .firstStep = 5,
                                  .measuredAcross = true,
                                  .wholeWidth = 4,
                                  .halfWidth = 2};

// The step for the unit from v/100 to v/100 + 1, by its length measured on
// `measure`.
int spacingStep(const DecadeRules &rules, const LogAxis &measure, int v)
{
    const int u = v / 100;
    for (const Rung &rung : rules.ladder)
        if (!exact::logLengthAtLeast(measure.E, measure.D, u + 1, u, rung.below))
            return rung.step;
    return rules.finestStep;
}

// Walks the marks v = 100..1000 of every decade of `axis`, the bottom (or
// left) one first, with the pen width each mark gets, re-choosing the step at
// every whole mark. gridWidth is the width of the grid the axis belongs to.
// penWidth is the width the walk sets (a canvas's pen, say); mark(d, v) draws
// one mark with it.
template <class DrawMark>
void walkDecades(int &penWidth, const DecadeRules &rules, const LogAxis &axis, int gridWidth, DrawMark mark)
{
    const LogAxis measure = rules.measuredAcross ? LogAxis{gridWidth, axis.D} : axis;
    for (int d = 0; d < axis.D; ++d) {
        penWidth = rules.wholeWidth;
        int v = 100;
        int s = rules.firstStep != 0 ? rules.firstStep : spacingStep(rules, measure, v);
        while (v <= 1000) {
            mark(d, v);
            penWidth = 1;
            v += s;
            if (isHalfMark(v))
                penWidth = rules.halfWidth;
            if (isWholeMark(v)) {
                penWidth = rules.wholeWidth;
                s = spacingStep(rules, measure, v);
            }
        }
    }
}

// ---------------------------------------------------------------- the sample

sheets::LinearRulings sampleColumns(int W)
{
    return {kColumns, W - 2 * kSampleMargin, kColumns, 2};
}

sheets::LinearRulings sampleRows(int H)
{
    return {kRows, H - 2 * kSampleMargin, kRows, 2};
}

void sampleDecades(TCanvas &canvas, int W, int T, const LogAxis &axis, bool verticalsToo)
{
    walkDecades(canvas.Pen.Width, kSampleDecade, axis, W - 2 * kSampleMargin, [&](int d, int v) {
        const int o = axis.offset(d, v);
        canvas.MoveTo(kSampleMargin, T + axis.E - o);
        canvas.LineTo(W - kSampleMargin, T + axis.E - o);
        if (verticalsToo) {
            canvas.MoveTo(kSampleMargin + o, T);
            canvas.LineTo(kSampleMargin + o, T + axis.E);
        }
    });
}

// ---------------------------------------------------------------- the page

struct PageFrame {
    int PW, PH;
    int M;  // margin on every side, from the width alone
    int W;  // width of every grid
    int H;  // height of the "Squared" and "Semi log" grids
    int Yb; // bottom edge of those grids

    static PageFrame of(const TPrinter &printer)
    {
        PageFrame f{};
        f.PW = printer.PageWidth();
        f.PH = printer.PageHeight();
        f.M = sheets::pageMargin(f.PW);
        f.W = f.PW - 2 * f.M;
        f.H = f.PH - 2 * f.M;
        f.Yb = f.PH - f.M;
        return f;
    }
};

// A heavy linear ruling of the page runs 10 px past the bottom or left edge.
sheets::LinearRulings pageColumns(const PageFrame &f)
{
    return {kColumns, f.W, kColumns, 4, 10};
}

sheets::LinearRulings pageRows(const PageFrame &f)
{
    return {kRows, f.H, kRows, 4, 10};
}

// ------------------------------------------------------ the scale labels
//
// A label is written on an opaque cell before its ruling, so its cell wipes
// whatever earlier rulings it covers: the grid's left border and the ticks of
// the marks just below it. The labels stand at x = M − 50 while every one of
// them clears those; where one would not (the cell grows with the resolution,
// the 50 pixels do not), the whole column moves left until its widest label,
// "10", ends left of the longest tick. One column for all, so the "1" of a
// decade still covers just the "1" of the "10" below it.

constexpr int kLabelPoints = 5;
constexpr int kLabelOffset = 50;  // the labels' column, left of the grid

// The cell of a label in the pages' face, Liberation Sans (Arial's metrics):
// each digit 1139/2048 of the size wide, the cell 2288/2048 high, with the
// size in pixels rounded as the surfaces round it. Rounded up: an upper bound.
struct LabelCell {
    int width;
    int height;
};

LabelCell labelCell(int digits, int dpi)
{
    const long long px = std::max(1L, std::lround(kLabelPoints * dpi / 72.0));
    return {static_cast<int>((digits * 1139 * px + 2047) / 2048), static_cast<int>((2288 * px + 2047) / 2048)};
}

// The first column a horizontal ruling of pen width w paints left of the
// grid: its tick of 5 × (w − 1) pixels, and its square cap w/2 past that.
int leftmostColumn(int M, int w) { return M - 5 * (w - 1) - w / 2; }

struct PageRuling {
    int y;
    int width;
};

// Whether the label of mark v at y, its cell from x, wipes a pixel of a ruling
// drawn before it: the left border (columns M − 2 on), or the tick of a mark
// below within its rows. A ruling on the label's own y does not count: the
// label's own heavy ruling paints it again right after.
bool labelWipes(int x, int y, const LabelCell &cell, int M, const std::vector<PageRuling> &before)
{
    const int right = x + cell.width;
    if (right > M - 2)
        return true;
    for (const PageRuling &r : before) {
        const int top = r.y - r.width / 2, bottom = top + r.width; // rows [top, bottom)
        if (r.y != y && top < y + cell.height && bottom > y && right > leftmostColumn(M, r.width))
            return true;
    }
    return false;
}

// The x of the page's left labels.
int leftLabelColumn(const PageFrame &f, int T, const LogAxis &axis, int dpi)
{
    const int designed = f.M - kLabelOffset;
    std::vector<PageRuling> before; // horizontal rulings with a tick, in drawing order
    bool fits = true;
    int w = 0; // the pen width as pageDecades's walk sets it
    walkDecades(w, kPageDecade, axis, f.W, [&](int d, int v) {
        const int y = T + axis.E - axis.offset(d, v);
        if (w == 4)
            fits = fits && !labelWipes(designed, y, labelCell(v == 1000 ? 2 : 1, dpi), f.M, before);
        if (w > 1)
            before.push_back({y, w});
    });
    if (fits)
        return designed;
    return leftmostColumn(f.M, 4) - labelCell(2, dpi).width;
}

// One mark of the logarithmic page: its tick and label follow the pen width
// the canvas holds, so a whole mark (width 4) is labelled and ticked 15 px.
void pageMark(TCanvas &canvas, const PageFrame &f, int T, const LogAxis &axis, bool verticalsToo,
              int d, int v, int labelX)
{
    const int w = canvas.Pen.Width;
    const int tick = 5 * (w - 1);
    const int o = axis.offset(d, v);
    const int y = T + axis.E - o;
    const std::string label = std::to_string(v / 100);
    if (w == 4)
        canvas.TextOut(labelX, y, label);
    canvas.MoveTo(f.M - tick, y);
    canvas.LineTo(f.M + f.W, y);
    if (verticalsToo) {
        const int x = f.M + o;
        if (w == 4)
            canvas.TextOut(x, T + axis.E + tick + 10, label);
        canvas.MoveTo(x, T);
        canvas.LineTo(x, T + axis.E + tick);
    }
}

void pageDecades(TCanvas &canvas, const PageFrame &f, int T, const LogAxis &axis, bool verticalsToo)
{
    const int labelX = leftLabelColumn(f, T, axis, canvas.PixelsPerInch());
    walkDecades(canvas.Pen.Width, kPageDecade, axis, f.W,
                [&](int d, int v) { pageMark(canvas, f, T, axis, verticalsToo, d, v, labelX); });
}

} // namespace

void drawGridSample(TCanvas &canvas, int W, int H, int kind, int sizeChoice)
{
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(0, 0, W, H);
    canvas.Pen.Color = clBlack;

    const int c = 10 * kind + sizeChoice;
    if (c < 20)
        sheets::drawVerticalRulings(canvas, sampleColumns(W), kSampleMargin, H - kSampleMargin, kSampleMargin);
    if (c < 20 && kind == kSquared)
        sheets::drawHorizontalRulings(canvas, sampleRows(H), H - kSampleMargin, kSampleMargin, W - kSampleMargin);
    if (c < 10 || sizeChoice < 0)
        return;

    const int D = sizeChoice + 1;
    const bool log = kind == kLog;
    const int E = log ? W - 2 * kSampleMargin : H - 2 * kSampleMargin;
    const int T = log ? (H - (W - 2 * kSampleMargin)) / 2 : kSampleMargin;
    sampleDecades(canvas, W, T, LogAxis{E, D}, log);
}

void drawGridPage(TPrinter &printer, int kind, int sizeChoice, const std::string &name)
{
    TCanvas &canvas = printer.Canvas();
    canvas.Pen.Color = clBlack;
    canvas.Font.Size = 12;
    canvas.TextOut(10, 10, name);

    const PageFrame f = PageFrame::of(printer);
    const int c = 10 * kind + sizeChoice;
    if (c < 20)
        sheets::drawVerticalRulings(canvas, pageColumns(f), f.M, f.Yb, f.M);
    if (c < 20 && kind == kSquared)
        sheets::drawHorizontalRulings(canvas, pageRows(f), f.Yb, f.M, f.M + f.W);
    if (c >= 10) {
        const bool log = kind == kLog;
        const int T = log ? (f.PH - f.W) / 2 : f.M;
        const int E = log ? f.W : f.H;
        canvas.Font.Size = kLabelPoints;
        if (sizeChoice >= 0)
            pageDecades(canvas, f, T, LogAxis{E, sizeChoice + 1}, log);
    }
}

void printGridPage(TPrinter &printer, int kind, int sizeChoice, const std::string &name)
{
    PrintJob job(printer);
    drawGridPage(printer, kind, sizeChoice, name);
    job.finish();
}

} // namespace gridora::gridpaper

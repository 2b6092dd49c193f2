#include "grid_sheets.h"

#include "exact.h"
#include "rulings.h"
#include "sheet_constants.h"

#include <span>
#include <string>

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
// mark(d, v) draws one mark with the canvas's pen.
template <class DrawMark>
void walkDecades(TCanvas &canvas, const DecadeRules &rules, const LogAxis &axis, int gridWidth, DrawMark mark)
{
    const LogAxis measure = rules.measuredAcross ? LogAxis{gridWidth, axis.D} : axis;
    for (int d = 0; d < axis.D; ++d) {
        canvas.Pen.Width = rules.wholeWidth;
        int v = 100;
        int s = rules.firstStep != 0 ? rules.firstStep : spacingStep(rules, measure, v);
        while (v <= 1000) {
            mark(d, v);
            canvas.Pen.Width = 1;
            v += s;
            if (isHalfMark(v))
                canvas.Pen.Width = rules.halfWidth;
            if (isWholeMark(v)) {
                canvas.Pen.Width = rules.wholeWidth;
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
    walkDecades(canvas, kSampleDecade, axis, W - 2 * kSampleMargin, [&](int d, int v) {
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

// One mark of the logarithmic page: its tick and label follow the pen width
// the canvas holds, so a whole mark (width 4) is labelled and ticked 15 px.
void pageMark(TCanvas &canvas, const PageFrame &f, int T, const LogAxis &axis, bool verticalsToo,
              int d, int v)
{
    const int w = canvas.Pen.Width;
    const int tick = 5 * (w - 1);
    const int o = axis.offset(d, v);
    const int y = T + axis.E - o;
    const std::string label = std::to_string(v / 100);
    if (w == 4)
        canvas.TextOut(f.M - 50, y, label);
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
    walkDecades(canvas, kPageDecade, axis, f.W,
                [&](int d, int v) { pageMark(canvas, f, T, axis, verticalsToo, d, v); });
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
    if (c < 20 && kind == sheets::kSquared)
        sheets::drawHorizontalRulings(canvas, sampleRows(H), H - kSampleMargin, kSampleMargin, W - kSampleMargin);
    if (c < 10 || sizeChoice < 0)
        return;

    const int D = sizeChoice + 1;
    const bool log = kind == sheets::kLog;
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
    if (c < 20 && kind == sheets::kSquared)
        sheets::drawHorizontalRulings(canvas, pageRows(f), f.Yb, f.M, f.M + f.W);
    if (c >= 10) {
        const bool log = kind == sheets::kLog;
        const int T = log ? (f.PH - f.W) / 2 : f.M;
        const int E = log ? f.W : f.H;
        canvas.Font.Size = 5;
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

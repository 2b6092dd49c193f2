#include "grid_sheets.h"

#include "exact.h"

#include <string>

namespace gridora::gridpaper {

namespace {

constexpr int kColumns = 50;    // linear columns across: 51 vertical rulings
constexpr int kRows = 75;       // linear rows down, "Squared" only: 76 rulings
constexpr int kBlock = 5;       // every fifth linear ruling is heavy
constexpr int kSampleMargin = 20;

bool isWholeMark(int v) { return v % 100 == 0; }

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

// The sample cuts the unit from v/100 to v/100 + 1 by its drawn length g on
// the axis being divided: g < 10 → 50, < 20 → 25, < 50 → 10, else 5.
int sampleStep(const LogAxis &axis, int v)
{
    const int u = v / 100;
    auto atLeast = [&](int t) { return exact::logLengthAtLeast(axis.E, axis.D, u + 1, u, t); };
    if (!atLeast(10))
        return 50;
    if (!atLeast(20))
        return 25;
    if (!atLeast(50))
        return 10;
    return 5;
}

// The page measures every unit against the width-based decade length W / D,
// whichever axis it divides, with thresholds 100, 200, 400 and 600 pixels.
int pageStep(int W, int D, int v)
{
    const int u = v / 100;
    auto atLeast = [&](int t) { return exact::logLengthAtLeast(W, D, u + 1, u, t); };
    if (!atLeast(100))
        return 50;
    if (!atLeast(200))
        return 25;
    if (!atLeast(400))
        return 20;
    if (!atLeast(600))
        return 10;
    return 5;
}

// ---------------------------------------------------------------- the sample

void sampleLinearVerticals(TCanvas &canvas, int W, int H)
{
    for (int i = 0; i <= kColumns; ++i) {
        canvas.Pen.Width = i % kBlock == 0 ? 2 : 1;
        const int x = kSampleMargin + i * (W - 2 * kSampleMargin) / kColumns;
        canvas.MoveTo(x, H - kSampleMargin);
        canvas.LineTo(x, kSampleMargin);
    }
}

void sampleLinearHorizontals(TCanvas &canvas, int W, int H)
{
    for (int j = 0; j <= kRows; ++j) {
        canvas.Pen.Width = j % kBlock == 0 ? 2 : 1;
        const int y = (H - kSampleMargin) - j * (H - 2 * kSampleMargin) / kRows;
        canvas.MoveTo(kSampleMargin, y);
        canvas.LineTo(W - kSampleMargin, y);
    }
}

void sampleDecades(TCanvas &canvas, int W, int T, const LogAxis &axis, bool verticalsToo)
{
    for (int d = 0; d < axis.D; ++d) {
        int v = 100;
        int s = sampleStep(axis, v);
        canvas.Pen.Width = 2;
        while (v <= 1000) {
            const int o = axis.offset(d, v);
            canvas.MoveTo(kSampleMargin, T + axis.E - o);
            canvas.LineTo(W - kSampleMargin, T + axis.E - o);
            if (verticalsToo) {
                canvas.MoveTo(kSampleMargin + o, T);
                canvas.LineTo(kSampleMargin + o, T + axis.E);
            }
            canvas.Pen.Width = 1;
            v += s;
            if (isWholeMark(v)) {
                canvas.Pen.Width = 2;
                s = sampleStep(axis, v);
            }
        }
    }
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
        f.M = 3 * f.PW / 40; // trunc(0.075 × PW), without the 0.075
        f.W = f.PW - 2 * f.M;
        f.H = f.PH - 2 * f.M;
        f.Yb = f.PH - f.M;
        return f;
    }
};

void pageLinearVerticals(TCanvas &canvas, const PageFrame &f)
{
    for (int i = 0; i <= kColumns; ++i) {
        const bool heavy = i % kBlock == 0;
        canvas.Pen.Width = heavy ? 4 : 1;
        const int tick = heavy ? 10 : 0;
        const int x = f.M + i * f.W / kColumns;
        canvas.MoveTo(x, f.Yb + tick);
        canvas.LineTo(x, f.M);
    }
}

void pageLinearHorizontals(TCanvas &canvas, const PageFrame &f)
{
    for (int j = 0; j <= kRows; ++j) {
        const bool heavy = j % kBlock == 0;
        canvas.Pen.Width = heavy ? 4 : 1;
        const int tick = heavy ? 10 : 0;
        const int y = f.Yb - j * f.H / kRows;
        canvas.MoveTo(f.M - tick, y);
        canvas.LineTo(f.M + f.W, y);
    }
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
    for (int d = 0; d < axis.D; ++d) {
        canvas.Pen.Width = 4;
        int v = 100;
        int s = 5; // the unit from 1 to 2 is always cut into twenty
        while (v <= 1000) {
            pageMark(canvas, f, T, axis, verticalsToo, d, v);
            canvas.Pen.Width = 1;
            v += s;
            if (v % 50 == 0)
                canvas.Pen.Width = 2;
            if (isWholeMark(v)) {
                canvas.Pen.Width = 4;
                s = pageStep(f.W, axis.D, v);
            }
        }
    }
}

} // namespace

void drawGridSample(TCanvas &canvas, int W, int H, int kind, int sizeChoice)
{
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(0, 0, W, H);
    canvas.Pen.Color = clBlack;

    const int c = 10 * kind + sizeChoice;
    if (c < 20)
        sampleLinearVerticals(canvas, W, H);
    if (c < 20 && kind == kSquared)
        sampleLinearHorizontals(canvas, W, H);
    if (c < 10 || sizeChoice < 0)
        return;

    const int D = sizeChoice + 1;
    const bool log = kind == kLog;
    const int E = log ? W - 2 * kSampleMargin : H - 2 * kSampleMargin;
    const int T = log ? (H - (W - 2 * kSampleMargin)) / 2 : kSampleMargin;
    sampleDecades(canvas, W, T, LogAxis{E, D}, log);
}

void printGridPage(TPrinter &printer, int kind, int sizeChoice, const std::string &name)
{
    PrintJob job(printer);
    TCanvas &canvas = printer.Canvas();
    canvas.Pen.Color = clBlack;
    canvas.Font.Size = 12;
    canvas.TextOut(10, 10, name);

    const PageFrame f = PageFrame::of(printer);
    const int c = 10 * kind + sizeChoice;
    if (c < 20)
        pageLinearVerticals(canvas, f);
    if (c < 20 && kind == kSquared)
        pageLinearHorizontals(canvas, f);
    if (c >= 10) {
        const bool log = kind == kLog;
        const int T = log ? (f.PH - f.W) / 2 : f.M;
        const int E = log ? f.W : f.H;
        canvas.Font.Size = 5;
        if (sizeChoice >= 0)
            pageDecades(canvas, f, T, LogAxis{E, sizeChoice + 1}, log);
    }
    job.finish();
}

} // namespace gridora::gridpaper

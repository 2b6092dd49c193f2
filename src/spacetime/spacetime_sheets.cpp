#include "spacetime_sheets.h"

#include "exact.h"
#include "rulings.h"
#include "sheet_constants.h"

#include <cstdint>
#include <cstdio>

namespace gridora::spacetime {

namespace {

// A frame moving at v = P/100 c. With q = √(10000 − P²) and r = √(10000 + P²):
// γ = 100/q, γ·v = P/q, cos θ = 100/r, sin θ = P/r. Every moving-frame
// coordinate is a whole number plus multiples of 1/q and 1/r, so it is
// truncated exactly through exact::SurdSum instead of atan and cos.
class MovingFrame {
public:
    explicit MovingFrame(int position)
        : P(position), Q1(10000 - std::int64_t(position) * position),
          Q2(10000 + std::int64_t(position) * position)
    {
    }

    const std::int64_t P;

    /// trunc(A + N1 / (d1·q) + N2 / r)
    int coordinate(std::int64_t A, std::int64_t N1, std::int64_t d1, std::int64_t N2) const
    {
        // Over the common denominator d1·Q1·Q2: 1/q = q/Q1 and 1/r = r/Q2.
        exact::SurdSum s;
        const std::int64_t q1 = N1 != 0 ? Q1 : 1;
        const std::int64_t q2 = N2 != 0 ? Q2 : 1;
        s.d = d1 * q1 * q2;
        s.c = A * s.d;
        s.a = N1 * q2;
        s.m = Q1;
        s.b = N2 * d1 * q1;
        s.n = Q2;
        return static_cast<int>(exact::truncate(s));
    }

    /// trunc(N / r): a length of N·cos θ / 100 (or N·sin θ / P) on its own.
    int overR(std::int64_t N) const { return coordinate(0, 0, 1, N); }

private:
    const std::int64_t Q1;
    const std::int64_t Q2;
};

using sheets::kSampleMargin;

constexpr int kSampleCells = 25;

// Every fifth moving-grid line is solid, as every fifth rest-grid line is heavy.
TPenStyle styleFor(int J)
{
    return sheets::isHeavyRuling(J) ? TPenStyle::psSolid : TPenStyle::psDot;
}

void line(TCanvas &canvas, TPoint from, TPoint to)
{
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

// Both moving axes through the origin: the x′ axis at slope v, the ct′ axis at
// slope 1/v. halfCos and halfSin are the truncated half-length × cos θ and × sin θ;
// the ct′ axis swaps them, since cos φ = sin θ.
void movingAxes(TCanvas &canvas, TPoint O, int halfCos, int halfSin)
{
    line(canvas, {O.X - halfCos, O.Y + halfSin}, {O.X + halfCos, O.Y - halfSin});
    line(canvas, {O.X - halfSin, O.Y + halfCos}, {O.X + halfSin, O.Y - halfCos});
}

// ---------------------------------------------------------------- the sample

struct SampleLayout {
    int b;  // grid side
    int Yb; // bottom line of the grid
    TPoint O;

    SampleLayout(int W, int H)
    {
        b = W - 2 * kSampleMargin;
        Yb = H - (H - b) / 2;
        const int fiveCells = 5 * b / kSampleCells;
        O = {kSampleMargin + fiveCells, Yb - fiveCells};
    }
};

// Lines of constant ct′ run through the J-th tick of the ct′ axis, parallel to
// the x′ axis, 400·k·s·J pixels each way; lines of constant x′ likewise.
void sampleMovingGrid(TCanvas &canvas, const MovingFrame &f, const SampleLayout &g)
{
    const std::int64_t P = f.P, b = g.b;
    for (int J = -20; J <= 26; ++J) {
        canvas.Pen.Style = styleFor(J);
        line(canvas,
             {f.coordinate(g.O.X, J * b * (P - 40000), 25, 0), f.coordinate(g.O.Y, 4 * J * b * (4 * P - 1), 1, 0)},
             {f.coordinate(g.O.X, J * b * (P + 40000), 25, 0), f.coordinate(g.O.Y, -4 * J * b * (4 * P + 1), 1, 0)});
    }
    for (int J = -20; J <= 26; ++J) {
        canvas.Pen.Style = styleFor(J);
        line(canvas,
             {f.coordinate(g.O.X, 4 * J * b * (1 - 4 * P), 1, 0), f.coordinate(g.O.Y, J * b * (40000 - P), 25, 0)},
             {f.coordinate(g.O.X, 4 * J * b * (1 + 4 * P), 1, 0), f.coordinate(g.O.Y, -J * b * (P + 40000), 25, 0)});
    }
}

void sampleRestGrid(TCanvas &canvas, const SampleLayout &g)
{
    const sheets::LinearRulings cells{kSampleCells, g.b, kSampleCells, 2};
    sheets::drawVerticalRulings(canvas, cells, kSampleMargin, g.Yb, g.Yb - g.b);
    sheets::drawHorizontalRulings(canvas, cells, g.Yb, kSampleMargin, kSampleMargin + g.b);
}

// ---------------------------------------------------------------- the page

struct PageLayout {
    int PW, PH;
    int h;       // line-length unit: half the page height
    int m;       // left margin
    int gw;      // grid width, 25 cells
    int tall;    // grid height, 30 cells
    int Yb;      // bottom line of the grid
    TPoint O;

    explicit PageLayout(const TPrinter &printer)
    {
        PW = printer.PageWidth();
        PH = printer.PageHeight();
        h = PH / 2;
        m = sheets::pageMargin(PW);
        gw = PW - 2 * m;
        tall = 30 * gw / 25;
        Yb = PH - (PH - tall) / 2;
        const int fiveCells = 5 * gw / 25;
        O = {m + fiveCells, Yb - fiveCells};
    }
};

// Each moving-grid line reaches 2h back and 3h ahead of its base point.
void pageMovingGrid(TCanvas &canvas, const MovingFrame &f, const PageLayout &g)
{
    const std::int64_t P = f.P, gw = g.gw, h = g.h;
    for (int J = -30; J <= 26; ++J) {
        canvas.Pen.Style = styleFor(J);
        line(canvas,
             {f.coordinate(g.O.X, J * P * gw, 25, -200 * h), f.coordinate(g.O.Y, -4 * J * gw, 1, 2 * h * P)},
             {f.coordinate(g.O.X, J * P * gw, 25, 300 * h), f.coordinate(g.O.Y, -4 * J * gw, 1, -3 * h * P)});
    }
    for (int J = -30; J <= 31; ++J) {
        canvas.Pen.Style = styleFor(J);
        line(canvas,
             {f.coordinate(g.O.X, 4 * J * gw, 1, -2 * h * P), f.coordinate(g.O.Y, -J * P * gw, 25, 200 * h)},
             {f.coordinate(g.O.X, 4 * J * gw, 1, 3 * h * P), f.coordinate(g.O.Y, -J * P * gw, 25, -300 * h)});
    }
}

// 25 columns and 30 rows of square cells, gw / 25 pixels a side.
void pageRestGrid(TCanvas &canvas, const PageLayout &g)
{
    sheets::drawVerticalRulings(canvas, {25, g.gw, 25, 5}, g.m, g.Yb, g.Yb - g.tall);
    sheets::drawHorizontalRulings(canvas, {30, g.gw, 25, 5}, g.Yb, g.m, g.m + g.gw);
}

} // namespace

std::string isolatedName(const std::string &name)
{
    // The explicit directional formatting characters in UTF-8: E2 80 AA..AE
    // are LRE RLE PDF LRO RLO, E2 81 A6..A9 are LRI RLI FSI PDI.
    bool directional = false;
    std::size_t unclosed = 0, stray = 0;
    for (std::size_t i = 0; i + 2 < name.size(); ++i) {
        const auto at = [&](std::size_t k) { return static_cast<unsigned char>(name[i + k]); };
        if (at(0) != 0xE2 || (at(1) != 0x80 && at(1) != 0x81))
            continue;
        const unsigned last = at(2);
        if (at(1) == 0x80 && last >= 0xAA && last <= 0xAE) {
            directional = true;
        } else if (at(1) == 0x81 && last >= 0xA6 && last <= 0xA8) {
            directional = true;
            ++unclosed;
        } else if (at(1) == 0x81 && last == 0xA9) {
            directional = true;
            if (unclosed > 0)
                --unclosed;
            else
                ++stray;
        }
    }
    if (!directional)
        return name;
    // A PDI closes the nearest open isolate and, with it, every embedding and
    // override begun inside. Each of the name's stray PDIs gets an FSI of its
    // own to close, so that none closes the outer one early.
    const std::string fsi = "\xE2\x81\xA8", pdi = "\xE2\x81\xA9"; // U+2068, U+2069
    std::string isolated;
    for (std::size_t k = 0; k <= stray; ++k)
        isolated += fsi;
    isolated += name;
    for (std::size_t k = 0; k <= unclosed; ++k)
        isolated += pdi;
    return isolated;
}

std::string velocityLine(const std::string &name, int position, const std::string &decimalSeparator)
{
    char hundredths[8];
    std::snprintf(hundredths, sizeof hundredths, "%02d", position % 100);
    return isolatedName(name) + "   v = " + std::to_string(position / 100) + decimalSeparator + hundredths + " c";
}

void drawSpacetimeSample(TCanvas &canvas, int W, int H, int position, int windowWidth, int windowHeight)
{
    canvas.Rectangle(0, 0, windowWidth, windowHeight);
    const MovingFrame f(position);
    const SampleLayout g(W, H);

    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = 2;
    movingAxes(canvas, g.O, f.overR(40000), f.overR(400 * f.P));

    canvas.Pen.Width = 1;
    sampleMovingGrid(canvas, f, g);

    canvas.Pen.Color = clGray;
    canvas.Pen.Style = TPenStyle::psSolid;
    sampleRestGrid(canvas, g);

    // Everything outside the grid is masked white; the pen stays 2 wide.
    canvas.Pen.Color = clWhite;
    canvas.Rectangle(0, 0, kSampleMargin, H);
    canvas.Rectangle(kSampleMargin, g.Yb + 1, W, H);
    canvas.Rectangle(kSampleMargin + 1 + g.b, 0, W, H);
    canvas.Rectangle(0, 0, W, g.Yb - g.b);
}

void drawSpacetimePage(TPrinter &printer, int position, const std::string &name, const std::string &decimalSeparator)
{
    TCanvas &canvas = printer.Canvas();
    const PageLayout g(printer);
    canvas.Pen.Color = clWhite;
    canvas.Rectangle(0, 0, g.PW, g.PH);

    const MovingFrame f(position);
    canvas.Pen.Color = clBlack;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = 6;
    movingAxes(canvas, g.O, f.overR(200 * std::int64_t(g.h)), f.overR(2 * std::int64_t(g.h) * f.P));

    canvas.Pen.Width = 1;
    pageMovingGrid(canvas, f, g);

    canvas.Pen.Color = clGray;
    canvas.Pen.Style = TPenStyle::psSolid;
    pageRestGrid(canvas, g);

    // The rest frame's own axes, black, through the origin.
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 6;
    line(canvas, {g.O.X, g.Yb}, {g.O.X, g.Yb - g.tall});
    line(canvas, {g.m, g.O.Y}, {g.m + g.gw, g.O.Y});

    // Everything outside the grid's painted lines is masked white, the name
    // line comes after. The 5-pixel outer lines cover 2 pixels either side
    // of their rulings, so the masks reach to 2 pixels off them: the one
    // below the grid from the left mask's edge, the one above it down to the
    // top line's edge.
    canvas.Pen.Color = clWhite;
    canvas.Rectangle(0, 0, g.m - 2, g.PH);
    canvas.Rectangle(g.m - 2, g.Yb + 3, g.PW, g.PH);
    canvas.Rectangle(g.m + g.gw + 2, 0, g.PW, g.PH);
    canvas.Rectangle(0, 0, g.PW, g.Yb - g.tall - 2);

    canvas.Font.Size = 12;
    canvas.TextOut(10, 10, velocityLine(name, position, decimalSeparator));
}

void printSpacetimePage(TPrinter &printer, int position, const std::string &name,
                        const std::string &decimalSeparator)
{
    PrintJob job(printer);
    drawSpacetimePage(printer, position, name, decimalSeparator);
    job.finish();
}

} // namespace gridora::spacetime

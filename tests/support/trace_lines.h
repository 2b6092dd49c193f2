#pragma once
// Records what a sheet draws as trace lines, and picks lines out of it.

#include "printer.h"
#include "trace_surface.h"

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace gridora::tracetest {

inline std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

/// The trace of drawing on a fresh (or the given) canvas over a w × h surface.
inline std::vector<std::string> traceOf(int w, int h, const std::function<void(TCanvas &)> &draw,
                                        TCanvas *reuse = nullptr)
{
    std::ostringstream out;
    TraceSurface surface(out, w, h);
    TCanvas fresh;
    TCanvas &canvas = reuse ? *reuse : fresh;
    canvas.setSurface(&surface);
    draw(canvas);
    canvas.setSurface(nullptr);
    return splitLines(out.str());
}

/// The trace of one printed page of w × h device pixels.
inline std::vector<std::string> traceOfPage(int w, int h, const std::function<void(TPrinter &)> &print)
{
    std::ostringstream out;
    TPrinter printer(std::make_unique<TracePrintTarget>(out, w, h));
    print(printer);
    return splitLines(out.str());
}

/// A stroke: the moveto and the lineto after it.
struct Stroke {
    int x1, y1, x2, y2;
    std::string pen; // "#rrggbb/W/style"
};

inline std::vector<Stroke> strokesOf(const std::vector<std::string> &lines)
{
    std::vector<Stroke> strokes;
    int mx = 0, my = 0;
    for (const auto &line : lines) {
        std::istringstream in(line);
        std::string op;
        in >> op;
        if (op == "moveto") {
            in >> mx >> my;
        } else if (op == "lineto") {
            Stroke s{mx, my, 0, 0, {}};
            in >> s.x2 >> s.y2 >> s.pen;
            strokes.push_back(s);
            mx = s.x2;
            my = s.y2;
        }
    }
    return strokes;
}

inline std::vector<Stroke> strokesWhere(const std::vector<Stroke> &all, const std::function<bool(const Stroke &)> &keep)
{
    std::vector<Stroke> kept;
    std::copy_if(all.begin(), all.end(), std::back_inserter(kept), keep);
    return kept;
}

inline std::vector<std::string> linesStarting(const std::vector<std::string> &lines, const std::string &prefix)
{
    std::vector<std::string> kept;
    for (const auto &line : lines)
        if (line.rfind(prefix, 0) == 0)
            kept.push_back(line);
    return kept;
}

inline int penWidth(const Stroke &s)
{
    const auto a = s.pen.find('/'), b = s.pen.rfind('/');
    return std::stoi(s.pen.substr(a + 1, b - a - 1));
}

} // namespace gridora::tracetest

#pragma once
// Records what a sheet draws as trace lines, and picks lines out of it.

#include "printer.h"
#include "trace_surface.h"

#include <algorithm>
#include <functional>
#include <optional>
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

/// What a JSON string literal (its quotes included) holds, as UTF-8, read by
/// the JSON grammar and not by the program's own quoting; empty when `quoted`
/// is no such literal (a raw control character or quote, a bad escape).
inline std::optional<std::string> jsonStringText(const std::string &quoted)
{
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return std::nullopt;
    const std::size_t end = quoted.size() - 1;
    const auto hexAt = [&](std::size_t at) -> std::optional<unsigned> {
        if (at + 4 > end)
            return std::nullopt;
        unsigned value = 0;
        for (std::size_t k = at; k < at + 4; ++k) {
            const char h = quoted[k];
            const int digit = h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10
                            : h >= 'A' && h <= 'F' ? h - 'A' + 10 : -1;
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<unsigned>(digit);
        }
        return value;
    };
    const auto appendUtf8 = [](std::string &out, unsigned cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    };
    std::string out;
    for (std::size_t i = 1; i < end; ++i) {
        const auto c = static_cast<unsigned char>(quoted[i]);
        if (c < 0x20 || c == '"')
            return std::nullopt;
        if (c != '\\') {
            out += static_cast<char>(c);
            continue;
        }
        if (++i >= end)
            return std::nullopt;
        switch (quoted[i]) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            auto unit = hexAt(i + 1);
            if (!unit)
                return std::nullopt;
            i += 4;
            unsigned cp = *unit;
            if (cp >= 0xD800 && cp < 0xDC00) { // a pair: the low half must follow
                const auto low = i + 2 < end && quoted[i + 1] == '\\' && quoted[i + 2] == 'u' ? hexAt(i + 3)
                                                                                              : std::nullopt;
                if (!low || *low < 0xDC00 || *low > 0xDFFF)
                    return std::nullopt;
                cp = 0x10000 + ((cp - 0xD800) << 10) + (*low - 0xDC00);
                i += 6;
            }
            appendUtf8(out, cp);
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

inline int penWidth(const Stroke &s)
{
    const auto a = s.pen.find('/'), b = s.pen.rfind('/');
    return std::stoi(s.pen.substr(a + 1, b - a - 1));
}

} // namespace gridora::tracetest

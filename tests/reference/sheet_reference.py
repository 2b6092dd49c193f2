#!/usr/bin/env python3
"""Exact reference traces of Gridora's five sheets.

An independent model of the grid sample, the printed grid page, the spacetime
sample, the printed spacetime page and millimetre paper's sample and page,
written with whole numbers, fractions and integer square roots only, so that
every coordinate is the exact truncation toward zero of the real value of its
formula: no floating point takes part in any decision.

As a module it offers grid_sample(), grid_page(), spacetime_sample(),
spacetime_page(), millimetre_sample() and millimetre_page(), each returning
the trace as a list of lines; the grid functions also take graph kind -1 and
size choice -1, which the command line cannot express. As a program:

    sheet_reference.py --kind squared|semilog|log|spacetime|millimetre
                       [--decades 1|2|3] [--velocity 0.60] [--name TEXT]
                       (--sample | --page WxH [--dpi N])

prints the trace on standard output, one drawing call a line:

    surface W H
    begindoc                                 (pages only)
    moveto X Y
    lineto X Y #rrggbb/WIDTH/solid|dot       (the pen at that moment)
    rect X1 Y1 X2 Y2 #rrggbb/WIDTH/solid|dot #rrggbb   (pen, brush)
    text X Y SIZE "TEXT"                     (TEXT as a JSON string)
    enddoc                                   (pages only)
"""

import argparse
import functools
import json
import math
import re
import sys
from fractions import Fraction

# The sample picture and the main window's outer size, as the window is laid out.
SAMPLE_WIDTH = 357
SAMPLE_HEIGHT = 397
WINDOW_WIDTH = 383
WINDOW_HEIGHT = 525

BLACK = 0x000000
GRAY = 0x808080
WHITE = 0xFFFFFF

KINDS = {"squared": 0, "semilog": 1, "log": 2, "spacetime": 3, "millimetre": 4}
MAX_POSITION = 90


# ---------------------------------------------------------------------------
# Exact arithmetic


def sgn(x):
    return (x > 0) - (x < 0)


def tdiv(a, b):
    """Whole-number division truncating toward zero (Python's // floors)."""
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b > 0) else -q


def _sign_root(r, t, k):
    """Sign of r + t*sqrt(k), r and t rational, k a whole number >= 0."""
    sr = sgn(r)
    st = sgn(t) if k > 0 else 0
    if st == 0:
        return sr
    if sr == 0 or sr == st:
        return st
    # Opposite signs: the term with the larger square wins.
    return sr * sgn(r * r - t * t * k)


def sign_surd(a, p, m, q=0, n=0):
    """Sign of a + p*sqrt(m) + q*sqrt(n), with a, p, q rational, m, n whole >= 0."""
    sp = sgn(p) if m > 0 else 0
    sq = sgn(q) if n > 0 else 0
    if sp == 0:
        return _sign_root(a, q, n)
    if sq == 0:
        return _sign_root(a, p, m)
    # Sign of the root part R = p*sqrt(m) + q*sqrt(n).
    sr = sp if sp == sq else sp * sgn(p * p * m - q * q * n)
    sa = sgn(a)
    if sr == 0:
        return sa
    if sa == 0 or sa == sr:
        return sr
    # R and a of opposite signs: compare R^2 = p^2 m + q^2 n + 2pq sqrt(mn) with a^2.
    return sr * _sign_root(p * p * m + q * q * n - a * a, 2 * p * q, m * n)


def _approx_sqrt(m, bits=64):
    return Fraction(math.isqrt(m << (2 * bits)), 1 << bits)


def floor_surd(a, p, m, q=0, n=0):
    """floor(a + p*sqrt(m) + q*sqrt(n)), exactly."""
    a, p, q = Fraction(a), Fraction(p), Fraction(q)
    guess = math.floor(a + p * _approx_sqrt(m) + q * _approx_sqrt(n))
    # The guess is off by at most one; the exact sign tests settle it.
    for _ in range(4):
        if sign_surd(a - guess, p, m, q, n) < 0:
            guess -= 1
        elif sign_surd(a - (guess + 1), p, m, q, n) >= 0:
            guess += 1
        else:
            return guess
    raise ArithmeticError("floor of %s + %s*sqrt(%d) + %s*sqrt(%d) not settled" % (a, p, m, q, n))


def trunc_surd(a, p, m, q=0, n=0):
    """trunc(a + p*sqrt(m) + q*sqrt(n)), toward zero, exactly."""
    f = floor_surd(a, p, m, q, n)
    if f >= 0:
        return f
    # The value is negative: trunc is its ceiling.
    return f if sign_surd(Fraction(a) - f, p, m, q, n) == 0 else f + 1


def floor_log10_int(x):
    """(floor(log10 x), whether x is a power of ten) for a whole number x >= 1."""
    m = (x.bit_length() - 1) * 30103 // 100000  # never above log10 x
    p = 10 ** m
    while p * 10 <= x:
        p *= 10
        m += 1
    while p > x:
        p //= 10
        m -= 1
    return m, p == x


@functools.lru_cache(maxsize=8192)
def floor_e_log10(v, e):
    """(floor(e * log10 v), whether e * log10 v is whole) for whole v >= 1 and any whole e."""
    m, exact = floor_log10_int(v ** abs(e))
    if e >= 0:
        return m, exact
    return (-m, True) if exact else (-m - 1, False)


def log10_ratio_at_least(e, num, den, c):
    """Whether e * log10(num / den) >= c, for whole e, c and num, den >= 1."""
    if e >= 0:
        top, bottom = num ** e, den ** e
    else:
        top, bottom = den ** -e, num ** -e
    # top / bottom >= 10^c
    if c >= 0:
        return top >= bottom * 10 ** c
    return top * 10 ** -c >= bottom


def log_offset(e, d, decades, v):
    """trunc(e * (d + log10(v / 100)) / decades): the offset of the mark v in decade d
    of an axis e pixels long (e may be negative on odd page shapes)."""
    m, exact = floor_e_log10(v, e)
    whole = e * (d - 2) + m  # floor(e * (d - 2 + log10 v))
    f = whole // decades
    if f >= 0:
        return f
    is_whole = exact and whole % decades == 0
    return f if is_whole else f + 1


# ---------------------------------------------------------------------------
# The recording canvas


class TraceCanvas:
    """Writes one line per drawing call; pen, brush and font settings write nothing.
    Starts as a fresh canvas: black solid pen 1 pixel wide, white brush, 8 points."""

    def __init__(self, width, height, document=False):
        self.lines = ["surface %d %d" % (width, height)]
        self.pen_color = BLACK
        self.pen_width = 1
        self.pen_style = "solid"
        self.brush_color = WHITE
        self.font_size = 8
        if document:
            self.lines.append("begindoc")

    def _pen(self):
        return "#%06x/%d/%s" % (self.pen_color, self.pen_width, self.pen_style)

    def move_to(self, x, y):
        self.lines.append("moveto %d %d" % (x, y))

    def line_to(self, x, y):
        self.lines.append("lineto %d %d %s" % (x, y, self._pen()))

    def segment(self, x1, y1, x2, y2):
        self.move_to(x1, y1)
        self.line_to(x2, y2)

    def rectangle(self, x1, y1, x2, y2):
        self.lines.append("rect %d %d %d %d %s #%06x" % (x1, y1, x2, y2, self._pen(), self.brush_color))

    def text_out(self, x, y, text):
        if text:
            self.lines.append("text %d %d %d %s" % (x, y, self.font_size, json.dumps(text, ensure_ascii=False)))

    def end_doc(self):
        self.lines.append("enddoc")


# ---------------------------------------------------------------------------
# Grid paper


def _check_grid_inputs(kind, size_choice):
    if kind not in (-1, 0, 1, 2):
        raise ValueError("graph kind must be -1, 0, 1 or 2, not %r" % (kind,))
    if size_choice not in (-1, 0, 1, 2):
        raise ValueError("size choice must be -1, 0, 1 or 2, not %r" % (size_choice,))


def sample_step(e, decades, num, den):
    """Step of the mark value in a unit of the sample whose drawn length is
    (e / decades) * log10(num / den) pixels: finer from 10, 20 and 50 pixels on."""
    if log10_ratio_at_least(e, num, den, 50 * decades):
        return 5
    if log10_ratio_at_least(e, num, den, 20 * decades):
        return 10
    if log10_ratio_at_least(e, num, den, 10 * decades):
        return 25
    return 50


def page_step(width, decades, v):
    """Step of the mark value in the printed unit from v/100 to v/100 + 1, whose
    tested length is (width / decades) * log10((v + 100) / v) pixels."""
    for threshold, step in ((600, 5), (400, 10), (200, 20), (100, 25)):
        if log10_ratio_at_least(width, v + 100, v, threshold * decades):
            return step
    return 50


def grid_sample(kind, size_choice, width=SAMPLE_WIDTH, height=SAMPLE_HEIGHT):
    """The grid sample for graph kind -1..2 and size choice -1..2, on a fresh canvas."""
    _check_grid_inputs(kind, size_choice)
    cv = TraceCanvas(width, height)
    cv.brush_color = WHITE
    cv.rectangle(0, 0, width, height)
    cv.pen_color = BLACK
    c = 10 * kind + size_choice

    if c < 20:
        for i in range(51):
            cv.pen_width = 2 if i % 5 == 0 else 1
            x = 20 + tdiv(i * (width - 40), 50)
            cv.segment(x, height - 20, x, 20)
    if c < 20 and kind == 0:
        for j in range(76):
            cv.pen_width = 2 if j % 5 == 0 else 1
            y = (height - 20) - tdiv(j * (height - 40), 75)
            cv.segment(20, y, width - 20, y)
    if c < 10:
        return cv.lines

    if kind == 1:
        top, length = 20, height - 40
    else:
        length = width - 40
        top = tdiv(height - length, 2)
    if size_choice < 0:
        return cv.lines

    decades = size_choice + 1
    for d in range(decades):
        v = 100
        step = sample_step(length, decades, 2, 1)
        cv.pen_width = 2
        while v <= 1000:
            o = log_offset(length, d, decades, v)
            cv.segment(20, top + length - o, width - 20, top + length - o)
            if kind == 2:
                cv.segment(20 + o, top, 20 + o, top + length)
            cv.pen_width = 1
            v += step
            if v % 100 == 0:
                cv.pen_width = 2
                if v < 1000:  # the unit above the mark 10 is never drawn
                    step = sample_step(length, decades, v + 100, v)
    return cv.lines


def label_cell(digits, dpi):
    """(width, height) bound of a 5-point label's cell at `dpi` in the pages'
    face, Liberation Sans: digits 1139/2048 of the pixel size wide, the cell
    2288/2048 high; the size rounded half away from zero, as the surfaces do."""
    px = max(1, (10 * dpi + 72) // 144)
    return -(-digits * 1139 * px // 2048), -(-2288 * px // 2048)


def _left_labels_wipe(lines, margin, dpi):
    """Whether a left label of the drawn page covers a pixel of a ruling drawn
    before it: the grid's left border (from margin - 2 on) or a ruling that
    reaches left of it, over the label's rows. A ruling on the label's own row
    does not count, as its own heavy ruling paints it again at once."""
    rulings = []  # (y, width, leftmost column) of horizontal rulings so far
    start = None
    for line in lines:
        f = line.split(" ")
        if f[0] == "moveto":
            start = (int(f[1]), int(f[2]))
        elif f[0] == "lineto":
            x, y, width = int(f[1]), int(f[2]), int(f[3].split("/")[1])
            if y == start[1] and min(x, start[0]) < margin:
                rulings.append((y, width, min(x, start[0]) - width // 2))
        elif f[0] == "text" and int(f[1]) == margin - 50 and int(f[3]) == 5:
            x, y = int(f[1]), int(f[2])
            width, height = label_cell(len(json.loads(" ".join(f[4:]))), dpi)
            right = x + width
            if right > margin - 2:
                return True
            for ry, rw, left in rulings:
                top = ry - rw // 2
                if ry != y and top < y + height and top + rw > y and right > left:
                    return True
    return False


def grid_page(page_width, page_height, kind, size_choice, name="", dpi=600):
    """The printed grid page for graph kind -1..2 and size choice -1..2. The
    left labels stand at margin - 50 unless one of them would wipe a ruling
    there; then they all stand with the widest, "10", ending left of the
    heavy ticks (margin - 17)."""
    lines = _grid_page(page_width, page_height, kind, size_choice, name, None)
    margin = tdiv(3 * page_width, 40)
    if _left_labels_wipe(lines, margin, dpi):
        lines = _grid_page(page_width, page_height, kind, size_choice, name, margin - 17 - label_cell(2, dpi)[0])
    return lines


def _grid_page(page_width, page_height, kind, size_choice, name, label_x):
    _check_grid_inputs(kind, size_choice)
    cv = TraceCanvas(page_width, page_height, document=True)
    cv.pen_color = BLACK
    cv.font_size = 12
    cv.text_out(10, 10, name)

    margin = tdiv(3 * page_width, 40)  # trunc(0.075 * width)
    if label_x is None:
        label_x = margin - 50
    w = page_width - 2 * margin
    c = 10 * kind + size_choice
    h = page_height - 2 * margin
    bottom = page_height - margin

    if c < 20:
        for i in range(51):
            heavy = i % 5 == 0
            cv.pen_width = 4 if heavy else 1
            tick = 10 if heavy else 0
            x = margin + tdiv(i * w, 50)
            cv.segment(x, bottom + tick, x, margin)
    if c < 20 and kind == 0:
        for j in range(76):
            heavy = j % 5 == 0
            cv.pen_width = 4 if heavy else 1
            tick = 10 if heavy else 0
            y = bottom - tdiv(j * h, 75)
            cv.segment(margin - tick, y, margin + w, y)
    if c < 10:
        cv.end_doc()
        return cv.lines

    if kind == 2:
        top, length = tdiv(page_height - w, 2), w
    else:
        top, length = margin, h
    cv.font_size = 5
    decades = size_choice + 1
    steps = {}
    for d in range(decades):
        cv.pen_width = 4
        v = 100
        step = 5  # the unit from 1 to 2 is always cut into twenty
        while v <= 1000:
            pen = cv.pen_width
            label = str(v // 100)
            o = log_offset(length, d, decades, v)
            y = top + length - o
            if pen == 4:
                cv.text_out(label_x, y, label)
            cv.segment(margin - 5 * (pen - 1), y, margin + w, y)
            if kind == 2:
                x = margin + o
                if pen == 4:
                    cv.text_out(x, top + length + 5 * (pen - 1) + 10, label)
                cv.segment(x, top, x, top + length + 5 * (pen - 1))
            cv.pen_width = 1
            v += step
            if v % 50 == 0:
                cv.pen_width = 2
            if v % 100 == 0:
                cv.pen_width = 4
                if v < 1000:  # the step chosen at the mark 10 is never used
                    if v not in steps:
                        steps[v] = page_step(w, decades, v)
                    step = steps[v]
    cv.end_doc()
    return cv.lines


def sample_unit_steps(length, decades):
    """The nine steps of a sample decade on an axis `length` pixels long."""
    return [sample_step(length, decades, 2, 1)] + [
        sample_step(length, decades, u + 100, u) for u in range(200, 1000, 100)]


def page_unit_steps(width, decades):
    """The nine steps of a printed decade for a grid `width` pixels wide."""
    return [5] + [page_step(width, decades, u) for u in range(200, 1000, 100)]


# ---------------------------------------------------------------------------
# Spacetime paper
#
# With v = P/100, A = sqrt(10000 + P^2) and B = sqrt(10000 - P^2):
#   cos(theta) = 100/A, sin(theta) = P/A, cos(phi) = P/A, sin(phi) = 100/A,
#   gamma = 100/B, gamma*v = P/B.
# Every coordinate is therefore  whole + x/B + y/A  with rational x and y.


def _check_position(position):
    if not isinstance(position, int) or not 0 <= position <= MAX_POSITION:
        raise ValueError("velocity position must be a whole number 0..90, not %r" % (position,))


class _Roots:
    def __init__(self, position):
        self.qa = 10000 + position * position  # A^2
        self.qb = 10000 - position * position  # B^2

    def trunc(self, whole, over_b=0, over_a=0):
        """trunc(whole + over_b / B + over_a / A)."""
        return trunc_surd(whole, Fraction(over_b) / self.qb, self.qb, Fraction(over_a) / self.qa, self.qa)


def velocity_text(position):
    """The velocity as the page writes it: two decimals, "0.60"."""
    return "%d.%02d" % (position // 100, position % 100)


def spacetime_sample(position, width=SAMPLE_WIDTH, height=SAMPLE_HEIGHT,
                     window_width=WINDOW_WIDTH, window_height=WINDOW_HEIGHT):
    """The spacetime sample for velocity position 0..90, on a fresh canvas."""
    _check_position(position)
    P = position
    roots = _Roots(P)
    cv = TraceCanvas(width, height)
    cv.rectangle(0, 0, window_width, window_height)

    b = width - 40
    yb = height - tdiv(height - b, 2)
    five_cells = tdiv(5 * b, 25)  # trunc(5 s), s = b / 25
    ox, oy = 20 + five_cells, yb - five_cells

    # Axes, 400 pixels each way from the origin.
    cos400 = roots.trunc(0, over_a=400 * 100)
    sin400 = roots.trunc(0, over_a=400 * P)
    cv.pen_color, cv.pen_style, cv.pen_width = BLACK, "solid", 2
    cv.segment(ox - cos400, oy + sin400, ox + cos400, oy - sin400)  # x'
    cv.segment(ox - sin400, oy + cos400, ox + sin400, oy - cos400)  # ct'

    cv.pen_width = 1
    # Lines of constant ct': base (Ox + J*gamma*v*s, Oy - J*gamma*s), half-length
    # 400*k*s*J along the x' direction: L cos(theta) = 400 gamma s J, L sin(theta) = 400 gamma v s J.
    for J in range(-20, 27):
        cv.pen_style = "solid" if J % 5 == 0 else "dot"
        bx = Fraction(J * P * b, 25)   # J gamma v s = bx / B
        by = Fraction(-4 * J * b)      # -J gamma s = by / B
        lc = 1600 * b * J              # L cos(theta) = lc / B
        ls = 16 * P * b * J            # L sin(theta) = ls / B
        cv.segment(roots.trunc(ox, bx - lc), roots.trunc(oy, by + ls),
                   roots.trunc(ox, bx + lc), roots.trunc(oy, by - ls))
    # Lines of constant x': theta and phi exchanged.
    for J in range(-20, 27):
        cv.pen_style = "solid" if J % 5 == 0 else "dot"
        bx = 4 * J * b                 # J gamma s
        by = Fraction(-J * P * b, 25)  # -J gamma v s
        lc = 16 * P * b * J            # L cos(phi)
        ls = 1600 * b * J              # L sin(phi)
        cv.segment(roots.trunc(ox, bx - lc), roots.trunc(oy, by + ls),
                   roots.trunc(ox, bx + lc), roots.trunc(oy, by - ls))

    cv.pen_color, cv.pen_style = GRAY, "solid"
    for i in range(26):
        cv.pen_width = 2 if i % 5 == 0 else 1
        x = 20 + tdiv(i * b, 25)
        cv.segment(x, yb, x, yb - b)
    for i in range(26):
        cv.pen_width = 2 if i % 5 == 0 else 1
        y = yb - tdiv(i * b, 25)
        cv.segment(20, y, 20 + b, y)

    cv.pen_color = WHITE
    cv.rectangle(0, 0, 20, height)
    cv.rectangle(20, yb + 1, width, height)
    cv.rectangle(21 + b, 0, width, height)
    cv.rectangle(0, 0, width, yb - b)
    return cv.lines


def spacetime_page(page_width, page_height, position, name=""):
    """The printed spacetime page for velocity position 0..90."""
    _check_position(position)
    P = position
    roots = _Roots(P)
    cv = TraceCanvas(page_width, page_height, document=True)
    cv.pen_color = WHITE
    cv.rectangle(0, 0, page_width, page_height)

    h = tdiv(page_height, 2)
    m = tdiv(3 * page_width, 40)      # trunc(0.075 * width)
    gw = page_width - 2 * m
    grid_h = tdiv(30 * gw, 25)        # trunc(30 s), s = gw / 25
    yb = page_height - tdiv(page_height - grid_h, 2)
    five_cells = tdiv(5 * gw, 25)
    ox, oy = m + five_cells, yb - five_cells
    line = "%s   v = %s c" % (name, velocity_text(P))

    # Axes, 2h each way from the origin.
    cos2h = roots.trunc(0, over_a=2 * h * 100)
    sin2h = roots.trunc(0, over_a=2 * h * P)
    cv.pen_color, cv.pen_style, cv.pen_width = BLACK, "solid", 6
    cv.segment(ox - cos2h, oy + sin2h, ox + cos2h, oy - sin2h)  # x'
    cv.segment(ox - sin2h, oy + cos2h, ox + sin2h, oy - cos2h)  # ct'

    cv.pen_width = 1
    # Lines of constant ct': 2h back and 3h forward along the x' direction.
    for J in range(-30, 27):
        cv.pen_style = "solid" if J % 5 == 0 else "dot"
        bx = Fraction(J * P * gw, 25)  # J gamma v s, over B
        by = Fraction(-4 * J * gw)     # -J gamma s, over B
        cv.segment(roots.trunc(ox, bx, -200 * h), roots.trunc(oy, by, 2 * h * P),
                   roots.trunc(ox, bx, 300 * h), roots.trunc(oy, by, -3 * h * P))
    # Lines of constant x': the same with theta and phi exchanged.
    for J in range(-30, 32):
        cv.pen_style = "solid" if J % 5 == 0 else "dot"
        bx = Fraction(4 * J * gw)       # J gamma s
        by = Fraction(-J * P * gw, 25)  # -J gamma v s
        cv.segment(roots.trunc(ox, bx, -2 * h * P), roots.trunc(oy, by, 200 * h),
                   roots.trunc(ox, bx, 3 * h * P), roots.trunc(oy, by, -300 * h))

    cv.pen_color, cv.pen_style = GRAY, "solid"
    for i in range(26):
        cv.pen_width = 5 if i % 5 == 0 else 1
        x = m + tdiv(i * gw, 25)
        cv.segment(x, yb, x, yb - grid_h)
    for i in range(31):
        cv.pen_width = 5 if i % 5 == 0 else 1
        y = yb - tdiv(i * gw, 25)
        cv.segment(m, y, m + gw, y)

    cv.pen_color, cv.pen_width, cv.pen_style = BLACK, 6, "solid"
    cv.segment(ox, yb, ox, yb - grid_h)  # ct
    cv.segment(m, oy, m + gw, oy)        # x

    # Masks up to 2 pixels off the outer rulings, whose 5-pixel pens cover
    # 2 pixels either side: nothing outside the grid shows.
    cv.pen_color = WHITE
    cv.rectangle(0, 0, m - 2, page_height)
    cv.rectangle(m - 2, yb + 3, page_width, page_height)
    cv.rectangle(m + gw + 2, 0, page_width, page_height)  # m + trunc(25 s) + 2
    cv.rectangle(0, 0, page_width, yb - grid_h - 2)

    cv.font_size = 12
    cv.text_out(10, 10, line)
    cv.end_doc()
    return cv.lines


# ---------------------------------------------------------------------------
# Millimetre paper
#
# Ruling k (k millimetres from the first) lies k * dpi / 25.4 pixels on,
# truncated: floor(10 k dpi / 254). Every tenth ruling is a centimetre's,
# every fifth a half centimetre's. The grid is the most whole centimetres that
# fit its room with the outer rulings' every pixel inside, centred in it.

MILLIMETRE_SAMPLE_DPI = 127  # 5 pixels to the millimetre


def millimetres(k, dpi):
    return Fraction(10 * k * dpi, 254).__floor__()


def millimetre_pens(dpi):
    """Pen widths of the millimetre, 5 mm and centimetre rulings: 1/300,
    2/300 and 4/300 inch rounded half up, at least 1, 2 and 3 pixels."""
    return [max(least, math.floor(Fraction(n * dpi, 300) + Fraction(1, 2)))
            for n, least in ((1, 1), (2, 2), (4, 3))]


def millimetre_shown(spacing_mm, dpi):
    """Whether rulings spacing_mm apart are at least 2 pixels apart."""
    return Fraction(spacing_mm * dpi * 10, 254) >= 2


def _centimetres_fitting(room, heavy, dpi):
    """The most whole centimetres n (0 if none) whose grid, floor(100 n dpi / 254)
    pixels plus the outer rulings' width, fits in room pixels."""
    n = 0
    while millimetres(10 * (n + 1), dpi) + heavy <= room:
        n += 1
    return n


def _millimetre_grid(cv, left, top, width, height, dpi):
    """Draws the grid centred in the box, or nothing when it holds no centimetre."""
    if not millimetre_shown(10, dpi):
        return
    pens = millimetre_pens(dpi)
    heavy = pens[2]
    across = _centimetres_fitting(width, heavy, dpi)
    down = _centimetres_fitting(height, heavy, dpi)
    if across == 0 or down == 0:
        return
    # A ruling at x of width w covers x - floor(w/2) .. x + floor((w-1)/2).
    x0 = left + heavy // 2 + (width - heavy - millimetres(10 * across, dpi)) // 2
    y0 = top + heavy // 2 + (height - heavy - millimetres(10 * down, dpi)) // 2
    x1 = x0 + millimetres(10 * across, dpi)
    y1 = y0 + millimetres(10 * down, dpi)
    cv.pen_color, cv.pen_style = BLACK, "solid"

    def weight(k):
        return 2 if k % 10 == 0 else 1 if k % 5 == 0 else 0

    for k in range(10 * across + 1):
        if millimetre_shown((1, 5, 10)[weight(k)], dpi):
            cv.pen_width = pens[weight(k)]
            cv.segment(x0 + millimetres(k, dpi), y0, x0 + millimetres(k, dpi), y1)
    for k in range(10 * down + 1):
        if millimetre_shown((1, 5, 10)[weight(k)], dpi):
            cv.pen_width = pens[weight(k)]
            cv.segment(x0, y0 + millimetres(k, dpi), x1, y0 + millimetres(k, dpi))
    cv.pen_width = 1


def millimetre_sample(width=SAMPLE_WIDTH, height=SAMPLE_HEIGHT):
    """The millimetre sample: cleared with a white pen, the grid at 127 dpi
    inside the 20-pixel margin."""
    cv = TraceCanvas(width, height)
    cv.pen_color, cv.pen_width, cv.pen_style, cv.brush_color = WHITE, 1, "solid", WHITE
    cv.rectangle(0, 0, width, height)
    _millimetre_grid(cv, 20, 20, width - 40, height - 40, MILLIMETRE_SAMPLE_DPI)
    return cv.lines


def millimetre_page(page_width, page_height, name="", dpi=600):
    """The printed millimetre page: the name at (10, 10) in 12 points, and the
    grid below the name's line, 1.5 times the name's size in pixels high."""
    cv = TraceCanvas(page_width, page_height, document=True)
    cv.font_size = 12
    cv.text_out(10, 10, name)
    size = max(1, math.floor(Fraction(12 * dpi, 72) + Fraction(1, 2)))
    top = 10 + math.ceil(Fraction(3 * size, 2))
    _millimetre_grid(cv, 0, top, page_width, page_height - top, dpi)
    cv.end_doc()
    return cv.lines


# ---------------------------------------------------------------------------
# Command line


def parse_velocity(text):
    """"0.60" -> 60, read from the digits, never through a float."""
    match = re.fullmatch(r"(\d+)(?:\.(\d{1,2}))?", text.strip())
    if not match:
        raise ValueError("velocity must look like 0.60, not %r" % (text,))
    hundredths = int(match.group(1)) * 100 + int((match.group(2) or "0").ljust(2, "0"))
    if hundredths > MAX_POSITION:
        raise ValueError("velocity must be 0.00 .. 0.90, not %r" % (text,))
    return hundredths


def parse_page(text):
    match = re.fullmatch(r"(\d+)[xX](\d+)", text.strip())
    if not match:
        raise ValueError("page size must look like 4800x6600, not %r" % (text,))
    return int(match.group(1)), int(match.group(2))


def trace(kind, decades=1, velocity=60, name="", page=None, dpi=600):
    """The trace for the command-line choices: kind name, decades 1..3, velocity
    position, name, page size (None for the sample) and resolution."""
    k = KINDS[kind]
    if k == 4:
        return millimetre_sample() if page is None else millimetre_page(page[0], page[1], name, dpi)
    if k == 3:
        if page is None:
            return spacetime_sample(velocity)
        return spacetime_page(page[0], page[1], velocity, name)
    if decades not in (1, 2, 3):
        raise ValueError("decades must be 1, 2 or 3")
    if page is None:
        return grid_sample(k, decades - 1)
    return grid_page(page[0], page[1], k, decades - 1, name, dpi)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Print the exact reference trace of a sheet.")
    parser.add_argument("--kind", required=True, choices=sorted(KINDS))
    parser.add_argument("--decades", type=int, default=1, choices=(1, 2, 3))
    parser.add_argument("--velocity", default="0.60")
    parser.add_argument("--name", default="")
    where = parser.add_mutually_exclusive_group(required=True)
    where.add_argument("--sample", action="store_true")
    where.add_argument("--page", metavar="WxH")
    parser.add_argument("--dpi", type=int, default=600)
    args = parser.parse_args(argv)
    try:
        velocity = parse_velocity(args.velocity)
        page = parse_page(args.page) if args.page else None
    except ValueError as error:
        parser.error(str(error))
    lines = trace(args.kind, args.decades, velocity, args.name, page, args.dpi)
    out = sys.stdout.buffer
    out.write(("\n".join(lines) + "\n").encode("utf-8"))
    out.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())

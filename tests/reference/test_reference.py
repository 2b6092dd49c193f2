#!/usr/bin/env python3
"""Checks the exact reference of the four sheets against numbers worked out by
hand for Gridora's sheets: positions, step tables, counts and texts. None of
these numbers is taken from the reference's own output."""

import json
import os
import subprocess
import sys
import unittest
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import sheet_reference as ref  # noqa: E402


# ---------------------------------------------------------------------------
# Reading traces back


def segments(lines):
    """Every moveto/lineto pair as (x1, y1, x2, y2, colour, width, style)."""
    out = []
    for a, b in zip(lines, lines[1:]):
        if a.startswith("moveto ") and b.startswith("lineto "):
            _, x1, y1 = a.split()
            _, x2, y2, pen = b.split()
            colour, width, style = pen.split("/")
            out.append((int(x1), int(y1), int(x2), int(y2), colour, int(width), style))
    return out


def rects(lines):
    return [tuple(l.split()[1:]) for l in lines if l.startswith("rect ")]


def texts(lines):
    """(x, y, size, text) of every text line; the text is decoded from JSON."""
    out = []
    for l in lines:
        if l.startswith("text "):
            _, x, y, size, rest = l.split(" ", 4)
            out.append((int(x), int(y), int(size), json.loads(rest)))
    return out


def unit_steps(widths, heavy):
    """Steps of the units between consecutive heavy rulings of one decade,
    from the widths of its rulings in drawing order (100 / rulings per unit)."""
    assert widths[0] == heavy and widths[-1] == heavy
    heavy_at = [i for i, w in enumerate(widths) if w == heavy]
    return [100 // (b - a) for a, b in zip(heavy_at, heavy_at[1:])]


# ---------------------------------------------------------------------------
# Exact arithmetic


class ExactArithmetic(unittest.TestCase):
    def test_trunc_division_goes_toward_zero(self):
        cases = [(7, 2, 3), (-7, 2, -3), (7, -2, -3), (-7, -2, 3), (-641, 2, -320), (6, 3, 2), (-6, 3, -2)]
        for a, b, want in cases:
            self.assertEqual(ref.tdiv(a, b), want, (a, b))

    def test_surds_truncate_toward_zero(self):
        # (a, p, m, q, n, floor, trunc) with hand values
        cases = [
            (0, 1, 10000, 0, 0, 100, 100),          # sqrt(10000)
            (0, 1, 2, 0, 0, 1, 1),                   # 1.414
            (0, -1, 2, 0, 0, -2, -1),                # -1.414
            (0, 1, 2, -2, 2, -2, -1),                # -sqrt 2
            (3, 1, 4, -1, 25, 0, 0),                 # 3 + 2 - 5 = 0 exactly
            (-3, -1, 4, 1, 25, 0, 0),                # 0 again, signs flipped
            (Fraction(-27, 10), 0, 0, 0, 0, -3, -2), # trunc(-2.7) = -2
            (1, 1, 2, 1, 3, 4, 4),                   # 1 + 1.414 + 1.732 = 4.146
            (-5, 1, 2, 1, 3, -2, -1),                # -1.854
            (Fraction(-1, 2), 1, 8, -2, 2, -1, 0),   # -0.5 + 2sqrt2 - 2sqrt2
            (0, 1, 99980001, 0, 0, 9999, 9999),      # 9999^2
            (0, 1, 99980000, 0, 0, 9998, 9998),      # just below 9999
        ]
        for a, p, m, q, n, fl, tr in cases:
            with self.subTest(a=a, p=p, m=m, q=q, n=n):
                self.assertEqual(ref.floor_surd(a, p, m, q, n), fl)
                self.assertEqual(ref.trunc_surd(a, p, m, q, n), tr)

    def test_logarithms_are_decided_exactly(self):
        self.assertEqual(ref.floor_e_log10(1000, 3), (9, True))
        self.assertEqual(ref.floor_e_log10(2, 10), (3, False))      # 1024
        self.assertEqual(ref.floor_e_log10(2, -10), (-4, False))    # -3.01
        self.assertEqual(ref.floor_e_log10(100, -7), (-14, True))
        self.assertEqual(ref.floor_e_log10(999, 1), (2, False))
        # E * (d + log10(v / 100)) / D, truncated toward zero
        self.assertEqual(ref.log_offset(-10, 0, 1, 200), -3)       # -3.0103
        self.assertEqual(ref.log_offset(-10, 0, 1, 100), 0)
        self.assertEqual(ref.log_offset(-10, 1, 2, 1000), -10)     # -10 exactly
        self.assertEqual(ref.log_offset(-9, 1, 2, 100), -4)        # -4.5
        self.assertEqual(ref.log_offset(5680, 0, 1, 200), 1709)    # 5680 log10 2 = 1709.8
        self.assertEqual(ref.log_offset(317, 2, 3, 100), 211)      # trunc(634 / 3)
        # 10 log10(2) >= 3 but not >= 4 ; -10 log10(2) >= -4 but not >= -3
        self.assertTrue(ref.log10_ratio_at_least(10, 2, 1, 3))
        self.assertFalse(ref.log10_ratio_at_least(10, 2, 1, 4))
        self.assertTrue(ref.log10_ratio_at_least(-10, 2, 1, -4))
        self.assertFalse(ref.log10_ratio_at_least(-10, 2, 1, -3))
        # a threshold met exactly counts as reached: 2 log10(10) >= 2
        self.assertTrue(ref.log10_ratio_at_least(2, 1000, 100, 2))

    def test_velocity_is_read_from_its_digits(self):
        for text, want in [("0.60", 60), ("0.6", 60), ("0.05", 5), ("0", 0), ("0.00", 0), ("0.90", 90), ("0.9", 90)]:
            self.assertEqual(ref.parse_velocity(text), want, text)
        for bad in ["0.91", "1.00", "-0.1", "0.605", "abc", ""]:
            with self.assertRaises(ValueError, msg=bad):
                ref.parse_velocity(bad)


# ---------------------------------------------------------------------------
# Grid sample, 357 x 397


class GridSample(unittest.TestCase):
    def test_squared_rulings(self):
        lines = ref.grid_sample(0, 0)
        self.assertEqual(lines[0], "surface 357 397")
        self.assertEqual(lines[1], "rect 0 0 357 397 #000000/1/solid #ffffff")
        segs = segments(lines)
        self.assertEqual(len(segs), 51 + 76)
        verticals, horizontals = segs[:51], segs[51:]
        xs = [s[0] for s in verticals]
        self.assertEqual(xs[:7], [20, 26, 32, 39, 45, 51, 58])
        self.assertEqual(xs[-3:], [324, 330, 337])
        for x1, y1, x2, y2, colour, width, style in verticals:
            self.assertEqual((x1, y1, y2), (x2, 377, 20))
            self.assertEqual((colour, style), ("#000000", "solid"))
        ys = [s[1] for s in horizontals]
        self.assertEqual(ys[:5], [377, 373, 368, 363, 358])
        self.assertEqual(ys[-3:], [30, 25, 20])
        for x1, y1, x2, y2, *_ in horizontals:
            self.assertEqual((x1, x2, y2), (20, 337, y1))
        self.assertEqual([i for i, s in enumerate(verticals) if s[5] == 2], list(range(0, 51, 5)))
        self.assertEqual([j for j, s in enumerate(horizontals) if s[5] == 2], list(range(0, 76, 5)))
        self.assertTrue(all(s[5] in (1, 2) for s in segs))

    def test_squared_ignores_the_size_choice(self):
        first = ref.grid_sample(0, 0)
        for n in (1, 2, -1):
            self.assertEqual(ref.grid_sample(0, n), first, n)

    # (kind, n, steps, rulings per decade, heavy y, heavy x or None)
    LOG_TABLE = [
        (1, 0, [5, 5, 10, 10, 10, 10, 10, 25, 25], 99, [377, 270, 207, 163, 128, 100, 76, 55, 37, 20], None),
        (1, 1, [5, 10, 10, 25, 25, 25, 25, 50, 50], 61, None, None),
        (1, 2, [10, 10, 25, 25, 50, 50, 50, 50, 50], 39, None, None),
        (2, 0, [5, 5, 10, 10, 10, 10, 25, 25, 25], 93, [357, 262, 206, 167, 136, 111, 90, 71, 55, 40],
         [20, 115, 171, 210, 241, 266, 287, 306, 322, 337]),
        (2, 1, [10, 10, 25, 25, 25, 25, 50, 50, 50], 43, None, None),
        (2, 2, [10, 25, 25, 25, 50, 50, 50, 50, 50], 33, None, None),
    ]

    def _log_rulings(self, kind, n):
        segs = segments(ref.grid_sample(kind, n))
        if kind == 1:
            self.assertEqual([s[0] for s in segs[:51]][:4], [20, 26, 32, 39])
            return segs[51:], []
        return segs[0::2], segs[1::2]

    def test_logarithmic_decades(self):
        for kind, n, steps, per_decade, heavy_y, heavy_x in self.LOG_TABLE:
            with self.subTest(kind=kind, n=n):
                decades = n + 1
                horizontal, vertical = self._log_rulings(kind, n)
                self.assertEqual(len(horizontal), per_decade * decades)
                top, bottom = (20, 377) if kind == 1 else (40, 357)
                for x1, y1, x2, y2, *_ in horizontal:
                    self.assertEqual((x1, x2, y2), (20, 337, y1))
                for x1, y1, x2, y2, *_ in vertical:
                    self.assertEqual((y1, y2, x2), (top, bottom, x1))
                for d in range(decades):
                    decade = horizontal[d * per_decade:(d + 1) * per_decade]
                    self.assertEqual(unit_steps([s[5] for s in decade], 2), steps)
                    if kind == 2:
                        vdecade = vertical[d * per_decade:(d + 1) * per_decade]
                        self.assertEqual(unit_steps([s[5] for s in vdecade], 2), steps)
                self.assertEqual(horizontal[0][1], bottom)
                self.assertEqual(horizontal[-1][1], top)
                if heavy_y:
                    self.assertEqual([s[1] for s in horizontal if s[5] == 2], heavy_y)
                if heavy_x:
                    self.assertEqual([s[0] for s in vertical if s[5] == 2], heavy_x)
                self.assertEqual(ref.sample_unit_steps(357 if kind == 1 else 317, decades), steps)

    def test_decade_boundaries(self):
        # Semi log 2 decades: boundary at y = 199, drawn twice (mark 10 then mark 1).
        horizontal, _ = self._log_rulings(1, 1)
        self.assertEqual(horizontal[60][1], 199)
        self.assertEqual(horizontal[61][1], 199)
        # Semi log 3 decades: 258 and 139.
        horizontal, _ = self._log_rulings(1, 2)
        self.assertEqual([horizontal[i][1] for i in (38, 39, 77, 78)], [258, 258, 139, 139])
        # Log 3x3: 105 and 211 pixels from the grid's origin.
        horizontal, vertical = self._log_rulings(2, 2)
        self.assertEqual(len(vertical), 99)
        self.assertEqual([vertical[i][0] for i in (32, 33, 65, 66)], [125, 125, 231, 231])
        self.assertEqual([horizontal[i][1] for i in (32, 33, 65, 66)], [252, 252, 146, 146])

    def test_spacing_threshold_lengths(self):
        # The unit 2 to 3 is log10(1.5) = 0.1760913 of a decade: it reaches 10, 20
        # and 50 px on axes of 57, 114 and 284 px.
        for first_length, finer, coarser in [(57, 25, 50), (114, 10, 25), (284, 5, 10)]:
            self.assertEqual(ref.sample_step(first_length, 1, 3, 2), finer, first_length)
            self.assertEqual(ref.sample_step(first_length - 1, 1, 3, 2), coarser, first_length)

    def test_unit_lengths_of_the_log_sample(self):
        # "Log" 1x1: the unit lengths 317 log10((u + 1) / u) rounded to a tenth.
        lengths = ["95.4", "55.8", "39.6", "30.7", "25.1", "21.2", "18.4", "16.2", "14.5"]
        for u, text in enumerate(lengths, start=1):
            tenths = int(text.replace(".", ""))
            # 100 * 317 log10(r) lies in [10 * tenths - 5, 10 * tenths + 5)
            self.assertTrue(ref.log10_ratio_at_least(31700, u + 1, u, 10 * tenths - 5), u)
            self.assertFalse(ref.log10_ratio_at_least(31700, u + 1, u, 10 * tenths + 5), u)

    def test_spacing_thresholds_take_the_finer_step(self):
        # A unit exactly 10, 20 or 50 pixels long: E log10(10) / D with E = 10 D, 20 D, 50 D.
        for length, want in [(10, 25), (20, 10), (50, 5), (9, 50), (19, 25), (49, 10)]:
            self.assertEqual(ref.sample_step(length, 1, 1000, 100), want, length)

    def test_only_the_linear_verticals_without_a_valid_choice(self):
        for kind, n in [(1, -1), (2, -1), (-1, -1), (-1, 0), (-1, 1), (-1, 2)]:
            with self.subTest(kind=kind, n=n):
                lines = ref.grid_sample(kind, n)
                segs = segments(lines)
                self.assertEqual(len(segs), 51)
                self.assertEqual(len(lines), 2 + 2 * 51)
                self.assertEqual([s[0] for s in segs][-3:], [324, 330, 337])
        self.assertEqual(len(segments(ref.grid_sample(0, -1))), 51 + 76)


# ---------------------------------------------------------------------------
# Printed grid page


class GridPage(unittest.TestCase):
    def test_squared_on_4800_by_6400(self):
        lines = ref.grid_page(4800, 6400, 0, 0, "Ada")
        self.assertEqual(lines[:3], ["surface 4800 6400", "begindoc", 'text 10 10 12 "Ada"'])
        self.assertEqual(lines[-1], "enddoc")
        segs = segments(lines)
        self.assertEqual(len(segs), 51 + 76)
        verticals, horizontals = segs[:51], segs[51:]
        self.assertEqual([s[0] for s in verticals[:6]], [360, 441, 523, 604, 686, 768])
        self.assertEqual(verticals[-1][0], 4440)
        self.assertEqual(verticals[5], (768, 6050, 768, 360, "#000000", 4, "solid"))
        self.assertEqual(verticals[1], (441, 6040, 441, 360, "#000000", 1, "solid"))
        self.assertEqual([s[1] for s in horizontals[:3]], [6040, 5965, 5889])
        self.assertEqual(horizontals[-1][1], 360)
        self.assertEqual(horizontals[0], (350, 6040, 4440, 6040, "#000000", 4, "solid"))
        self.assertEqual(horizontals[1], (360, 5965, 4440, 5965, "#000000", 1, "solid"))
        self.assertEqual(sum(s[5] == 4 for s in verticals), 11)
        self.assertEqual(sum(s[5] == 4 for s in horizontals), 16)
        for n in (1, 2, -1):
            self.assertEqual(ref.grid_page(4800, 6400, 0, n, "Ada"), lines)

    def test_grid_closes_on_every_page(self):
        for pw, ph in [(4800, 6400), (4799, 6400), (6400, 4799), (100, 100), (20000, 100), (100, 20000), (1234, 5678)]:
            with self.subTest(page=(pw, ph)):
                m = 3 * pw // 40
                w = pw - 2 * m
                segs = segments(ref.grid_page(pw, ph, 0, 0))
                self.assertEqual(segs[0][0], m)
                self.assertEqual(segs[50][0], m + w)
                self.assertEqual(segs[51][1], ph - m)
                self.assertEqual(segs[-1][1], m)
        self.assertEqual(segments(ref.grid_page(4799, 6400, 0, 0))[0][0], 359)

    def test_empty_name_writes_nothing(self):
        named = ref.grid_page(4800, 6400, 1, 1, "Bo")
        empty = ref.grid_page(4800, 6400, 1, 1, "")
        self.assertEqual(named[2], 'text 10 10 12 "Bo"')
        self.assertEqual(named[:2] + named[3:], empty)

    # (decades, steps, rulings per decade)
    STEPS = [
        (1, [5, 5, 10, 20, 20, 20, 20, 20, 25], 80),
        (2, [5, 20, 20, 25, 25, 25, 25, 25, 50], 53),
        (3, [5, 20, 25, 25, 25, 50, 50, 50, 50], 46),
    ]

    def test_step_tables(self):
        for kind in (1, 2):
            for decades, steps, per_decade in self.STEPS:
                with self.subTest(kind=kind, decades=decades):
                    segs = segments(ref.grid_page(4800, 6400, kind, decades - 1))
                    if kind == 1:
                        horizontal, vertical = segs[51:], []
                    else:
                        horizontal, vertical = segs[0::2], segs[1::2]
                    self.assertEqual(len(horizontal), per_decade * decades)
                    for d in range(decades):
                        for family in (horizontal, vertical) if kind == 2 else (horizontal,):
                            decade = family[d * per_decade:(d + 1) * per_decade]
                            self.assertEqual(unit_steps([s[5] for s in decade], 4), steps)
                    self.assertEqual(ref.page_unit_steps(4080, decades), steps)

    def test_ticks_and_medium_rulings(self):
        segs = segments(ref.grid_page(4800, 6400, 2, 0))
        horizontal, vertical = segs[0::2], segs[1::2]
        for x1, y1, x2, y2, colour, width, style in horizontal:
            self.assertEqual(x1, 360 - {4: 15, 2: 5, 1: 0}[width])
            self.assertEqual((x2, y2, colour, style), (4440, y1, "#000000", "solid"))
        for x1, y1, x2, y2, colour, width, style in vertical:
            self.assertEqual(y2, 1160 + 4080 + {4: 15, 2: 5, 1: 0}[width])
            self.assertEqual((y1, x2), (1160, x1))
        # D = 1: units cut with steps 5, 5, 10 have half marks, units of step 20 none,
        # the unit 9 to 10 (step 25) one.
        widths = [s[5] for s in horizontal]
        heavy_at = [i for i, w in enumerate(widths) if w == 4]
        mediums = [widths[a:b].count(2) for a, b in zip(heavy_at, heavy_at[1:])]
        self.assertEqual(mediums, [1, 1, 1, 0, 0, 0, 0, 0, 1])

    def test_labels(self):
        semi = texts(ref.grid_page(4800, 6400, 1, 0))
        self.assertEqual(semi[:3], [(310, 6040, 5, "1"), (310, 4331, 5, "2"), (310, 3330, 5, "3")])
        self.assertEqual([t[3] for t in semi], [str(i) for i in range(1, 11)])
        self.assertEqual(semi[-1][:2], (310, 360))
        log = texts(ref.grid_page(4800, 6400, 2, 1, "X"))
        self.assertEqual(log[0], (10, 10, 12, "X"))
        bottom = [t for t in log[1:] if t[1] == 5265]
        left = [t for t in log[1:] if t[0] == 310]
        self.assertEqual(len(bottom), 20)
        self.assertEqual(len(left), 20)
        self.assertEqual(len(log), 41)
        # The inner boundary: "10" of decade 0 then "1" of decade 1 over it, on both axes.
        self.assertEqual([t[3] for t in log[19:23]], ["10", "10", "1", "1"])
        self.assertEqual(log[19][:2], log[21][:2])
        self.assertEqual(log[20][:2], log[22][:2])
        self.assertEqual(log[-1][3], "10")

    def test_landscape_log_square_overhangs(self):
        lines = ref.grid_page(6400, 4799, 2, 0)
        segs = segments(lines)
        # M = 480, W = 5440, T = trunc(-320.5) = -320
        self.assertEqual(segs[0], (480 - 15, -320 + 5440, 480 + 5440, -320 + 5440, "#000000", 4, "solid"))
        self.assertEqual(segs[1], (480, -320, 480, -320 + 5440 + 15, "#000000", 4, "solid"))
        self.assertEqual(texts(lines)[0], (430, 5120, 5, "1"))

    def test_short_first_unit_of_three_decades(self):
        segs = segments(ref.grid_page(4800, 6400, 2, 2))
        xs = [s[0] for s in segs[1::2]][:46]
        widths = [s[5] for s in segs[1::2]][:46]
        two = widths.index(4, 1)          # the mark 2
        self.assertEqual(two, 20)
        self.assertIn(xs[two] - xs[two - 1], (14, 15, 16))   # about 15 px
        three = widths.index(4, two + 1)
        gaps = [b - a for a, b in zip(xs[two:three], xs[two + 1:three + 1])]
        self.assertIn(min(gaps), (39, 40, 41))                 # about 40 px

    def test_semilog_unit_three_to_four_tested_with_the_width(self):
        self.assertEqual(ref.page_unit_steps(4080, 1)[2], 10)
        # 5680 log10(4/3) = 709.6: it would get step 5 if tested with its drawn length.
        self.assertTrue(ref.log10_ratio_at_least(5680, 4, 3, 600))
        self.assertFalse(ref.log10_ratio_at_least(4080, 4, 3, 600))

    def test_spacing_thresholds_take_the_finer_step(self):
        # The unit 2 to 3 is log10(1.5) = 0.1760913 of a decade: with one decade it
        # reaches 100, 200, 400 and 600 px from the widths 568, 1136, 2272 and 3408 on.
        for first_width, finer, coarser in [(568, 25, 50), (1136, 20, 25), (2272, 10, 20), (3408, 5, 10)]:
            self.assertEqual(ref.page_step(first_width, 1, 200), finer, first_width)
            self.assertEqual(ref.page_step(first_width - 1, 1, 200), coarser, first_width)
            self.assertEqual(ref.page_unit_steps(first_width, 1)[1], finer)

    def test_semilog_with_a_negative_grid_height(self):
        # 2000 x 100: M = 150, W = 1700, H = 100 - 300 = -200, T = 150; the decade
        # runs downwards from y = T + H = -50: o = trunc(-200 log10(v / 100)).
        labels = texts(ref.grid_page(2000, 100, 1, 0))
        self.assertEqual(labels[:3], [(100, -50, 5, "1"), (100, 10, 5, "2"), (100, 45, 5, "3")])
        self.assertEqual(labels[-1], (100, 150, 5, "10"))

    def test_only_the_linear_verticals_without_a_valid_choice(self):
        for kind, n in [(1, -1), (2, -1), (-1, -1), (-1, 0), (-1, 2)]:
            with self.subTest(kind=kind, n=n):
                lines = ref.grid_page(4800, 6400, kind, n, "N")
                self.assertEqual(lines[:3], ["surface 4800 6400", "begindoc", 'text 10 10 12 "N"'])
                self.assertEqual(lines[-1], "enddoc")
                self.assertEqual(len(lines), 4 + 2 * 51)
                self.assertEqual(segments(lines)[50][0], 4440)


# ---------------------------------------------------------------------------
# Spacetime sample, 357 x 397 in a 383 x 525 window

# Drawing order: x' axis, ct' axis, 47 lines of constant ct' (J = -20..26),
# 47 lines of constant x', 26 rest verticals, 26 rest horizontals.
CT_LINES, X_LINES, REST_V, REST_H = 2, 49, 96, 122


class SpacetimeSample(unittest.TestCase):
    def test_velocity_060(self):
        lines = ref.spacetime_sample(60)
        self.assertEqual(lines[:2], ["surface 357 397", "rect 0 0 383 525 #000000/1/solid #ffffff"])
        segs = segments(lines)
        self.assertEqual(len(segs), 2 + 94 + 52)
        self.assertEqual(segs[0], (-259, 499, 425, 89, "#000000", 2, "solid"))
        self.assertEqual(segs[1], (-122, 636, 288, -48, "#000000", 2, "solid"))
        self.assertEqual(segs[CT_LINES + 21][:4], (-6247, 4082, 6432, -3525))
        self.assertEqual(segs[X_LINES + 21][:4], (-3705, 6624, 3902, -6055))
        # J = 0: a zero-length stroke at the origin (83, 294)
        self.assertEqual(segs[CT_LINES + 20][:4], (83, 294, 83, 294))
        self.assertEqual(segs[X_LINES + 20][:4], (83, 294, 83, 294))
        xs = [s[0] for s in segs[REST_V:REST_H]]
        self.assertEqual(xs[:8], [20, 32, 45, 58, 70, 83, 96, 108])
        self.assertEqual(xs[-3:], [311, 324, 337])
        for x1, y1, x2, y2, colour, width, style in segs[REST_V:REST_H]:
            self.assertEqual((y1, y2, x2, colour, style), (357, 40, x1, "#808080", "solid"))
        ys = [s[1] for s in segs[REST_H:]]
        self.assertEqual(ys[:7], [357, 345, 332, 319, 307, 294, 281])
        self.assertEqual(ys[-3:], [66, 53, 40])
        for x1, y1, x2, y2, *_ in segs[REST_H:]:
            self.assertEqual((x1, x2, y2), (20, 337, y1))
        self.assertEqual(rects(lines)[1:], [
            ("0", "0", "20", "397", "#ffffff/2/solid", "#ffffff"),
            ("20", "358", "357", "397", "#ffffff/2/solid", "#ffffff"),
            ("338", "0", "357", "397", "#ffffff/2/solid", "#ffffff"),
            ("0", "0", "357", "40", "#ffffff/2/solid", "#ffffff"),
        ])
        self.assertEqual(len(lines), 2 + 2 * len(segs) + 4)
        self.assertEqual(texts(lines), [])

    def test_pens(self):
        segs = segments(ref.spacetime_sample(37))
        for index, J in enumerate(range(-20, 27)):
            for family in (CT_LINES, X_LINES):
                pen = segs[family + index][4:]
                self.assertEqual(pen, ("#000000", 1, "solid" if J % 5 == 0 else "dot"), J)
        for i in range(26):
            self.assertEqual(segs[REST_V + i][5], 2 if i % 5 == 0 else 1)
            self.assertEqual(segs[REST_H + i][5], 2 if i % 5 == 0 else 1)

    def test_velocity_0(self):
        segs = segments(ref.spacetime_sample(0))
        self.assertEqual(segs[0][:4], (-317, 294, 483, 294))
        self.assertEqual(segs[1][:4], (83, 694, 83, -106))
        x1, _, x2, _ = segs[X_LINES + 21][:4]
        self.assertEqual((x1, x2), (95, 95))
        self.assertEqual(segs[REST_V + 6][0], 96)
        _, y1, _, y2 = segs[CT_LINES + 21][:4]
        self.assertEqual((y1, y2), (281, 281))
        self.assertEqual(segs[REST_H + 6][1], 281)
        # half-length 400 k s = 5072 for J = 1
        self.assertEqual(segs[CT_LINES + 21][2] - segs[CT_LINES + 21][0], 2 * 5072)

    def test_velocity_090(self):
        segs = segments(ref.spacetime_sample(90))
        self.assertEqual(segs[0][:4], (-214, 561, 380, 27))
        self.assertEqual(segs[1][:4], (-184, 591, 350, -3))
        reach = max(abs(c) for s in segs for c in s[:4])
        self.assertTrue(300000 <= reach <= 306000, reach)   # about 303,000

    def test_same_position_same_picture(self):
        self.assertEqual(ref.spacetime_sample(45), ref.spacetime_sample(45))
        self.assertNotEqual(ref.spacetime_sample(45), ref.spacetime_sample(46))


# ---------------------------------------------------------------------------
# Printed spacetime page

# Order: x' axis, ct' axis, 57 lines of constant ct' (J = -30..26), 62 lines of
# constant x' (J = -30..31), 26 rest verticals, 31 rest horizontals, ct axis, x axis.
P_CT, P_X, P_V, P_H, P_AXES = 2, 59, 121, 147, 178


class SpacetimePage(unittest.TestCase):
    def test_4800_by_6600_at_060(self):
        lines = ref.spacetime_page(4800, 6600, 60, "Ada")
        self.assertEqual(lines[:3], ["surface 4800 6600", "begindoc", "rect 0 0 4800 6600 #ffffff/1/solid #ffffff"])
        self.assertEqual(lines[-2:], ['text 10 10 12 "Ada   v = 0.60 c"', "enddoc"])
        segs = segments(lines)
        self.assertEqual(len(segs), 180)
        self.assertEqual(segs[0], (-4483, 8327, 6835, 1537, "#000000", 6, "solid"))
        self.assertEqual(segs[1], (-2219, 10591, 4571, -727, "#000000", 6, "solid"))
        self.assertEqual(segs[P_CT + 31][:4], (-4361, 8123, 9787, -365))
        self.assertEqual(segs[P_X + 31][:4], (-2015, 10469, 6473, -3679))
        xs = [s[0] for s in segs[P_V:P_H]]
        self.assertEqual(xs[:7], [360, 523, 686, 849, 1012, 1176, 1339])
        self.assertEqual(xs[-2:], [4276, 4440])
        for x1, y1, x2, y2, colour, width, style in segs[P_V:P_H]:
            self.assertEqual((y1, y2, colour), (5748, 852, "#808080"))
        ys = [s[1] for s in segs[P_H:P_AXES]]
        self.assertEqual(len(ys), 31)
        self.assertEqual(ys[:7], [5748, 5585, 5422, 5259, 5096, 4932, 4769])
        self.assertEqual(ys[-2:], [1016, 852])
        self.assertEqual([s[5] for s in segs[P_H:P_AXES]], [5 if i % 5 == 0 else 1 for i in range(31)])
        self.assertEqual(segs[P_AXES], (1176, 5748, 1176, 852, "#000000", 6, "solid"))
        self.assertEqual(segs[P_AXES + 1], (360, 4932, 4440, 4932, "#000000", 6, "solid"))
        self.assertEqual(rects(lines)[1:], [
            ("0", "0", "358", "6600", "#ffffff/6/solid", "#ffffff"),
            ("360", "5751", "4800", "6600", "#ffffff/6/solid", "#ffffff"),
            ("4442", "0", "4800", "6600", "#ffffff/6/solid", "#ffffff"),
            ("0", "0", "4800", "847", "#ffffff/6/solid", "#ffffff"),
        ])
        self.assertEqual(len(lines), 2 + 1 + 2 * 180 + 4 + 1 + 1)

    def test_pens_and_ranges(self):
        segs = segments(ref.spacetime_page(4800, 6600, 33))
        for index, J in enumerate(range(-30, 27)):
            self.assertEqual(segs[P_CT + index][4:], ("#000000", 1, "solid" if J % 5 == 0 else "dot"))
        for index, J in enumerate(range(-30, 32)):
            self.assertEqual(segs[P_X + index][4:], ("#000000", 1, "solid" if J % 5 == 0 else "dot"))
        # J = 0 lines run along the axes: from 2h behind to 3h ahead of the origin.
        ct0, x0 = segs[P_CT + 30], segs[P_X + 30]
        self.assertEqual(ct0[:2], segs[0][:2])
        self.assertEqual(x0[:2], segs[1][:2])

    def test_velocity_0(self):
        lines = ref.spacetime_page(4800, 6600, 0)
        segs = segments(lines)
        self.assertEqual(segs[0][:4], (-5424, 4932, 7776, 4932))
        self.assertEqual(segs[1][:4], (1176, 11532, 1176, -1668))
        self.assertEqual(segs[P_X + 31][0], 1339)
        self.assertEqual(segs[P_X + 31][2], 1339)
        self.assertEqual(segs[P_V + 6][0], 1339)
        self.assertEqual(segs[P_CT + 31][1], 4768)
        self.assertEqual(segs[P_H + 6][1], 4769)
        self.assertEqual(texts(lines), [(10, 10, 12, "   v = 0.00 c")])

    def test_velocity_090(self):
        lines = ref.spacetime_page(4800, 6600, 90, 'Zoë "Q" \\ 日本')
        segs = segments(lines)
        self.assertEqual(segs[0][:4], (-3729, 9347, 6081, 517))
        self.assertEqual(segs[1][:4], (-3239, 9837, 5591, 27))
        self.assertEqual(max(abs(c) for s in segs for c in s[:4]), 20579)
        self.assertEqual(lines[-2], 'text 10 10 12 "Zoë \\"Q\\" \\\\ 日本   v = 0.90 c"')

    def test_grid_height_and_bottom_truncate(self):
        # 1001 wide: m = trunc(75.075) = 75, gw = 851, 30 s = 1021.2 -> 1021;
        # Yb = 1500 - trunc(479 / 2) = 1261.
        segs = segments(ref.spacetime_page(1001, 1500, 0))
        self.assertEqual(segs[P_V][:4], (75, 1261, 75, 240))
        # 6600 x 4801: Yb = 4801 - trunc((4801 - 6732) / 2) = 4801 + 965 = 5766.
        segs = segments(ref.spacetime_page(6600, 4801, 0))
        self.assertEqual((segs[P_V][1], segs[P_V][3]), (5766, -966))

    def test_landscape_loses_rows(self):
        segs = segments(ref.spacetime_page(6600, 4800, 60))
        # s = 224.4: trunc(30 s) = 6732, Yb = 5766, grid top at -966
        for s in segs[P_V:P_H]:
            self.assertEqual((s[1], s[3]), (5766, -966))
        self.assertEqual(segs[P_H][1], 5766)
        self.assertEqual(segs[P_H + 30][1], -966)


# ---------------------------------------------------------------------------
# Command line


class CommandLine(unittest.TestCase):
    def run_cli(self, *args):
        result = subprocess.run([sys.executable, os.path.join(HERE, "sheet_reference.py"), *args],
                                capture_output=True, check=True)
        return result.stdout.decode("utf-8").split("\n")

    def test_cli_matches_the_functions(self):
        out = self.run_cli("--kind", "log", "--decades", "3", "--page", "4800x6400", "--name", "Zoë")
        self.assertEqual(out, ref.grid_page(4800, 6400, 2, 2, "Zoë") + [""])
        out = self.run_cli("--kind", "spacetime", "--velocity", "0.07", "--sample")
        self.assertEqual(out, ref.spacetime_sample(7) + [""])
        out = self.run_cli("--kind", "semilog", "--decades", "2", "--sample")
        self.assertEqual(out, ref.grid_sample(1, 1) + [""])

    def test_cli_rejects_a_velocity_past_090(self):
        result = subprocess.run([sys.executable, os.path.join(HERE, "sheet_reference.py"),
                                 "--kind", "spacetime", "--velocity", "0.95", "--sample"], capture_output=True)
        self.assertNotEqual(result.returncode, 0)


if __name__ == "__main__":
    unittest.main()

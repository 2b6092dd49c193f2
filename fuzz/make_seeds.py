#!/usr/bin/env python3
"""Writes the seed corpus, fuzz/corpus/<target>/, in the byte layout each target
reads front to back (fuzz_support.h's InputReader). Run it after changing that
layout; the reproducers of faults found by fuzzing sit beside the seeds under
names starting with "repro-" and are kept as they are."""

import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent


def in_range(value, low, high):
    span = high - low + 1
    raw = value - low
    if span <= 0x100:
        return bytes([raw])
    if span <= 0x10000:
        return struct.pack("<H", raw)
    return struct.pack("<I", raw)


def word(value):
    return struct.pack("<I", value & 0xFFFFFFFF)


def coordinate(value, extent):
    if -64 <= value <= extent + 64:
        return bytes([0]) + in_range(value, -64, extent + 64)
    if -1000000 <= value <= 1000000:
        return bytes([1]) + in_range(value, -1000000, 1000000)
    return bytes([3]) + word(value)


def text(s):
    b = s.encode()
    return bytes([len(b)]) + b


class Calls:
    """The canvas target's calls, each an operation byte and its values."""

    def __init__(self, extent):
        self.extent = extent
        self.out = b""

    def c(self, v):
        return coordinate(v, self.extent)

    def pen(self, colour=None, width=None, dotted=None):
        if colour is not None:
            self.out += bytes([0]) + word(colour)
        if width is not None:
            self.out += bytes([1]) + in_range(width, 0, 1000)
        if dotted is not None:
            self.out += bytes([2, int(dotted)])
        return self

    def brush(self, colour):
        self.out += bytes([3]) + word(colour)
        return self

    def font(self, size, colour=0):
        self.out += bytes([4]) + in_range(size, -8, 200) + bytes([5]) + word(colour)
        return self

    def line(self, x1, y1, x2, y2):
        self.out += bytes([6]) + self.c(x1) + self.c(y1) + bytes([7]) + self.c(x2) + self.c(y2)
        return self

    def rect(self, *r):
        self.out += bytes([8]) + b"".join(self.c(v) for v in r)
        return self

    def text(self, x, y, s):
        self.out += bytes([9]) + self.c(x) + self.c(y) + text(s)
        return self

    def copy(self, dest, itself, source):
        self.out += bytes([10]) + b"".join(self.c(v) for v in dest) + bytes([int(itself)])
        self.out += b"".join(self.c(v) for v in source)
        return self


def canvas_seeds():
    sample = bytes([1, 0])  # the 357 x 397 picture, RGB32
    calls = Calls(397)
    calls.rect(0, 0, 357, 397).line(20, 377, 20, 20).pen(width=2).line(40, 377, 40, 20)
    calls.pen(width=1, dotted=True).brush(0x808080).line(20, 200, 337, 180)
    calls.pen(colour=0x000080, dotted=False).line(-303000, 250, 303000, 130)
    calls.font(8).text(30, 30, "10").copy((0, 0, 20, 15), False, (0, 0, 40, 30))
    yield "sample-image", sample + calls.out

    small = bytes([0]) + in_range(40, 1, 64) + in_range(30, 1, 64) + bytes([1])  # greyscale
    calls = Calls(40)
    calls.pen(width=4).line(20, 25, 20, 5).pen(width=5).line(5, 10, 35, 12)
    calls.pen(width=1, dotted=True).line(-126907, 76691, 126692, -75469).rect(35, 25, 5, 5)
    calls.copy((0, 0, 80, 60), True, (10, 10, 30, 20))
    yield "small-grey", small + calls.out

    page = bytes([2, 0]) + in_range(4800, 1, 20000) + in_range(6600, 1, 20000) + bytes([3])  # PDF, 600 dpi
    calls = Calls(6600)
    calls.font(12).text(10, 10, "Name").pen(width=4).line(360, 6250, 360, 360)
    calls.pen(width=1, dotted=True).line(-200000, 7000, 9000, -3000).rect(0, 0, 4800, 6600)
    yield "pdf-page", page + calls.out

    svg = bytes([2, 1]) + in_range(800, 1, 20000) + in_range(600, 1, 20000) + bytes([1])
    calls = Calls(800)
    calls.pen(width=6, colour=0xFFFFFF).line(0, 0, 799, 599).font(5).text(400, 300, "0.60 c")
    yield "svg-page", svg + calls.out

    # The ends of the int range: copies, lines, rectangles and text.
    lo, hi = -2**31, 2**31 - 1
    calls = Calls(397)
    calls.copy((lo, lo, hi, hi), False, (0, 0, 2, 2)).copy((0, 0, 4, 4), True, (lo, lo, hi, hi))
    calls.line(lo, lo, hi, hi).pen(dotted=True).line(lo + 300, hi, hi, lo + 300)
    calls.pen(width=1000).line(hi, 5, lo, 6).rect(lo, 10, 30, hi).text(10, hi - 5, "far")
    yield "int-range", sample + calls.out

    trace = bytes([3]) + in_range(357, 1, 20000) + in_range(397, 1, 20000)
    calls = Calls(397)
    calls.line(20, 20, 30, 30).rect(1, 2, 3, 4).text(5, 6, 'say "hi"\n').copy((0, 0, 9, 9), True, (1, 1, 5, 5))
    yield "trace", trace + calls.out


def page_side(value):
    if value <= 1500:
        return bytes([1]) + in_range(value, 1, 1500)
    return bytes([0]) + in_range(value, 1, 20000)


# The table of kinds' ids in the kind box's order (src/kinds/kinds.cpp).
KINDS = ["squared", "semilog", "log", "spacetime", "millimetre"]
SPACETIME = KINDS.index("spacetime")


def sheet(kind_of_sheet, target, width, height, kind=0, size=0, position=60, window=(383, 525),
          pen=(0, 1, 0), brush=0xFFFFFF, name="Gridora"):
    out = bytes([kind_of_sheet, target]) + page_side(width) + page_side(height)
    out += in_range(kind, -1, len(KINDS) - 1) + in_range(size, -1, 2) + in_range(position, 0, 90)
    out += page_side(window[0]) + page_side(window[1])
    out += word(pen[0]) + in_range(pen[1], 0, 1000) + bytes([pen[2]]) + word(brush) + text(name)
    return out


def sheets_seeds():
    sample, page = range(2)
    image, trace, pdf, none = range(4)
    for kind in range(3):
        for size in range(3):
            yield f"grid-sample-{kind}{size}", sheet(sample, image, 357, 397, kind, size)
    yield "grid-sample-unmatched", sheet(sample, image, 357, 397, -1, -1, pen=(0x808080, 3, 1))
    yield "grid-page-squared", sheet(page, image, 1200, 1650, 0, 0)
    yield "grid-page-log3", sheet(page, trace, 4800, 6600, 2, 2)
    yield "grid-page-semilog-pdf", sheet(page, pdf, 4800, 6600, 1, 1)
    yield "grid-page-none", sheet(page, none, 4800, 6600)
    for position in (0, 60, 90):
        yield f"spacetime-sample-{position}", sheet(sample, image, 357, 397, SPACETIME, position=position)
    yield "spacetime-page", sheet(page, image, 1200, 1650, SPACETIME, position=85)
    yield "spacetime-page-pdf", sheet(page, pdf, 20000, 20000, SPACETIME, position=90)
    yield "spacetime-page-trace", sheet(page, trace, 4800, 6600, SPACETIME, position=1)
    millimetre = KINDS.index("millimetre")
    yield "millimetre-sample", sheet(sample, image, 357, 397, millimetre)
    yield "millimetre-page", sheet(page, image, 1200, 1650, millimetre)
    yield "millimetre-page-huge-pdf", sheet(page, pdf, 20000, 20000, millimetre)
    # Names with right-to-left letters and stray or unclosed direction marks.
    bidi = "\u05e9\u05dc\u05d5\u05dd \u202eAda\u2069\u2069 \u2067x \u2066a\u2069"
    yield "spacetime-page-bidi-name", sheet(page, image, 1200, 1650, SPACETIME, position=60, name=bidi)
    yield "grid-page-bidi-name", sheet(page, trace, 4800, 6600, 1, 2, name=bidi)

def options_seeds():
    lists = {
        "squared-pdf": ["--kind", "squared", "-o", "sheet.pdf"],
        "sample-trace": ["--kind", "spacetime", "--velocity", "0.85", "--sample", "--format", "trace", "-o", "-"],
        "log-svg": ["--kind", "log", "--decades", "3", "--page", "4800x6600", "-o", "a.svg"],
        "semilog-png": ["--kind", "semilog", "--paper", "letter", "--landscape", "--dpi", "30", "-o", "p.png"],
        "name": ["-kind", "squared", "--name", "Ada Lovelace", "--page=20000x1", "--output=x.trace"],
        "help": ["--help"],
        "version": ["--version"],
        "bad-kind": ["--kind", "hex", "-o", "x.pdf"],
        "bad-velocity": ["--kind", "spacetime", "--velocity", "0.955", "-o", "x.pdf"],
    }
    for name, arguments in lists.items():
        yield name, b"\0".join(a.encode() for a in arguments)


def main():
    for target, seeds in (("canvas", canvas_seeds()), ("sheets", sheets_seeds()), ("options", options_seeds())):
        folder = HERE / "corpus" / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in seeds:
            (folder / f"seed-{name}").write_bytes(data)


if __name__ == "__main__":
    main()

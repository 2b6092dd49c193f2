#!/usr/bin/env python3
"""Compares the traces of the gridora-sheet renderer with the exact reference,
line by line, over a domain of sheets.

    check_traces.py PATH_TO_gridora-sheet [--quick] [--jobs N]

Each case runs
    gridora-sheet --kind K [--decades D] [--velocity V] [--name N]
                  (--sample | --page WxH [--dpi N]) --format trace -o -
and compares its standard output with sheet_reference. A mismatch prints the
case, the first differing line number and both lines. The last line printed is
"N passed, M failed"; the exit status is 1 when any case failed.
"""

import argparse
import concurrent.futures
import os
import random
import shlex
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import sheet_reference as ref  # noqa: E402

GRID_KINDS = ("squared", "semilog", "log")
NAMES = [
    "",
    "Ada",
    'Zoë "Q" \\ 日本',
    "  two  spaces  ",
    "back\\slash\\",
    '"',
    "tab\there",
    "Ünïcødé – ½ ✓ Ωμέγα",
    "O'Brien & Co. <b>",
]
FIXED_GRID_PAGES = [(4800, 6400), (6400, 4799), (4799, 6400), (100, 100), (20000, 20000), (100, 20000), (20000, 100)]


class Case:
    def __init__(self, kind, decades=1, velocity=60, name="", page=None, dpi=None):
        self.kind = kind
        self.decades = decades
        self.velocity = velocity
        self.name = name
        self.page = page
        self.dpi = dpi  # None: the renderer's default, 600

    def args(self):
        out = ["--kind", self.kind]
        if self.kind == "spacetime":
            out += ["--velocity", ref.velocity_text(self.velocity)]
        elif self.kind != "millimetre":
            out += ["--decades", str(self.decades)]
        if self.page is None:
            out.append("--sample")
        else:
            out += ["--name", self.name, "--page", "%dx%d" % self.page]
            if self.dpi is not None:
                out += ["--dpi", str(self.dpi)]
        return out

    def reference(self):
        return ref.trace(self.kind, self.decades, self.velocity, self.name, self.page,
                         600 if self.dpi is None else self.dpi)

    def __str__(self):
        return " ".join(shlex.quote(a) for a in self.args())


def random_cases(count, seed=20240611):
    rng = random.Random(seed)
    cases = []
    for i in range(count):
        a, b = rng.randint(100, 20000), rng.randint(100, 20000)
        # alternate portrait and landscape
        pw, ph = (min(a, b), max(a, b)) if i % 2 == 0 else (max(a, b), min(a, b))
        kind = rng.choice(GRID_KINDS + ("spacetime",))
        cases.append(Case(kind, rng.randint(1, 3), rng.randint(0, ref.MAX_POSITION), rng.choice(NAMES), (pw, ph)))
    return cases


def page_width_for_grid(width):
    """A printable width whose grid (width less two margins of trunc(0.075 w)) is `width` wide."""
    for pw in range(width, 2 * width + 100):
        if pw - 2 * (3 * pw // 40) == width:
            return pw
    raise ValueError(width)


def threshold_cases():
    """Pages whose grid is just wide enough for a unit to reach a spacing
    threshold (the finer step), and one pixel narrower (the coarser step)."""
    cases = []
    for decades in (1, 2, 3):
        for threshold in (100, 200, 400, 600):
            for v in (200, 500, 900):
                width = 1
                while not ref.log10_ratio_at_least(width, v + 100, v, threshold * decades):
                    width *= 2
                low = width // 2
                while width - low > 1:  # smallest width reaching the threshold
                    mid = (low + width) // 2
                    if ref.log10_ratio_at_least(mid, v + 100, v, threshold * decades):
                        width = mid
                    else:
                        low = mid
                for w in (width, width - 1):
                    pw = page_width_for_grid(w)
                    if pw > 20000:  # pages are at most 20000 pixels a side
                        continue
                    kind = "log" if (threshold // 100 + v // 100 + w) % 2 else "semilog"
                    cases.append(Case(kind, decades, page=(pw, min(20000, pw * 4 // 3))))
    return cases


def resolution_cases():
    """A4 pages at the resolutions printers have: where the scale labels keep
    their column and where it moves."""
    a4 = {150: (1240, 1754), 300: (2480, 3508), 600: (4960, 7016), 1200: (9921, 14031)}
    return [Case(kind, decades, name="Ada", page=a4[dpi], dpi=dpi)
            for dpi in sorted(a4) for kind in ("semilog", "log") for decades in (1, 3)]


def paper_area(units_across, units_down, per_inch, dpi, landscape):
    """The printable area gridora-sheet --paper lays out at dpi, a quarter
    inch (6.35 mm) in from each edge: each size truncated."""
    if landscape:
        units_across, units_down = units_down, units_across
    margin = 635 * dpi // 2540
    return (units_across * dpi // per_inch - 2 * margin, units_down * dpi // per_inch - 2 * margin)


def millimetre_cases(random_count, seed=20250214):
    """Millimetre paper: A4 and Letter either way up at printers' resolutions;
    pages just too small for a centimetre and just large enough; resolutions
    where each weight of ruling starts to show (6, 11, 51 dpi) and just below,
    and where a pen width is rounded from a half (375, 450); random sizes and
    resolutions."""
    cases = [Case("millimetre")]
    for dpi in (300, 600, 1200):
        for landscape in (False, True):
            cases.append(Case("millimetre", name="Ada", page=paper_area(2100, 2970, 254, dpi, landscape), dpi=dpi))
            cases.append(Case("millimetre", name=NAMES[2], page=paper_area(850, 1100, 100, dpi, landscape),
                              dpi=dpi))
    for dpi in (1, 5, 6, 10, 11, 50, 51, 96, 127, 375, 450):
        cases.append(Case("millimetre", name="Ada", page=(4800, 6400), dpi=dpi))
    cases += [Case("millimetre", page=page)
              for page in ((100, 100), (243, 20000), (244, 20000), (400, 403), (400, 404), (20000, 100))]
    cases.append(Case("millimetre", name=NAMES[7], page=(20000, 20000), dpi=51))
    rng = random.Random(seed)
    for _ in range(random_count):
        dpi = rng.choice((72, 96, 150, 200, 300, 360, 600, 720, 1200, 2400, rng.randint(1, 3000)))
        cases.append(Case("millimetre", name=rng.choice(NAMES),
                          page=(rng.randint(100, 20000), rng.randint(100, 20000)), dpi=dpi))
    return cases


def full_domain():
    names = iter(NAMES * 1000)
    cases = [Case("spacetime", velocity=p) for p in range(ref.MAX_POSITION + 1)]
    for page in [(4800, 6600), (6600, 4800)]:
        cases += [Case("spacetime", velocity=p, name=next(names), page=page) for p in range(ref.MAX_POSITION + 1)]
    for kind in GRID_KINDS:
        for decades in (1, 2, 3):
            cases.append(Case(kind, decades))
            cases += [Case(kind, decades, name=next(names), page=page) for page in FIXED_GRID_PAGES]
    return cases + resolution_cases() + threshold_cases() + random_cases(150) + millimetre_cases(40)


def quick_domain():
    cases = [Case("spacetime", velocity=p) for p in (0, 1, 33, 60, 89, 90)]
    cases += [Case("spacetime", velocity=p, name=NAMES[p % len(NAMES)], page=(4800, 6600)) for p in (0, 45, 60, 90)]
    cases += [Case("spacetime", velocity=p, name=NAMES[2], page=(6600, 4800)) for p in (0, 60, 90)]
    for kind in GRID_KINDS:
        for decades in (1, 2, 3):
            cases.append(Case(kind, decades))
            cases.append(Case(kind, decades, name=NAMES[decades], page=(4800, 6400)))
    cases += [
        Case("log", 1, page=(6400, 4799)), Case("log", 3, name=NAMES[2], page=(6400, 4799)),
        Case("semilog", 2, page=(6400, 4799)), Case("semilog", 1, page=(100, 100)),
        Case("log", 2, page=(100, 100)), Case("semilog", 3, name=NAMES[7], page=(20000, 100)),
        Case("semilog", 1, page=(20000, 100)), Case("semilog", 2, page=(100, 20000)),
        Case("log", 1, page=(20000, 20000)), Case("squared", 1, name=NAMES[4], page=(4799, 6400)),
    ]
    return (cases + resolution_cases()[1::2] + threshold_cases()[::18] + random_cases(20)
            + millimetre_cases(4)[::2])


def run_case(exe, case):
    """(passed, message) for one case."""
    expected = case.reference()
    try:
        result = subprocess.run([exe] + case.args() + ["--format", "trace", "-o", "-"],
                                capture_output=True, timeout=120)
    except subprocess.TimeoutExpired:
        return False, "timed out"
    if result.returncode != 0:
        return False, "exit status %d: %s" % (result.returncode,
                                              result.stderr.decode("utf-8", "replace").strip()[:500])
    text = result.stdout.decode("utf-8", "replace")
    actual = text.split("\n")
    if actual and actual[-1] == "":
        actual.pop()
    for number, (want, got) in enumerate(zip(expected, actual), start=1):
        if want != got:
            return False, "line %d\n  expected: %s\n  actual:   %s" % (number, want, got)
    if len(expected) != len(actual):
        number = min(len(expected), len(actual)) + 1
        want = expected[number - 1] if number <= len(expected) else "<end of trace>"
        got = actual[number - 1] if number <= len(actual) else "<end of trace>"
        return False, "line %d (%d lines expected, %d written)\n  expected: %s\n  actual:   %s" % (
            number, len(expected), len(actual), want, got)
    return True, ""


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("renderer", help="path to gridora-sheet")
    parser.add_argument("--quick", action="store_true", help="a smaller domain, for CI")
    parser.add_argument("--jobs", type=int, default=min(2, os.cpu_count() or 1))
    args = parser.parse_args(argv)
    exe = os.path.abspath(args.renderer)
    if not os.access(exe, os.X_OK):
        print("renderer not found or not executable: %s" % exe)
        return 2

    cases = quick_domain() if args.quick else full_domain()
    passed = failed = 0
    with concurrent.futures.ProcessPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        futures = [pool.submit(run_case, exe, case) for case in cases]
        for case, future in zip(cases, futures):
            ok, message = future.result()
            if ok:
                passed += 1
            else:
                failed += 1
                print("FAIL %s: %s" % (case, message), flush=True)
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

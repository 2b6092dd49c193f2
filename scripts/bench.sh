#!/usr/bin/env bash
# Builds Gridora's benchmarks in Release (in build-bench/, its own build
# directory) and prints one table of every figure: each median with the
# fastest and slowest repetition or run beside it, the floor measured in the
# same run, the ratio to it and the target. docs/performance.md explains it.
#
#   scripts/bench.sh            the whole table (about three minutes)
#   BENCH_QUICK=1 scripts/bench.sh
#                               fewer repetitions and runs, for a first look
#
# Environment: BENCH_BUILD_DIR (default build-bench), BENCH_REPETITIONS
# (Google Benchmark repetitions, default 5), BENCH_RUNS (whole-process runs,
# default 30), BENCH_KEEP=DIR keeps the raw JSON and logs there.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=${BENCH_BUILD_DIR:-build-bench}
reps=${BENCH_REPETITIONS:-5}
runs=${BENCH_RUNS:-30}
min_time=0.1
if [ -n "${BENCH_QUICK:-}" ]; then
  reps=${BENCH_REPETITIONS:-3}
  runs=${BENCH_RUNS:-10}
fi

for tool in cmake hyperfine python3; do
  command -v "$tool" >/dev/null || { echo "bench.sh: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "bench.sh: /usr/bin/time is missing (package 'time')" >&2; exit 1; }

echo "Building the benchmarks in $build (Release)..." >&2
cmake --preset bench -B "$build" >/dev/null
targets=(bench_samples bench_pages empty_sheet minimal_window gridora-sheet bench_window first_paint
  minimal_window_gridora_libs)
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null

work=${BENCH_KEEP:-$(mktemp -d)}
mkdir -p "$work"
[ -n "${BENCH_KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
mkdir -p -m 700 "$work/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
bin="$root/$build"

gbench() { # NAME EXECUTABLE [ARGS...]: one Google Benchmark run into NAME.json
  local name=$1
  shift
  echo "Running $name..." >&2
  "$@" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_min_time="$min_time" --benchmark_out="$work/$name.json" \
    --benchmark_out_format=json >"$work/$name.log" 2>&1 ||
    { cat "$work/$name.log" >&2; exit 1; }
}

gbench samples "$bin/bench/bench_samples"
gbench pages "$bin/bench/bench_pages" --benchmark_filter='^(pdf|png) '
gbench growth "$bin/bench/bench_pages" --benchmark_filter='^growth/'
gbench window "$bin/bench/bench_window"
gbench classset "$bin/bench/bench_pages" --benchmark_filter='^classset/'

sheet="$bin/src/cli/gridora-sheet"
echo "Timing whole processes..." >&2
hyperfine -N --warmup 3 --runs "$runs" --export-json "$work/sheet.json" \
  -n "floor" "$bin/bench/empty_sheet $work/empty.pdf" \
  -n "floor text" "$bin/bench/empty_sheet --text $work/label.pdf" \
  -n "log3" "$sheet --kind log --decades 3 --page 4800x6600 -o $work/log.pdf" >"$work/sheet.log" 2>&1
for i in $(seq 30); do echo "Pupil $i Example"; done >"$work/pupils.txt"
hyperfine -N --warmup 3 --runs "$runs" --export-json "$work/names.json" \
  -n "one" "$sheet --kind squared --paper a4 --dpi 600 --name Pupil -o $work/one.pdf" \
  -n "thirty" "$sheet --kind squared --paper a4 --dpi 600 --names-file $work/pupils.txt -o $work/thirty.pdf" \
  >"$work/names.log" 2>&1
startup=(-n "minimal" "$bin/bench/minimal_window" -n "minimal text" "$bin/bench/minimal_window --text"
  -n "minimal text libs" "$bin/bench/minimal_window_gridora_libs --text" -n "gridora" "$bin/bench/first_paint")
hyperfine -N --warmup 3 --runs "$runs" --export-json "$work/startup.json" "${startup[@]}" >"$work/startup.log" 2>&1

peak() { # Peak resident memory in KB of a command, the median of five runs.
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1
  done | sort -n | sed -n 3p
}
echo "Measuring peak memory..." >&2
{
  echo "log3_pdf $(peak "$sheet" --kind log --decades 3 --page 4800x6600 -o "$work/log.pdf")"
  echo "floor_pdf $(peak "$bin/bench/empty_sheet" "$work/empty.pdf")"
  echo "log3_png $(peak "$sheet" --kind log --decades 3 --paper letter --dpi 600 -o "$work/log.png")"
  echo "st60_png $(peak "$sheet" --kind spacetime --velocity 0.60 --paper letter --dpi 600 -o "$work/st.png")"
} >"$work/memory.txt"
for _ in 1 2 3 4 5; do "$bin/bench/first_paint" --phases 2>&1 | grep ' ms$'; done >"$work/phases.txt"

python3 - "$work" <<'PY'
import json, os, statistics, sys

work = sys.argv[1]

def load(name):
    """name -> {'median','min','max'} in ms, plus counters, from a benchmark JSON."""
    path = os.path.join(work, name + ".json")
    out = {}
    if not os.path.exists(path):
        return out
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    counters = ("bytes", "pixels", "label paints", "picture paints", "scroll bar paints")
    single = {}
    for b in json.load(open(path))["benchmarks"]:
        time = b["real_time"] * scale[b["time_unit"]]
        if b.get("run_type") != "aggregate":
            # One repetition reports no aggregates: its one run is all there is.
            single[b["run_name"]] = dict({"median": time, "min": time, "max": time},
                                         **{k: b[k] for k in counters if k in b})
            continue
        entry = out.setdefault(b["run_name"], {})
        entry[b["aggregate_name"]] = time
        for key in counters:
            if key in b and b["aggregate_name"] == "median":
                entry[key] = b[key]
    for name, entry in single.items():
        out.setdefault(name, entry)
    return out

samples, pages, growth = load("samples"), load("pages"), load("growth")
classset = load("classset")

def hyper(name):
    path = os.path.join(work, name + ".json")
    return {r["command"]: {"median": r["median"] * 1e3, "min": r["min"] * 1e3, "max": r["max"] * 1e3}
            for r in json.load(open(path))["results"]}

sheet, startup, names = hyper("sheet"), hyper("startup"), hyper("names")
memory = dict(line.split() for line in open(os.path.join(work, "memory.txt")))

rows = []
def row(section, figure, m, floor=None, target="", ok=None, extra=""):
    def ms(v):
        return "—" if v is None else (f"{v:.3f}" if v < 1 else f"{v:.2f}" if v < 100 else f"{v:.0f}")
    spread = "—" if m is None or "min" not in m else f"{ms(m['min'])} / {ms(m['max'])}"
    med = None if m is None else m.get("median")
    ratio = "—" if floor is None or med is None else f"{med / floor:.2f}"
    held = "" if ok is None else ("yes" if ok else "NO")
    rows.append((section, figure, ms(med), spread, ratio, extra, target, held))

# Samples: 357 x 397 image surface, against filling it white.
floor = samples["sample/floor"]["median"]
row("sample", "floor: fill 357x397 white", samples["sample/floor"])
for name in ["Squared", "Semi log 1", "Semi log 2", "Semi log 3", "Log 1x1", "Log 2x2", "Log 3x3",
             "Spacetime 0.00", "Spacetime 0.60", "Spacetime 0.90"]:
    m = samples["sample/" + name]
    row("sample", name, m, floor, "<= 0.25 ms, <= 4x",
        m["median"] <= 0.25 and m["median"] <= 4 * floor)
for name in ["Log 3x3", "Spacetime 0.00", "Spacetime 0.60", "Spacetime 0.90"]:
    m = samples.get("surface share/" + name)
    if m:
        row("sample", f"{name}: strokes replayed, surface only", m, floor, "(where the time goes)")

m = load("window")["window/scroll step"]
row("window", "scroll step: velocityChanged + repaint", m, None, "<= 1 ms", m["median"] <= 1.0,
    f"paints/step: picture {m.get('picture paints', 0):.0f}, label {m.get('label paints', 0):.0f}, "
    f"bar {m.get('scroll bar paints', 0):.0f}")

for device, label, floor_key in [("pdf 4800x6600", "PDF 4800x6600", None), ("png Letter 600 dpi", "PNG Letter 600 dpi", None)]:
    f = pages[f"{device}/floor"]
    row(device.split()[0], f"{label}: floor, empty page", f, None, "", None,
        f"{f['bytes'] / 1000:.1f} KB")
    for name in ["Squared", "Semi log 1", "Semi log 2", "Semi log 3", "Log 1x1", "Log 2x2", "Log 3x3",
                 "Spacetime 0.00", "Spacetime 0.60", "Spacetime 0.90"]:
        m = pages[f"{device}/{name}"]
        if device.startswith("pdf"):
            ok = m["median"] <= 10 and m["bytes"] <= 30000
            row("pdf", name, m, f["median"], "<= 10 ms, <= 30 KB", ok, f"{m['bytes'] / 1000:.1f} KB")
        else:
            ok = m["median"] <= 1.5 * f["median"]
            row("png", name, m, f["median"], "<= 1.5x", ok, f"{m['bytes'] / 1000:.1f} KB")

pixels = 5100 * 6600
for key, name in [("log3_png", "Log 3x3"), ("st60_png", "Spacetime 0.60")]:
    kb = int(memory[key])
    per_pixel = kb * 1024 / pixels
    row("png", f"{name}: peak memory, whole gridora-sheet", None, None, "< 2 B/px", per_pixel < 2,
        f"{kb / 1024:.1f} MB = {per_pixel:.2f} B per device pixel")

f, m = sheet["floor"], sheet["log3"]
row("process", "gridora-sheet floor: empty PDF page", f)
row("process", "gridora-sheet Log 3x3 to PDF", m, f["median"], "<= 1.5x", m["median"] <= 1.5 * f["median"])
t = sheet["floor text"]
row("process", "floor with one 5-point label on the page", t, f["median"], "(the cost of text)")
row("process", "gridora-sheet Log 3x3 against that", m, t["median"], "(the rest)")
log_kb, floor_kb = int(memory["log3_pdf"]), int(memory["floor_pdf"])
row("process", "gridora-sheet Log 3x3 to PDF: peak memory", None, None, "<= 40 MB", log_kb <= 40 * 1024,
    f"{log_kb / 1024:.1f} MB (floor {floor_kb / 1024:.1f} MB)")

for name in ["Squared", "Log 3x3", "Spacetime 0.60"]:
    single, whole = classset[f"classset/30 single pages/{name}"], classset[f"classset/set of 30/{name}"]
    row("class set", f"{name}: 30 single A4 600 dpi PDFs, one process", single, None, "", None,
        f"{single['bytes'] / 1000:.1f} KB in all")
    ok = whole["median"] <= 1.2 * single["median"] and whole["bytes"] <= 400000
    row("class set", f"{name}: one 30-page PDF", whole, single["median"], "<= 1.2x, <= 400 KB", ok,
        f"{whole['bytes'] / 1000:.1f} KB")
one, thirty = names["one"], names["thirty"]
row("class set", "gridora-sheet Squared A4 600 dpi, one page", one)
row("class set", "gridora-sheet --names-file, 30 names", thirty, one["median"], "<= 2x",
    thirty["median"] <= 2 * one["median"])

base = startup["minimal"]["median"]
row("start", "minimal window: floor", startup["minimal"])
row("start", "minimal window with one line of text", startup["minimal text"], base)
row("start", "same, loading Gridora's libraries", startup["minimal text libs"], base)
g = startup["gridora"]
row("start", "Gridora to first painted main window", g, base, "<= 1.5x", g["median"] <= 1.5 * base)
phases = {}
for line in open(os.path.join(work, "phases.txt")):
    name, value = line.rsplit(None, 2)[0].strip(), float(line.rsplit(None, 2)[1])
    phases.setdefault(name, []).append(value)
row("start", "  of which (in-process, medians)", None, None, "", None,
    ", ".join(f"{k} {statistics.median(v):.1f}" for k, v in phases.items()))

for device in ["pdf", "png"]:
    for dpi in [150, 300, 600, 1200]:
        prefix = f"growth/{device} Letter {dpi} dpi/"
        f = growth[prefix + "floor"]
        for name in ["Log 3x3", "Spacetime 0.60"]:
            m = growth[prefix + name]
            row("growth", f"{device.upper()} Letter {dpi} dpi, {name}", m, f["median"], "", None,
                f"floor {f['median']:.2f} ms, {m['bytes'] / 1000:.1f} KB")
for v in range(0, 91, 10):
    m = samples[f"growth/spacetime sample/{v}"]
    row("growth", f"Spacetime sample at 0.{v:02d} c", m, floor)

head = ("area", "figure", "median ms", "min / max ms", "x floor", "also", "target", "holds")
widths = [max(len(str(r[i])) for r in rows + [head]) for i in range(len(head))]
def line(r):
    return "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
print(line(head))
print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
for r in rows:
    print(line(r))
PY

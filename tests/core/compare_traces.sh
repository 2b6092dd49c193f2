#!/usr/bin/env bash
# Compares, byte for byte, the traces of a sweep of sheets as gridora-sheet
# writes them and as the core's trace program writes them:
#
#   compare_traces.sh GRIDORA_SHEET [RUNNER...] TRACE_SHEET
#
# RUNNER is node for the Emscripten build. Samples of every kind and size and
# of velocities across 0..90; pages of every kind at two or three sizes, with
# a name.
set -euo pipefail
sheet=$1
shift
core=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0 compared=0

name="Ada Lovelace"

compare() { # LABEL "SHEET OPTIONS" "CORE ARGUMENTS" [page]: a page carries the name
  local label=$1
  read -r -a options <<<"$2"
  read -r -a arguments <<<"$3"
  if [ "${4:-}" = page ]; then
    options+=(--name "$name")
    arguments+=("$name")
  fi
  "$sheet" "${options[@]}" --format trace -o "$work/native"
  "${core[@]}" "${arguments[@]}" >"$work/core"
  if ! cmp -s "$work/native" "$work/core"; then
    echo "traces differ: $label" >&2
    failed=1
  fi
  compared=$((compared + 1))
}

for kind in squared semilog log; do
  for decades in 1 2 3; do
    compare "$kind sample, $decades" "--kind $kind --decades $decades --sample" "sample $kind $decades 60"
    for page in 4800x6600 1275x1650; do
      compare "$kind page $page, $decades" "--kind $kind --decades $decades --page $page" \
        "page $kind $decades 60 ${page%x*} ${page#*x}" page
    done
  done
done
for velocity in 0 1 13 25 37 50 60 75 89 90; do
  v=$(printf '0.%02d' "$velocity")
  compare "spacetime sample $v" "--kind spacetime --velocity $v --sample" "sample spacetime 1 $velocity"
  compare "spacetime page $v" "--kind spacetime --velocity $v --page 4800x6600" \
    "page spacetime 1 $velocity 4800 6600" page
done
compare "millimetre sample" "--kind millimetre --sample" "sample millimetre 1 60"
for page in 4800x6600 1275x1650 6600x4800; do
  compare "millimetre page $page" "--kind millimetre --page $page" "page millimetre 1 60 ${page%x*} ${page#*x}" page
done
echo "$compared traces compared"
exit "$failed"

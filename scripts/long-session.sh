#!/usr/bin/env bash
# A long session, measured: bench/long_session (10,000 velocity scroll steps
# through the real main window, then 200 printed pages of the four kinds to a
# PDF printer) built optimised with debug symbols in build-long/, run once
# plainly for memory and time per block, then once under valgrind memcheck
# for leaks. Ends with a summary: resident memory and time per step or page in
# the first and last blocks, and valgrind's leak summary.
#
#   scripts/long-session.sh
#
# Environment: LONG_SESSION_BUILD_DIR (default build-long), LONG_SESSION_STEPS
# (10000), LONG_SESSION_PAGES (200), LONG_SESSION_KEEP=DIR keeps the outputs.
# Fails when the session fails, when valgrind finds a memory error, or when it
# finds memory definitely or indirectly lost that scripts/sanitizers/valgrind.supp
# does not put down to a third-party library.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=${LONG_SESSION_BUILD_DIR:-build-long}
steps=${LONG_SESSION_STEPS:-10000}
pages=${LONG_SESSION_PAGES:-200}
command -v valgrind >/dev/null || { echo "long-session.sh: valgrind is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }

echo "Building long_session in $build (Release, with symbols for valgrind)..." >&2
cmake --preset long-session -B "$build" >/dev/null
cmake --build "$build" -j2 --target long_session >/dev/null

work=${LONG_SESSION_KEEP:-$(mktemp -d)}
mkdir -p "$work"
[ -n "${LONG_SESSION_KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
mkdir -p -m 700 "$work/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
session=("$root/$build/bench/long_session" --steps "$steps" --pages "$pages")

echo "Running the session ($steps steps, $pages pages)..." >&2
start=$(date +%s)
"${session[@]}" | tee "$work/plain.txt"
echo "plain run: $(($(date +%s) - start)) s" >&2

echo "Running it again under valgrind memcheck..." >&2
start=$(date +%s)
vg_status=0
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect --error-exitcode=3 \
  --suppressions="$root/scripts/sanitizers/valgrind.supp" --num-callers=30 \
  --log-file="$work/valgrind.txt" "${session[@]}" >"$work/valgrind-session.txt" || vg_status=$?
echo "valgrind run: $(($(date +%s) - start)) s" >&2

block() { # KIND first|last COLUMN: a column of the first or last block of KIND
  awk -v kind="$1" -v col="$3" '$1 == kind && $2 ~ /^[0-9]+$/ { print $col }' "$work/plain.txt" |
    if [ "$2" = first ]; then head -n 1; else tail -n 1; fi
}
echo
echo "Summary ($(date -u +%F), $steps steps, $pages pages)"
echo "  RSS, steps:   first block $(block steps first 3) KiB, last block $(block steps last 3) KiB"
echo "  time/step:    first block $(block steps first 4) us, last block $(block steps last 4) us"
echo "  RSS, pages:   first block $(block pages first 3) KiB, last block $(block pages last 3) KiB"
echo "  time/page:    first block $(block pages first 4) ms, last block $(block pages last 4) ms"
echo "  valgrind:"
sed -n -e 's/^==[0-9]*== *//' -e '/definitely lost:/p' -e '/indirectly lost:/p' -e '/possibly lost:/p' \
  -e '/still reachable:/p' -e '/suppressed:/p' -e '/ERROR SUMMARY/p' "$work/valgrind.txt" | awk '!seen[$0]++ { print "    " $0 }'
if [ "$vg_status" -ne 0 ]; then
  echo "long-session.sh: valgrind found errors or leaks (exit $vg_status):" >&2
  cat "$work/valgrind.txt" >&2
  exit 1
fi

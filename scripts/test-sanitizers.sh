#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ (the "asan" preset) and runs every test there. Any report fails the run: a
# sanitizer stops the process at its first finding, and because a test may
# run a program whose failure it expects (gridora-sheet refusing bad options,
# say), every report is also written to a log file and the run fails if any
# log exists at the end, whatever the tests said.
#
#   scripts/test-sanitizers.sh [CTEST ARGS...]     e.g. -R app_ to run some
#
# Leaks that third-party libraries keep on purpose are suppressed in
# scripts/sanitizers/lsan.supp, which the fuzz targets share; nothing of
# Gridora's is.
# Environment: SANITIZE_BUILD_DIR (default build-asan), SANITIZE_JOBS
# (default: the number of processors). With $CI set, warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=${SANITIZE_BUILD_DIR:-build-asan}
jobs=${SANITIZE_JOBS:-$(nproc)}
logs="$root/$build/sanitizer-logs"
rm -rf "$logs"
mkdir -p "$logs"

# halt_on_error with -fno-sanitize-recover: the first report ends the process.
# Catching a use of a returned frame costs about a quarter more test time.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_odr_violation=2:log_path=$logs/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$logs/ubsan"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitizers/lsan.supp:print_suppressions=0"

show_reports() {
  local found=0
  for report in "$logs"/*; do
    [ -e "$report" ] || continue
    found=1
    echo "=== sanitizer report: $(basename "$report")" >&2
    cat "$report" >&2
  done
  return $found
}

status=0
# The preset says why g++, float-cast-overflow and a static libubsan.
cmake --preset asan -B "$build" >/dev/null
# Test discovery runs the test programs while building, under the sanitizers.
cmake --build "$build" -j"$jobs" || status=$?
if [ "$status" -eq 0 ]; then
  ctest --test-dir "$build" --output-on-failure -j"$jobs" "$@" || status=$?
fi
if ! show_reports; then
  echo "test-sanitizers: the sanitizers reported the faults above" >&2
  [ "$status" -ne 0 ] || status=1
fi
[ "$status" -eq 0 ] && echo "test-sanitizers: every test passed with no sanitizer report"
exit "$status"

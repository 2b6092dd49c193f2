#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs every test there. Any report fails the run: a
# sanitizer stops the process at its first finding, and because a test may
# run a program whose failure it expects (gridora-sheet refusing bad options,
# say), every report is also written to a log file and the run fails if any
# log exists at the end, whatever the tests said.
#
#   scripts/test-sanitizers.sh [CTEST ARGS...]     e.g. -R app_ to run some
#
# Leaks inside third-party libraries (fontconfig, Qt's caches, libcups...)
# are suppressed in scripts/sanitizers/lsan.supp; nothing of Gridora's is.
# Environment: SANITIZE_BUILD_DIR (default build-asan), SANITIZE_JOBS
# (default: the number of processors). With $CI set, warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=${SANITIZE_BUILD_DIR:-build-asan}
jobs=${SANITIZE_JOBS:-$(nproc)}
werror=OFF
[ -n "${CI:-}" ] && werror=ON

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
# g++'s -fsanitize=undefined leaves out float-to-integer conversions that do
# not fit, and every device coordinate is such a conversion: check them too.
# With libubsan linked as a shared library beside libasan, g++ 12's UBSan
# ignores log_path and reports only on standard error, where a test that runs
# gridora-sheet may swallow it; linked statically it writes its log file.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
  -DCMAKE_CXX_FLAGS=-fsanitize=float-cast-overflow -DCMAKE_EXE_LINKER_FLAGS=-static-libubsan \
  -DGRIDORA_SANITIZE=ON -DGRIDORA_BUILD_TESTS=ON -DGRIDORA_BUILD_BENCH=OFF -DGRIDORA_WEB=OFF -DGRIDORA_WERROR="$werror" >/dev/null
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

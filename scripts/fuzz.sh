#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset: build-fuzz, clang,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60) from a
# copy of its seed corpus. Fails on any crash, hang (-timeout=10), leak,
# memory blow-up or sanitizer report. New corpus entries and crash inputs go
# to a temporary directory, never into the repository; it is kept, and named,
# when a target fails. Warnings are errors under CI.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
# gridora-sheet built by clang must not need the printing libraries.
ctest --test-dir build-fuzz --output-on-failure

work=$(mktemp -d "${TMPDIR:-/tmp}/gridora-fuzz.XXXXXX")
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" # Qt wants one; there is no session
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitizers/lsan.supp:print_suppressions=0"

failed=()
for target in canvas sheets options; do
  corpus="$work/corpus-$target"
  mkdir -p "$corpus"
  cp "fuzz/corpus/$target/"* "$corpus/"
  extra=()
  [ "$target" = options ] && extra+=("-dict=$root/fuzz/options.dict")
  log="$work/$target.log"
  echo "== fuzz_$target: ${seconds}s from $(ls "$corpus" | wc -l) seed inputs"
  status=0
  # -timeout fails a slow input; the outer timeout only guards against a
  # fuzzer that stops answering altogether.
  timeout --kill-after=30 $((seconds + 300)) \
    "build-fuzz/fuzz/fuzz_$target" "${extra[@]}" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -print_final_stats=1 -artifact_prefix="$work/$target-" \
      "$corpus" </dev/null >"$log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$target FAILED (exit status $status); the end of its log:"
    tail -n 60 "$log"
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing failed for: ${failed[*]}; logs and crash inputs in $work"
  exit 1
fi
rm -rf "$work"
echo "fuzzing: all targets ran ${seconds}s each without a finding"

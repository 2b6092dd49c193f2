#!/usr/bin/env bash
# gridora-sheet draws sheets to files: it must not need the printing or widget
# libraries at run time. Debian's g++ links with --as-needed and would hide a
# printing library dragged in by a dependency; clang does not, so both builds
# run this check on their own gridora-sheet.
#
#   tests/cli/needed_libraries.sh PROGRAM
set -euo pipefail
program=${1:?usage: needed_libraries.sh PROGRAM}

needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
# A program that needs nothing at all was not read properly.
grep -q '^libQt6Gui\.so' <<<"$needed" || { echo "$program: no libQt6Gui among its NEEDED entries:" >&2; echo "$needed" >&2; exit 1; }

forbidden=$(echo "$needed" | grep -E '^(libQt6PrintSupport|libQt6Widgets|libcups)\.so' || true)
if [ -n "$forbidden" ]; then
  echo "$program needs libraries it has no use for:" >&2
  echo "$forbidden" >&2
  exit 1
fi
echo "$program needs: $(echo "$needed" | tr '\n' ' ')"

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, the
# portable core built with em++ and tested under node (scripts/test-wasm.sh), the
# same suite again under AddressSanitizer and UndefinedBehaviorSanitizer, each
# libFuzzer target for a minute, and the Debian package's build and checks.
#
#   scripts/test.sh            everything, as CI runs it
#   scripts/test.sh --quick    the main suite only, for day-to-day work
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
case "${1:-}" in
  --quick) quick=1 ;;
  "") ;;
  *) echo "usage: scripts/test.sh [--quick]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --preset dev -j"$(nproc)"
[ "$quick" = 1 ] && exit 0
bash scripts/test-wasm.sh build
bash scripts/test-sanitizers.sh
bash scripts/fuzz.sh 60
bash scripts/package.sh

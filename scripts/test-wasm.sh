#!/usr/bin/env bash
# Runs, under node, the tests of the portable core as Emscripten builds it for
# the browser: the native build's own Emscripten tree (BUILD/wasm, the tree the
# site's WebAssembly comes from, configured and built by the native build's
# web target) gains the test programs here and runs the exact arithmetic's
# tests and a comparison of the core's traces with the native gridora-sheet's,
# byte for byte. Works offline with Debian 12's emscripten, nodejs and
# libboost-dev.
#
#   scripts/test-wasm.sh [NATIVE_BUILD_DIR]     (default: build, already built)
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build}
tree="$native/wasm"
[ -f "$tree/CMakeCache.txt" ] ||
  { echo "test-wasm.sh: $tree is missing: build $native with the browser version first (scripts/build.sh)" >&2; exit 1; }

# Debian's Emscripten finds its JavaScript modules (acorn and the rest) here.
export NODE_PATH=/usr/share/nodejs
cmake --build "$tree" -j"$(nproc)"
ctest --test-dir "$tree" --output-on-failure

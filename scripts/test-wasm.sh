#!/usr/bin/env bash
# Builds the portable core (no Qt, no GMP, no CUPS) with Emscripten's em++ in
# build-wasm/ and runs, under node, the exact arithmetic's tests and a
# comparison of the core's traces with the native gridora-sheet's, byte for
# byte. Works offline with Debian 12's emscripten, nodejs and libboost-dev.
#
#   scripts/test-wasm.sh [NATIVE_BUILD_DIR]     (default: build, already built)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
native=${1:-build}
sheet="$root/$native/src/cli/gridora-sheet"
[ -x "$sheet" ] || { echo "test-wasm.sh: build $native first (scripts/build.sh): $sheet is missing" >&2; exit 1; }
for tool in emcmake em++ node; do
  command -v "$tool" >/dev/null || { echo "test-wasm.sh: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

# Debian's Emscripten finds its JavaScript modules (acorn and the rest) here.
export NODE_PATH=/usr/share/nodejs
build=build-wasm
# Boost reached through a folder that holds only a link to it: /usr/include
# itself would put glibc's headers before Emscripten's.
boost="$root/$build/boost-include"
mkdir -p "$boost"
ln -sfn /usr/include/boost "$boost/boost"

emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DGRIDORA_CORE_ONLY=ON -DGRIDORA_WERROR=ON \
  -DGRIDORA_BOOST_INCLUDE_DIR="$boost" -DGRIDORA_NATIVE_SHEET="$sheet" -DGRIDORA_NODE="$(command -v node)" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure

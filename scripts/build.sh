#!/usr/bin/env bash
# Configures and builds Gridora in ./build with the "dev" preset
# (CMakePresets.json; warnings are errors when $CI is set).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"

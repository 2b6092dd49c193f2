#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, the
# same suite again under AddressSanitizer and UndefinedBehaviorSanitizer, each
# libFuzzer target for a minute, and the Debian package's build and checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
bash scripts/test-sanitizers.sh
bash scripts/fuzz.sh 60
bash scripts/package.sh

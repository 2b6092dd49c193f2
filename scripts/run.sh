#!/usr/bin/env bash
# Installs what is missing, builds, and starts Gridora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/src/app/gridora ]; then
  exec build/src/app/gridora
fi
# No desktop program in this build: show what the renderer draws instead.
mkdir -p gridora-samples
for kind in squared semilog log spacetime; do
  build/src/cli/gridora-sheet --kind "$kind" --sample -o "gridora-samples/$kind.png"
done
echo "Samples written to $(pwd)/gridora-samples/"

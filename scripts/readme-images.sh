#!/usr/bin/env bash
# Renders the pictures of the sheets with the project's own renderer:
#   docs/images/sheets.png           the README's row of the five samples
#   docs/images/sheet-<kind>.png     one sample per kind, for the user guide
# Usage: scripts/readme-images.sh [GRIDORA-SHEET]   (default: build/src/cli/gridora-sheet)
set -euo pipefail
cd "$(dirname "$0")/.."
sheet=${1:-build/src/cli/gridora-sheet}
[ -x "$sheet" ] || { echo "readme-images: no renderer at $sheet; build it first" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
$sheet --kind squared --sample -o "$tmp/1.png"
$sheet --kind semilog --decades 2 --sample -o "$tmp/2.png"
$sheet --kind log --decades 2 --sample -o "$tmp/3.png"
$sheet --kind spacetime --velocity 0.60 --sample -o "$tmp/4.png"
$sheet --kind millimetre --sample -o "$tmp/5.png"
convert "$tmp/1.png" "$tmp/2.png" "$tmp/3.png" "$tmp/4.png" "$tmp/5.png" -bordercolor '#FEFDC7' -border 6 +append \
  docs/images/sheets.png
cp "$tmp/1.png" docs/images/sheet-squared.png
cp "$tmp/2.png" docs/images/sheet-semilog.png
cp "$tmp/3.png" docs/images/sheet-log.png
cp "$tmp/4.png" docs/images/sheet-spacetime.png
cp "$tmp/5.png" docs/images/sheet-millimetre.png

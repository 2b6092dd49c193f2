#!/usr/bin/env bash
# Renders the README's picture of the four sheets with the project's own renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
sheet=build/src/cli/gridora-sheet
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
$sheet --kind squared --sample -o "$tmp/1.png"
$sheet --kind semilog --decades 2 --sample -o "$tmp/2.png"
$sheet --kind log --decades 2 --sample -o "$tmp/3.png"
$sheet --kind spacetime --velocity 0.60 --sample -o "$tmp/4.png"
convert "$tmp/1.png" "$tmp/2.png" "$tmp/3.png" "$tmp/4.png" -bordercolor '#FEFDC7' -border 6 +append docs/images/sheets.png

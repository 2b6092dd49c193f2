#!/usr/bin/env bash
# Gathers every text the user reads into the catalogues,
# translations/gridora_LANG.ts, keeping every translation already made. Run it
# after changing such a text, then translate what it marks unfinished (Qt
# Linguist, or any editor).
#
#   update-translations.sh [FOLDER]   writes FOLDER/gridora_LANG.ts instead
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/translations}
lupdate=${GRIDORA_LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}

for language in de fr es; do
  "$lupdate" -silent -no-obsolete -locations none -source-language en -target-language "$language" \
    "$root/src" -ts "$out/gridora_$language.ts"
done

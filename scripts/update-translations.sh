#!/usr/bin/env bash
# Gathers every text the user reads (the window, the dialogs, the messages,
# the browser page, and the desktop entry's words) into the catalogues,
# translations/gridora_LANG.ts, keeping every translation already made. Run it
# after changing such a text, then translate what it marks unfinished (Qt
# Linguist, or any editor).
#
#   update-translations.sh [FOLDER]   writes FOLDER/gridora_LANG.ts instead
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/translations}
lupdate=${GRIDORA_LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}

# lupdate reads C++ (and not the browser's modules): the browser page's
# texts and the desktop entry's words are handed to it as marks in scratch
# files, which nothing builds.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
node "$root/web/tools/page-texts.mjs" --source "$root" --marks "$scratch/browser-page.cpp"
python3 "$root/packaging/tools/entry_translations.py" marks "$root/packaging/org.gridora.gridora.desktop" \
  "$root/packaging/org.gridora.gridora.metainfo.xml.in" "$scratch/desktop-entry.cpp"

for language in de fr es; do
  "$lupdate" -silent -no-obsolete -locations none -source-language en -target-language "$language" \
    -tr-function-alias QT_TRANSLATE_NOOP+=GRIDORA_TRANSLATABLE \
    "$root/src" "$scratch" -ts "$out/gridora_$language.ts"
done

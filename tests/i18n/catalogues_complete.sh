#!/usr/bin/env bash
# Every catalogue holds every text the code marks, and no other, and lrelease
# finds nothing in it unfinished or untranslated.
#   catalogues_complete.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$source_dir"/translations/gridora_*.ts "$scratch/"
bash "$source_dir/scripts/update-translations.sh" "$scratch"

status=0
for ts in "$source_dir"/translations/gridora_*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$scratch/$name"; then
    echo "translations/$name is not up to date with the code: run scripts/update-translations.sh"
    diff "$ts" "$scratch/$name" | head -20
    status=1
  fi
  report=$("${GRIDORA_LRELEASE:-/usr/lib/qt6/bin/lrelease}" "$scratch/$name" -qm "$scratch/${name%.ts}.qm")
  if ! grep -q " 0 unfinished)" <<<"$report" || grep -q "untranslated" <<<"$report"; then
    echo "translations/$name is not finished:"
    echo "$report"
    status=1
  fi
done
exit $status

#!/usr/bin/env bash
# The built desktop entry and metainfo pass their validators, and carry the
# words of every catalogue's language.
#   desktop_entry.sh DESKTOP_FILE METAINFO_FILE LANGUAGE...
set -euo pipefail
desktop=$1
metainfo=$2
shift 2
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
status=0
for language in "$@"; do
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$desktop" || { echo "no $key[$language] in $desktop"; status=1; }
  done
  grep -q "<summary xml:lang=\"$language\">" "$metainfo" || { echo "no $language summary in $metainfo"; status=1; }
done
exit $status

#!/usr/bin/env bash
# scripts/cups-stop.sh takes away the print server scripts/cups-start.sh
# brought up: the scheduler whose number it recorded has gone, and so have
# its folder and its cups-pdf settings. Runs a scheduler of its own in a
# scratch folder, apart from the printing tests' one.
#
#   cups_start_stop.sh SOURCE_DIR
set -euo pipefail
source_dir=$1

if [ "$(id -u)" != 0 ]; then
  echo "needs root, as the printing tests do" >&2
  exit 77
fi

export GRIDORA_CUPS_DIR
GRIDORA_CUPS_DIR=$(mktemp -d /tmp/gridora-cups-stop.XXXXXX)
export CUPS_SERVER=$GRIDORA_CUPS_DIR/cups.sock CUPS_SERVERROOT=$GRIDORA_CUPS_DIR/etc
settings=/etc/cups/cups-pdf-$(basename "$GRIDORA_CUPS_DIR").conf
pid=
cleanup() { # whatever the outcome, nothing of this run stays behind
  [ -n "$pid" ] && [ -e "/proc/$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$GRIDORA_CUPS_DIR"
  rm -f "$settings"
}
trap cleanup EXIT

bash "$source_dir/scripts/cups-start.sh" >/dev/null
pid=$(cat "$GRIDORA_CUPS_DIR/run/cupsd.pid")
[ -e "/proc/$pid" ] || { echo "FAIL: no scheduler runs as the recorded $pid" >&2; exit 1; }

bash "$source_dir/scripts/cups-stop.sh"
if [ -e "/proc/$pid" ] && ! grep -q '^[^)]*) Z' "/proc/$pid/stat" 2>/dev/null; then
  echo "FAIL: the scheduler $pid still runs: $(tr '\0' ' ' <"/proc/$pid/cmdline")" >&2
  exit 1
fi
for left in "$GRIDORA_CUPS_DIR" "$settings"; do
  [ ! -e "$left" ] || { echo "FAIL: $left is still there" >&2; exit 1; }
done
echo "stopped $pid and took its folder away"

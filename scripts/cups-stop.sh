#!/usr/bin/env bash
# Takes away what scripts/cups-start.sh made for $GRIDORA_CUPS_DIR: its
# scheduler (with every queue and job in it), its cups-pdf settings in
# /etc/cups and the folder itself. Safe to run again, and when start never ran.
set -euo pipefail

state=${GRIDORA_CUPS_DIR:-/tmp/gridora-cups}
instance=$(basename "$state")

# Running, and not merely a finished process waiting to be reaped.
alive() { [ -e "/proc/$1" ] && ! grep -q '^[^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

# The scheduler by the process id it recorded, and only while that process is
# a cupsd reading this folder's configuration: a stale file's number may
# belong to another process by now. (cupsd runs itself again with -C in
# place of -c once it has left the terminal, so no flag is matched.)
ours() {
  [ "$(cat "/proc/$1/comm" 2>/dev/null)" = cupsd ] &&
    tr '\0' '\n' <"/proc/$1/cmdline" 2>/dev/null | grep -qxF -- "$state/etc/cupsd.conf"
}

if [ -s "$state/run/cupsd.pid" ]; then
  pid=$(cat "$state/run/cupsd.pid")
  if [[ $pid =~ ^[0-9]+$ ]] && ours "$pid"; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 600); do
      alive "$pid" || break
      sleep 0.1
    done
  fi
fi

rm -f "/etc/cups/cups-pdf-$instance.conf"
rm -rf "$state"

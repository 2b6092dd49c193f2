#!/usr/bin/env bash
# Takes away what scripts/cups-start.sh made for $GRIDORA_CUPS_DIR: its
# scheduler (with every queue and job in it), its cups-pdf settings in
# /etc/cups and the folder itself. Safe to run again, and when start never ran.
set -euo pipefail

state=${GRIDORA_CUPS_DIR:-/tmp/gridora-cups}
instance=$(basename "$state")

# Running, and not merely a finished process waiting to be reaped.
alive() { [ -e "/proc/$1" ] && ! grep -q '^[^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

if [ -s "$state/run/cupsd.pid" ]; then
  pid=$(cat "$state/run/cupsd.pid")
  # Only the scheduler started on this folder's configuration.
  if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF -- "-c $state/etc/cupsd.conf"; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 600); do
      alive "$pid" || break
      sleep 0.1
    done
  fi
fi

rm -f "/etc/cups/cups-pdf-$instance.conf"
rm -rf "$state"

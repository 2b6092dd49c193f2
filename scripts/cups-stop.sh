#!/usr/bin/env bash
# Takes away what scripts/cups-start.sh added: the "GridoraPDF" queue and the
# other test queues (with any jobs left in them), the default printer setting, and the scheduler if it
# started one. Safe to run again, and when start never ran.
set -euo pipefail

queue=GridoraPDF
state=/tmp/gridora-cups
[ -d "$state" ] || exit 0

running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

if running; then
  if [ -e "$state/queue-added" ] && lpstat -p "$queue" >/dev/null 2>&1; then
    cancel -a "$queue" 2>/dev/null || true
    lpadmin -x "$queue" || true
  fi
  while read -r extra; do
    cancel -a "$extra" 2>/dev/null || true
    lpadmin -x "$extra" 2>/dev/null || true
  done < <(cat "$state/extra-queues" 2>/dev/null || true)
  previous=$(cat "$state/previous-default" 2>/dev/null || true)
  if [ -n "$previous" ] && [ "$previous" != "$queue" ] && lpstat -p "$previous" >/dev/null 2>&1; then
    lpadmin -d "$previous" || true
  fi
fi

if [ -s "$state/cupsd.pid" ]; then
  pid=$(cat "$state/cupsd.pid")
  # Only the scheduler this script's partner started, and only if it still runs.
  if [ "$(cat "/proc/$pid/comm" 2>/dev/null || true)" = cupsd ]; then
    kill "$pid"
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
fi

rm -rf "$state"

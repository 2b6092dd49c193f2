#!/usr/bin/env bash
# Brings up a print service for Gridora's printing tests: a CUPS scheduler
# listening on this machine only (127.0.0.1:631 and the local socket), with a
# cups-pdf queue "GridoraPDF" as the default printer. cups-pdf writes each job
# as a PDF into the submitting user's ~/PDF (see /etc/cups/cups-pdf.conf).
#
# Safe to run again: a scheduler or queue that is already there is kept.
# scripts/cups-stop.sh takes away exactly what this added; what it needs for
# that is kept in $state.
set -euo pipefail

queue=GridoraPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
state=/tmp/gridora-cups
mkdir -p "$state"

running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

if ! running; then
  # The system's configuration, listening on loopback only, without browsing,
  # the web interface or the idle exit of an on-demand start.
  {
    echo "Listen 127.0.0.1:631"
    echo "Listen /run/cups/cups.sock"
    echo "Browsing No"
    echo "WebInterface No"
    sed -E -e '/^[[:space:]]*(Listen|Port|Browsing|BrowseLocalProtocols|WebInterface|IdleExitTimeout)[[:space:]]/d' \
      /etc/cups/cupsd.conf
  } >"$state/cupsd.conf"
  mkdir -p /run/cups
  rm -f /run/cups/cupsd.pid
  cupsd -c "$state/cupsd.conf" -s /etc/cups/cups-files.conf
  for _ in $(seq 100); do
    running && break
    sleep 0.1
  done
  running || { echo "cups-start: the scheduler did not come up" >&2; exit 1; }
  for _ in $(seq 50); do
    [ -s /run/cups/cupsd.pid ] && break
    sleep 0.1
  done
  cp /run/cups/cupsd.pid "$state/cupsd.pid"
fi

if [ ! -e "$state/previous-default" ]; then
  lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' >"$state/previous-default" || true
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  # lpadmin warns that printer drivers are deprecated; that is expected here.
  lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2> >(grep -v 'drivers are deprecated' >&2)
  touch "$state/queue-added"
fi

# More cups-pdf queues, each with defaults of its own, made from copies of the
# driver's PPD: "GridoraLetter" with US Letter paper and a printable area
# inside margins of 18 and 36 points, "Gridora600" and "Gridora1200" with
# those resolutions. They are never the default printer.
extra_queue() { # name, sed script applied to the PPD
  local name=$1 edit=$2
  lpstat -p "$name" >/dev/null 2>&1 && return 0
  sed -e "$edit" "$ppd" >"$state/$name.ppd"
  lpadmin -p "$name" -E -v cups-pdf:/ -P "$state/$name.ppd" 2> >(grep -v 'drivers are deprecated' >&2)
  echo "$name" >>"$state/extra-queues"
}
extra_queue GridoraLetter 's/^\*Default\(PageSize\|PageRegion\|ImageableArea\|PaperDimension\): A4/*Default\1: Letter/; s|^\*ImageableArea Letter/US Letter: .*|*ImageableArea Letter/US Letter: "18 36 594 756"|'
extra_queue Gridora600 's/^\*DefaultResolution: .*/*DefaultResolution: 600dpi/'
extra_queue Gridora1200 's/^\*DefaultResolution: .*/*DefaultResolution: 1200dpi/'

lpadmin -d "$queue"

for _ in $(seq 50); do
  lpstat -a "$queue" 2>/dev/null | grep -q "accepting requests" && break
  sleep 0.1
done
lpstat -d

#!/usr/bin/env bash
# Brings up a print service of its own for Gridora's printing tests: a CUPS
# scheduler with its own configuration, spool and state in $GRIDORA_CUPS_DIR,
# reached only through the local socket $GRIDORA_CUPS_DIR/cups.sock (no
# network port), with a cups-pdf queue "GridoraPDF" as its default printer.
# Clients find it through CUPS_SERVER, and its queues' PPD files through
# CUPS_SERVERROOT ($GRIDORA_CUPS_DIR/etc), both set in the tests' environment:
# without the latter, libcups would ask for a PPD on port 631 of this machine.
#
# Each build tree has its own folder (CMake derives it from the build
# directory), so two build trees, or two people on one machine, never share a
# scheduler, a queue or the folder the pages arrive in. The machine's own
# print service, if any, is left alone.
#
# cups-pdf reads an instance's settings only from /etc/cups: the one file this
# puts there is /etc/cups/cups-pdf-<folder name>.conf, which sends the pages
# of this scheduler's queues to $GRIDORA_CUPS_DIR/pdf.
#
# Safe to run again: a scheduler or queue that is already there is kept.
# scripts/cups-stop.sh takes all of it away.
set -euo pipefail

state=${GRIDORA_CUPS_DIR:-/tmp/gridora-cups}
export CUPS_SERVER=$state/cups.sock CUPS_SERVERROOT=$state/etc
instance=$(basename "$state")
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
queue=GridoraPDF

mkdir -p "$state"/etc "$state"/spool/tmp "$state"/cache "$state"/run "$state"/log "$state"/pdf "$state"/pdf-spool

running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

# Waits up to 60 s for a condition: a loaded machine may take long, and an
# idle one is not made to wait.
wait_for() {
  for _ in $(seq 600); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

{
  grep -v -E '^[[:space:]]*(Out|AnonDirName|Spool|Log)[[:space:]]' /etc/cups/cups-pdf.conf
  echo "Out $state/pdf"
  echo "AnonDirName $state/pdf"
  echo "Spool $state/pdf-spool"
  echo "Log $state/log"
} >"/etc/cups/cups-pdf-$instance.conf"

if ! running; then
  # The system's settings, with every file and folder moved into $state and
  # the local socket as the only listener; no browsing, web interface or
  # idle exit.
  {
    echo "Listen $state/cups.sock"
    echo "Browsing No"
    echo "WebInterface No"
    sed -E -e '/^[[:space:]]*(Listen|Port|Browsing|BrowseLocalProtocols|WebInterface|IdleExitTimeout)[[:space:]]/d' \
      /etc/cups/cupsd.conf
  } >"$state/etc/cupsd.conf"
  {
    sed -E -e '/^[[:space:]]*(ServerRoot|RequestRoot|TempDir|StateDir|CacheDir|AccessLog|ErrorLog|PageLog)[[:space:]]/d' \
      /etc/cups/cups-files.conf
    echo "ServerRoot $state/etc"
    echo "RequestRoot $state/spool"
    echo "TempDir $state/spool/tmp"
    echo "StateDir $state/run"
    echo "CacheDir $state/cache"
    echo "AccessLog $state/log/access_log"
    echo "ErrorLog $state/log/error_log"
    echo "PageLog $state/log/page_log"
  } >"$state/etc/cups-files.conf"
  cp /etc/cups/*.types /etc/cups/*.convs "$state/etc/" 2>/dev/null || true
  rm -f "$state/run/cupsd.pid"
  cupsd -c "$state/etc/cupsd.conf" -s "$state/etc/cups-files.conf"
  wait_for running || { echo "cups-start: the scheduler did not come up" >&2; exit 1; }
  wait_for test -s "$state/run/cupsd.pid"
fi

add_queue() { # name, PPD
  lpstat -p "$1" >/dev/null 2>&1 && return 0
  # lpadmin warns that printer drivers are deprecated; that is expected here.
  lpadmin -p "$1" -E -v "cups-pdf:/$instance" -P "$2" 2> >(grep -v 'drivers are deprecated' >&2)
}

add_queue "$queue" "$ppd"

# More cups-pdf queues, each with defaults of its own, made from copies of the
# driver's PPD: "GridoraLetter" with US Letter paper and a printable area
# inside margins of 18 and 36 points, "Gridora600" and "Gridora1200" with
# those resolutions. They are never the default printer.
extra_queue() { # name, sed script applied to the PPD
  sed -e "$2" "$ppd" >"$state/$1.ppd"
  add_queue "$1" "$state/$1.ppd"
}
extra_queue GridoraLetter 's/^\*Default\(PageSize\|PageRegion\|ImageableArea\|PaperDimension\): A4/*Default\1: Letter/; s|^\*ImageableArea Letter/US Letter: .*|*ImageableArea Letter/US Letter: "18 36 594 756"|'
extra_queue Gridora600 's/^\*DefaultResolution: .*/*DefaultResolution: 600dpi/'
extra_queue Gridora1200 's/^\*DefaultResolution: .*/*DefaultResolution: 1200dpi/'

lpadmin -d "$queue"

accepting() { lpstat -a "$queue" 2>/dev/null | grep -q "accepting requests"; }
wait_for accepting || { echo "cups-start: $queue does not accept pages" >&2; exit 1; }
lpstat -d

#!/usr/bin/env bash
# Runs screen_reader.py against the real program the way a screen reader
# meets it: on a virtual X display, with a private session bus whose
# accessibility bus (at-spi2-core) the program's toolkit and the script talk
# over. Nothing here touches the desktop the tests were started from.
#
#   run.sh PROGRAM SCRIPT [CATALOGUE.ts]
set -euo pipefail
program=$1
script=$2
catalogue=${3:-}
python=${GRIDORA_SYSTEM_PYTHON:-/usr/bin/python3}

if [ "${GRIDORA_INSIDE_SESSION:-}" != 1 ]; then
  runtime=$(mktemp -d /tmp/gridora-a11y.XXXXXX)
  xvfb=
  cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$runtime"
  }
  trap cleanup EXIT
  # The server picks a free display itself and writes its number once it
  # accepts clients, so parallel runs never race for one. It never resets:
  # by default an X server resets whenever its last client leaves (the
  # accessibility bus's launcher is one), and a program connecting just then
  # is turned away ("could not connect to display").
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$runtime/display" 2>"$runtime/xvfb.log" &
  xvfb=$!
  for _ in $(seq 600); do
    [ -s "$runtime/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$runtime/xvfb.log" >&2; exit 1; }
    sleep 0.1
  done
  [ -s "$runtime/display" ] || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$runtime/display")" XDG_RUNTIME_DIR=$runtime GRIDORA_INSIDE_SESSION=1
  chmod 700 "$runtime"
  dbus-run-session -- "$0" "$program" "$script" $catalogue
  exit
fi

# Qt only opens its accessibility bridge when a screen reader is said to run.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset NO_AT_BRIDGE QT_ACCESSIBILITY
exec "$python" "$script" "$program" $catalogue

#!/usr/bin/env bash
# Takes the README's pictures of the main window from the real program on a
# virtual screen:
#   docs/screenshots/main-grid.png       as the program starts ("Squared")
#   docs/screenshots/main-spacetime.png  after choosing "Spacetime" with the keyboard
#   docs/screenshots/main-spacetime-LANG.png  the same in German, French, Spanish
# Usage: scripts/screenshots.sh [PROGRAM]   (default: build/src/app/gridora)
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/src/app/gridora}
out=docs/screenshots
screen=:99
[ -x "$program" ] || { echo "screenshots: no program at $program; build it first" >&2; exit 1; }
mkdir -p "$out"

xvfb_pid=
app_pid=
finish() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap finish EXIT

Xvfb "$screen" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$screen
for _ in $(seq 100); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done
kill -0 "$xvfb_pid" 2>/dev/null || { echo "screenshots: Xvfb could not start on $screen" >&2; exit 1; }

# Starts the program in the desktop language LOCALE (as LANG) and leaves its
# main window, in grid mode, in $window.
start() {
  LANGUAGE= LC_ALL= LC_MESSAGES= LANG=$1 "$program" >/dev/null 2>&1 &
  app_pid=$!
  # Every language's caption ends in the six dots of "Choose Your Graph......".
  window=$(xdotool search --sync --onlyvisible --name '\.\.\.\.\.\.$')

  # The About box opens by itself at start-up; a click on its background closes it.
  about=$(xdotool search --sync --onlyvisible --name '^Gridora$')
  xdotool mousemove --window "$about" 30 60 click 1
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Gridora$' >/dev/null 2>&1 || break
    sleep 0.1
  done
  # Out of the way of the pictures; with no window manager on this screen the
  # keyboard focus is handed to the main window by hand.
  xdotool mousemove 1000 750
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

# Focus starts in the size box; Tab leads to the kind box, three steps down
# is "Spacetime".
to_spacetime() {
  xdotool key Tab Down Down Down
  sleep 0.5
}

for locale in de_DE fr_FR es_ES; do
  start "$locale.UTF-8"
  to_spacetime
  import -window "$window" "$out/main-spacetime-${locale%_*}.png"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
done

start C.UTF-8
import -window "$window" "$out/main-grid.png"
to_spacetime
import -window "$window" "$out/main-spacetime.png"

# Menu "Graph", "Exit".
xdotool key alt+g x
for _ in $(seq 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "screenshots: the program did not end from menu Graph, Exit" >&2
  exit 1
fi
app_pid=
echo "wrote $out/main-grid.png, $out/main-spacetime.png and $out/main-spacetime-{de,fr,es}.png"

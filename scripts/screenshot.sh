#!/usr/bin/env bash
# Builds Bandora, opens it on a private virtual display and saves its main
# window, as it first appears, to docs/screenshot.png. It uses the tests' Wine
# prefix (96 dpi, classic look) and restarts its Wine server, so do not run it
# while scripts/test.sh runs.
#   scripts/screenshot.sh [DPI]   another dpi: the prefix made for it, and
#                                 docs/screenshot-DPI.png
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
dpi=${1:-96}
prefix="$root/build/wine-test" out=docs/screenshot.png
if [ "$dpi" != 96 ]; then prefix="$root/build/wine-test-$dpi" out="docs/screenshot-$dpi.png"; fi
scripts/build.sh --target bandora
source scripts/wine-env.sh "$prefix" test "$dpi"

source scripts/wine-display.sh
program_pid=""
trap '[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null; wine_display_stop' EXIT

wine build/win/bandora.exe >/dev/null 2>&1 </dev/null &
program_pid=$!
# The top-level X window, frame included (Wine draws the frame itself here).
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Bandora  --  ' | head -n 1) ||
  { echo "screenshot: no Bandora window within 20 s" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
# The first paint can reach the X server in pieces on a busy machine: take
# the window until two shots a moment apart agree.
mkdir -p docs
shot() { xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }
previous=$(mktemp --suffix=.png)
shot "$previous"
for _ in $(seq 20); do
  sleep 0.5
  shot "$out"
  cmp -s <(convert "$previous" rgb:-) <(convert "$out" rgb:-) && break
  cp "$out" "$previous"
done
rm -f "$previous"
echo "screenshot: $out (${WIDTH}x${HEIGHT})"

# Close it as a user would (Alt+F4), so it ends through its own unload.
xdotool windowfocus --sync "$window" key alt+F4
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "screenshot: the program did not close on Alt+F4" >&2
  exit 1
fi
program_pid=""

#!/usr/bin/env bash
# Sets up, builds and starts Bandora under Wine on the current display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
run: no display (DISPLAY is not set).
  On a desktop, run this from a terminal inside your graphical session.
  On a headless machine, start a virtual one first, for example:
    Xvfb :42 -screen 0 1280x1024x24 & DISPLAY=:42 scripts/run.sh
  or copy build/win/bandora.exe to a Windows machine and run it there.
MSG
  exit 1
fi
"$root/scripts/setup.sh"
"$root/scripts/build.sh" --target bandora
if ! "$root/scripts/runs-32-bit.sh"; then
  echo "run: Wine cannot start the program on this machine; copy build/win/bandora.exe to Windows and run it there" >&2
  exit 1
fi
source "$root/scripts/wine-env.sh" "$root/build/wine-run" run
exec wine "$root/build/win/bandora.exe"

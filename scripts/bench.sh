#!/usr/bin/env bash
# Sets up, builds and runs the benchmarks on a private virtual display:
#   scripts/bench.sh [runs]     (start-ups per program, default 21)
# Not part of the tests. It uses the tests' Wine prefix and restarts its Wine
# server, so do not run it while scripts/test.sh runs. See BENCHMARKS.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-21}

scripts/setup.sh
scripts/build.sh --target bench_driver   # brings bandora.exe and empty_window.exe with it
source scripts/wine-env.sh "$root/build/wine-test" test

# A black root (-br): nothing on the empty screen looks like a painted window.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -br 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
cleanup() { wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$display_file")"
wineserver -k 2>/dev/null || true
wineserver -p
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true

echo "machine: $(nproc) cores, $(wine --version), Xvfb 1280x1024x24, load average $(cut -d' ' -f1-3 /proc/loadavg)"
wine build/win/bench_driver.exe "$runs"

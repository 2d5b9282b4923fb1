#!/usr/bin/env bash
# Sets up, builds and runs the benchmarks on a private virtual display:
#   scripts/bench.sh [runs]     (start-ups per program, default 41)
# Not part of the tests. It uses the tests' Wine prefix and restarts its Wine
# server, so do not run it while scripts/test.sh runs. See BENCHMARKS.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-41}

scripts/setup.sh
scripts/build.sh --target bench_driver   # brings bandora.exe, the floors and the timeline build with it
source scripts/wine-env.sh "$root/build/wine-test" test

source scripts/wine-display.sh

echo "machine: $(nproc) cores, $(wine --version), Xvfb 1280x1024x24, load average $(cut -d' ' -f1-3 /proc/loadavg)"
wine build/win/bench_driver.exe "$runs"
# Where the start-up's time goes: the timeline build's marks, start by start.
wine build/win/bench_driver.exe --timeline "$runs"

# Start-up and its timeline once more at 150 %, in the 144-dpi test prefix with a server of its own.
echo
(
  source scripts/wine-env.sh "$root/build/wine-test-144" test 144
  wineserver -k 2>/dev/null || true
  wineserver -p
  wine build/win/bench_driver.exe "$runs" --start-up-only
  wine build/win/bench_driver.exe --timeline "$runs"
  wineserver -k
)

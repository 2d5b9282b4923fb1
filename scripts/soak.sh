#!/usr/bin/env bash
# Runs the Windows tests under Wine N times (default 10) while two busy loops
# keep the machine's cores loaded, as other work does, and prints each
# failure with its run, then how often each test failed.
#   scripts/soak.sh [N]
# Each run is the suite as scripts/test.sh runs it (ctest, two at a time,
# one test per process), then every test executable run whole, its tests in
# an order shuffled with the run's number as the seed: a test that reads
# what an earlier one in its process left fails there, though it passes
# alone. Rerun one such order with
#   wine build/win/NAME_tests.exe --gtest_shuffle --gtest_random_seed=RUN
# Logs: build/soak/. It brings its own load: run it on an otherwise quiet
# machine, not beside scripts/test.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-10}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: scripts/soak.sh [N]" >&2; exit 2; }

# No Windows test starts where the kernel runs no 32-bit program.
scripts/runs-32-bit.sh || { echo "soak: nothing to run on this machine" >&2; exit 1; }
scripts/build.sh >/dev/null
logs=build/soak
rm -rf "$logs"
mkdir -p "$logs"
source scripts/wine-tests-env.sh

# The busy loops, and the command now running: each long command runs in
# the background and is waited for, so that a signal stops the soak at
# once, not when that command ends.
busy=()
running=
stop() {
  local pid
  for pid in "${busy[@]}" $running; do kill "$pid" 2>/dev/null || true; done
  busy=()
  wine_display_stop
}
trap stop EXIT
trap 'exit 130' INT TERM HUP
# Runs a command, its output to the file $1; its exit status.
run_logged() {
  local log=$1 status=0
  shift
  "$@" >"$log" 2>&1 &
  running=$!
  wait "$running" || status=$?
  running=
  return "$status"
}
for _ in 1 2; do
  (while :; do :; done) &
  busy+=("$!")
done

failures=()   # "run N: where: test"
failed() {
  echo "FAILED run $1: $2: $3"
  failures+=("$2: $3")
}

for run in $(seq "$runs"); do
  echo "== run $run of $runs ($(date +%T))"
  log="$logs/run$run-ctest.log"
  run_logged "$log" ctest --test-dir build/win --output-on-failure -j 2 || true
  if ! grep -qE 'tests passed, [0-9]+ tests? failed out of' "$log"; then
    failed "$run" ctest "did not finish ($log)"
  fi
  while read -r test; do
    failed "$run" ctest "$test"
  done < <(sed -n '/The following tests FAILED:/,$p' "$log" | sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+).*/\1/p')

  for exe in build/win/*_tests.exe; do
    name=$(basename "$exe" .exe)
    log="$logs/run$run-$name-shuffled.log"
    status=0
    run_logged "$log" timeout 1800 wine "$exe" --gtest_shuffle --gtest_random_seed="$run" || status=$?
    found=$(sed -nE 's/^\[  FAILED  \] ([A-Za-z0-9_/]+\.[A-Za-z0-9_/]+).*/\1/p' "$log" | sort -u)
    for test in $found; do
      failed "$run" "$name whole, shuffled" "$test"
    done
    if [ "$status" -ne 0 ] && [ -z "$found" ]; then
      failed "$run" "$name whole, shuffled" "exited with status $status, no test failed ($log)"
    fi
  done
done

echo
echo "== $runs runs, ${#failures[@]} failures"
if [ "${#failures[@]}" -gt 0 ]; then
  printf '%s\n' "${failures[@]}" | sort | uniq -c | sort -rn
  exit 1
fi

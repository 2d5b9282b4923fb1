#!/usr/bin/env bash
# Sets up, builds and runs every test:
#   1. the platform-free logic natively under ASan and UBSan,
#   2. the libFuzzer targets for a bounded time (BANDORA_FUZZ_SECONDS each, default 30),
#   3. the Windows program and its tests under Wine on a private Xvfb display,
#      and the program built once more in another folder: the same bytes, and
#      no more than its size limit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
fuzz_seconds=${BANDORA_FUZZ_SECONDS:-30}
passed=0
failed=0
skipped=0
summary=()

count_ctest() {  # adds the figures of a ctest log to the totals
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  local f t
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  # CTest counts a skipped test among the passed ones; say it apart.
  local s
  s=$(grep -c '(Skipped)' "$1" || true)
  passed=$((passed + t - f - s)); failed=$((failed + f)); skipped=$((skipped + s))
  summary+=("$2: $((t - f - s)) of $t passed, $s skipped")
}

scripts/setup.sh

echo "== native logic (ASan, UBSan)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBANDORA_SANITIZE=ON >/dev/null
cmake --build build/native
status=0
ctest --test-dir build/native --output-on-failure -j "$jobs" | tee build/native/ctest.log || status=1
count_ctest build/native/ctest.log native

echo "== fuzzing (${fuzz_seconds}s per target)"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ -DBANDORA_FUZZ=ON >/dev/null
cmake --build build/fuzz
for target in build/fuzz/*_fuzz; do
  name=$(basename "$target")
  work=$(mktemp -d)
  if "$target" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$work" "fuzz/corpus/$name" \
       >"build/fuzz/$name.log" 2>&1; then
    passed=$((passed + 1)); summary+=("fuzz $name: $(grep -E 'stat::number_of_executed_units' "build/fuzz/$name.log" | awk '{print $2}') runs, clean")
  else
    failed=$((failed + 1)); summary+=("fuzz $name: FAILED"); tail -n 40 "build/fuzz/$name.log"; status=1
  fi
  rm -rf "$work"
done

echo "== Windows build and tests under Wine"
scripts/build.sh
# The benchmarks are not run here, but their driver, floors and timeline
# build must keep building with the program they measure.
if scripts/build.sh --target bench_driver >build/win/bench-build.log 2>&1; then
  passed=$((passed + 1)); summary+=("bench: the driver, its floors and the timeline build compile")
else
  failed=$((failed + 1)); status=1; tail -n 40 build/win/bench-build.log
  summary+=("bench: FAILED to build (build/win/bench-build.log)")
fi

# The same sources built in another folder, at another time, must give the
# same bytes: the program holds no build time and no folder names. One
# Release build of bandora.exe alone (and the artwork it embeds).
echo "== bandora.exe built again in another folder"
again=$(mktemp -d)
if tar -C "$root" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -xf - -C "$again" &&
   "$again/scripts/build.sh" --target bandora >build/win/again.log 2>&1 &&
   cmp build/win/bandora.exe "$again/build/win/bandora.exe"; then
  passed=$((passed + 1)); summary+=("reproducible: bandora.exe built in another folder, the same bytes")
else
  failed=$((failed + 1)); status=1
  summary+=("reproducible: FAILED, bandora.exe built in another folder differs (build/win/again.log)")
fi
rm -rf "$again"
# The program stays one small file: at most 160 KiB.
size_limit=163840
size=$(stat -c %s build/win/bandora.exe)
if (( size <= size_limit )); then
  passed=$((passed + 1)); summary+=("size: bandora.exe is $size bytes, at most $size_limit")
else
  failed=$((failed + 1)); status=1
  summary+=("size: FAILED, bandora.exe is $size bytes, more than $size_limit"); echo "bandora.exe is $size bytes, more than $size_limit"
fi
# Wine runs the 32-bit program with 32-bit code of its own, which a kernel
# without 32-bit execution refuses ("Exec format error"), as some hosts run
# their virtual machines. No Windows test can start there: say so, and count
# each test program as skipped rather than passed.
if ! scripts/runs-32-bit.sh; then
  programs=(build/win/*_tests.exe)
  skipped=$((skipped + ${#programs[@]}))
  summary+=("wine: SKIPPED, this kernel does not run 32-bit programs: ${#programs[@]} test programs (${programs[*]##*/}) not run")
  echo "tests: this kernel does not run 32-bit programs; the Windows tests under Wine are not run"
else
  # The prefixes, the display and the font check: stop at once if Tahoma is a stand-in.
  source scripts/wine-tests-env.sh
  # Two at a time, but a test marked to run alone (cmake/serial-tests.cmake:
  # it clicks with the real mouse, or needs its window to be the active one)
  # runs with no other beside it. A Wine test's process spends much of its
  # time starting and waiting on the Wine server, which a second one fills.
  ctest --test-dir build/win --output-on-failure -j 2 | tee build/win/ctest.log || status=1
  count_ctest build/win/ctest.log wine
fi

echo
printf '%s\n' "${summary[@]}"
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit $status

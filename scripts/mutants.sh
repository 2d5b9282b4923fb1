#!/usr/bin/env bash
# Applies the hand-written mutants of tests/mutants.tsv to the platform-free
# rules one at a time, rebuilds the native tests for each and runs them, and
# says which mutants the tests let through. Not part of the test command: it
# rebuilds once per mutant.
#
#   scripts/mutants.sh            every mutant
#   scripts/mutants.sh REGEX      the mutants whose names match
#   scripts/mutants.sh --check    only whether each row still applies (no build)
#
# A row: name, file, original text, replacement, the promise it breaks, tab
# separated, on one line. The original must occur exactly once in the file,
# else the row is stale: the code moved and the row must follow it. A promise
# that starts with "equivalent:" marks a mutant that cannot change behaviour,
# and says why; it is expected to survive. Exit status 0 only when every
# mutant is killed or equivalent, none is stale and every one builds.
#
# The mutants are made in a copy of the working tree as it is at the start,
# its uncommitted changes included, never in the tree itself: a run that is
# stopped, even killed, or an editor saving a file meanwhile, loses nothing.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
table=tests/mutants.tsv
# The copy and its build stay under build/ from one run to the next, so that
# only the files changed since are compiled again.
copy=$root/build/mutants-copy/tree
build=$root/build/mutants-copy/build
tests=(native_model_tests native_reader_tests native_writer_tests)
# The one slow sweep runs last, only for a mutant the quick tests let through.
slow='BandChoice.BandsStayWithinOneUnitBelowTheValue'

# Brings the copy level with the working tree: every file git tracks or does
# not ignore. A file that differs, a mutant a stopped run left among them, is
# copied afresh (and so compiled again); a file gone from the tree goes.
sync_copy() {
  local file
  declare -A wanted=()
  mkdir -p "$copy" || return 1
  while IFS= read -r -d '' file; do
    [[ -f $file ]] || continue   # deleted in the tree, not yet in git
    wanted[$file]=1
    cmp -s "$file" "$copy/$file" && continue
    mkdir -p "$copy/$(dirname "$file")" && cp "$file" "$copy/$file" || return 1
  done < <(git ls-files -z --cached --others --exclude-standard)
  while IFS= read -r -d '' file; do
    file=${file#"$copy"/}
    [[ -n ${wanted[$file]:-} ]] || rm -f "$copy/$file"
  done < <(find "$copy" -type f -print0)
}

mode=run filter=''
case "${1:-}" in
  --check) mode=check ;;
  -h|--help) sed -n '2,19p' "$0"; exit 0 ;;
  *) filter=${1:-} ;;
esac

# The file of the copy being mutated and its saved text; put back on every
# way out that lets the script run (a killed run's copy is mended by the next).
mutated='' saved=''
restore() {
  if [[ -n $mutated ]]; then cp "$saved" "$mutated"; rm -f "$saved"; mutated=''; fi
}
trap restore EXIT
trap 'restore; exit 130' INT
trap 'restore; exit 143' TERM HUP

# How often `needle` occurs in `hay`, as literal text.
occurrences() {
  local hay=$1 needle=$2 rest
  rest=${hay//"$needle"/}
  echo $(( (${#hay} - ${#rest}) / ${#needle} ))
}

# Splits a row on tabs, keeping empty fields (read would merge them).
fields=()
split_row() {
  local line=$1
  fields=()
  while [[ $line == *$'\t'* ]]; do fields+=("${line%%$'\t'*}"); line=${line#*$'\t'}; done
  fields+=("$line")
}

build_and_run() {  # 0: the tests pass; 1: they fail; 2: the build fails
  cmake --build "$build" --target "${tests[@]}" >"$build/last-build.log" 2>&1 || return 2
  local t
  for t in "${tests[@]}"; do
    timeout 60 "$build/$t" --gtest_brief=1 --gtest_fail_fast --gtest_filter="-$slow" >/dev/null 2>&1 || return 1
  done
  for t in "${tests[@]}"; do
    timeout 60 "$build/$t" --gtest_brief=1 --gtest_filter="$slow" >/dev/null 2>&1 || return 1
  done
  return 0
}

if [[ $mode == run ]]; then
  sync_copy || { echo "the working tree could not be copied to $copy"; exit 1; }
  cd "$copy"
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBANDORA_SANITIZE=OFF >/dev/null || exit 1
  build_and_run
  case $? in
    0) ;;
    2) echo "the unmutated code does not build; see $build/last-build.log"; exit 1 ;;
    *) echo "the native tests fail on the unmutated code: nothing to learn from mutants"; exit 1 ;;
  esac
fi

total=0 killed=0 survived=0 equivalent=0 stale=0 broken=0 misjudged=0
lineno=0
while IFS= read -r line || [[ -n $line ]]; do
  lineno=$((lineno + 1))
  [[ -z $line || $line == \#* ]] && continue
  split_row "$line"
  if (( ${#fields[@]} != 5 )); then
    echo "STALE     line $lineno: ${#fields[@]} fields, not 5"; stale=$((stale + 1)); total=$((total + 1)); continue
  fi
  name=${fields[0]} file=${fields[1]} original=${fields[2]} replacement=${fields[3]} promise=${fields[4]}
  [[ -n $filter && ! $name =~ $filter ]] && continue
  total=$((total + 1))

  count=0
  [[ -f $file && -n $original ]] && count=$(occurrences "$(<"$file")" "$original")
  if (( count != 1 )); then
    echo "STALE     $name: the original occurs $count times in $file"; stale=$((stale + 1)); continue
  fi
  [[ $mode == check ]] && continue

  saved=$build/mutated-file-original && cp "$file" "$saved" && mutated=$file
  content=$(<"$file")
  printf '%s\n' "${content/"$original"/"$replacement"}" >"$file"
  build_and_run
  outcome=$?
  restore

  if [[ $promise == equivalent:* ]]; then
    if (( outcome == 0 )); then
      echo "equivalent $name"; equivalent=$((equivalent + 1))
    else
      echo "MISJUDGED $name: marked equivalent, yet the tests kill it"; misjudged=$((misjudged + 1))
    fi
  else
    case $outcome in
      0) echo "SURVIVED  $name: $file: $promise"; survived=$((survived + 1)) ;;
      1) echo "killed    $name"; killed=$((killed + 1)) ;;
      2) echo "BROKEN    $name: the mutant does not build"; broken=$((broken + 1)) ;;
    esac
  fi
done <"$table"

if [[ $mode == check ]]; then
  echo "mutants: $total, stale: $stale"
  (( stale == 0 )); exit
fi
# Put the build back in step with the restored sources.
cmake --build "$build" --target "${tests[@]}" >/dev/null 2>&1
echo "mutants: $total, killed: $killed, survived: $survived, equivalent: $equivalent," \
     "stale: $stale, broken: $broken, misjudged: $misjudged"
(( survived + stale + broken + misjudged == 0 ))

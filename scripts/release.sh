#!/usr/bin/env bash
# Builds the release from a clean copy of the last commit, in a folder of its
# own, and writes
#   dist/bandora-1.00-win32.zip   bandora.exe and a short readme (CRLF)
#   dist/SHA256SUMS               its checksum, for `sha256sum -c SHA256SUMS`
# The same commit gives the same bytes in any folder on any day: the program
# carries no build time and no folder names (cmake/windows.cmake), and the zip
# holds its two files in a fixed order, with the last commit's time, fixed
# permissions and no extra attributes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
version=1.00
name=bandora-$version-win32

scripts/setup.sh
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release: the working tree has uncommitted changes; they are not in the release, which is the last commit" >&2
fi
commit_time=$(git log -1 --format=%ct)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src" "$work/zip"
git archive HEAD | tar -x -C "$work/src"
"$work/src/scripts/build.sh" --target bandora

cp "$work/src/build/win/bandora.exe" "$work/zip/bandora.exe"
sed 's/\r*$/\r/' "$work/src/docs/readme-win32.txt" >"$work/zip/README.txt"
chmod 644 "$work/zip/bandora.exe" "$work/zip/README.txt"
touch -d "@$commit_time" "$work/zip/bandora.exe" "$work/zip/README.txt"

mkdir -p dist
rm -f "dist/$name.zip" dist/SHA256SUMS
# -X: no extra attributes (owner, Unix times); -D: no folder entries. A zip
# stores local time, so the time zone is fixed too.
(cd "$work/zip" && TZ=UTC zip -X -D -q "$root/dist/$name.zip" bandora.exe README.txt)
(cd dist && sha256sum "$name.zip" >SHA256SUMS)
echo "release: dist/$name.zip ($(stat -c %s "dist/$name.zip") bytes; bandora.exe $(stat -c %s "$work/zip/bandora.exe") bytes)"
cat dist/SHA256SUMS

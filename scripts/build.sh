#!/usr/bin/env bash
# Builds bandora.exe (32-bit Windows) into build/win.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --no-warn-unused-cli -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$root/build/win" "$@"

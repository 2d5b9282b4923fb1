#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12.
# Quick when everything is already there: it only calls apt when a package is
# missing. Each is checked as a package, not by a command of that name: a
# stray `convert` or `wine` on the PATH must not stand in for the real one.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev   # native build, sanitizers, fuzzing
  g++-mingw-w64-i686 googletest                    # the Windows build and its tests
  wine wine32:i386 fonts-wine                      # Wine only recommends its own fonts (Tahoma)
  xvfb x11-apps imagemagick xdotool                # private display, screenshots, started-program tests
  locales                                          # the decimal-comma test locale
  git zip                                          # the release (scripts/release.sh) and its check
)

installed() { dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null | grep -q '^ii'; }

need=()
for p in "${packages[@]}"; do installed "$p" || need+=("$p"); done

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
  fi
  # A mirror caught mid-sync can fail one index (apt-get update exits 100):
  # try again a little later, then go on with what was fetched.
  for attempt in 1 2 3; do
    $sudo_cmd apt-get update -q && break
    echo "setup: apt-get update failed (attempt $attempt)"; sleep $((attempt * 10))
  done
  install() { DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "$@" "${need[@]}"; }
  # Without the security index of one architecture, the 32-bit libraries Wine
  # needs cannot match the 64-bit ones already updated from it; the release's
  # own versions of both always match.
  install || { echo "setup: installing from the release's own versions"; install -t bookworm; }
fi

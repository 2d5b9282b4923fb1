#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12.
# Quick when everything is already there: it only calls apt when a piece is missing.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

have_cmd cmake || need+=(cmake)
have_cmd ninja || need+=(ninja-build)
have_cmd g++ || need+=(g++)
have_cmd clang++ || need+=(clang)
have_pkg libclang-rt-14-dev || need+=(libclang-rt-14-dev)
have_cmd i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
have_cmd wine || need+=(wine)
have_pkg wine32:i386 || need+=(wine32:i386)
have_cmd Xvfb || need+=(xvfb)
have_cmd xwd || need+=(x11-apps)
have_cmd convert || need+=(imagemagick)
have_cmd xdotool || need+=(xdotool)
[ -f /usr/share/i18n/locales/de_DE ] || need+=(locales)

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
  fi
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${need[@]}"
fi

# shellcheck shell=bash
# Sourced from the repository's root by scripts/test.sh and scripts/soak.sh:
# the Wine prefixes the Windows tests run in, the display, and the font check.
#   source scripts/wine-tests-env.sh
# Leaves the main test prefix's environment set, a private display and Wine
# server running (wine_display_stop ends them, as does the shell's exit).
# Ends the calling script when Tahoma is a stand-in: the window tests
# compare fonts and pixels.
bandora_root=$PWD
# A German locale (decimal comma) for the tests that check locale-aware numbers,
# made in the build folder so the system's locales stay as they are.
if [ ! -d build/locale/de_DE.UTF-8 ]; then
  mkdir -p build/locale
  localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8
fi
# The comma-locale tests' prefix, made and first started in that locale, so
# that its registry holds it before the tests start (cmake/locale-tests.cmake).
(export LOCPATH="$bandora_root/build/locale" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
 source scripts/wine-env.sh "$bandora_root/build/wine-test-comma" test)
# Prefixes at 150 % and 200 % for the dpi tests (cmake/dpi-tests.cmake).
for dpi in 144 192; do (source scripts/wine-env.sh "$bandora_root/build/wine-test-$dpi" test "$dpi"); done
# A prefix with visual styles on for the themed glyph test (cmake/themed-tests.cmake).
(source scripts/wine-env.sh "$bandora_root/build/wine-test-themed" test 96 themed)
source scripts/wine-env.sh "$bandora_root/build/wine-test" test
source scripts/wine-display.sh
if ! wine build/win/fontcheck.exe; then
  echo "tests: stopped before the window tests (see the font check above)"
  exit 1
fi

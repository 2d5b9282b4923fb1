# Sourced: points Wine at one of the project's own prefixes and makes it on first use.
#   source scripts/wine-env.sh PREFIX_DIR [test [DPI [themed]]]
# "test" pins what the GUI tests rely on: DPI dots per inch (96 unless given:
# 15 twips to a pixel), no window-manager handshake (Xvfb has no window
# manager; without this every hide or destroy of a top-level window stalls
# for 2 s), and Windows' default of showing the focus only once the keyboard
# is used (a new Wine prefix shows keyboard cues all the time). A prefix keeps
# the dpi it was made with: give each dpi its own. "themed" gives a prefix
# Wine's light theme (visual styles, Windows' default look) in place of the
# classic look.
bandora_prefix=$1
bandora_mode=${2:-run}
bandora_dpi=${3:-96}
bandora_look=${4:-classic}
export WINEARCH=win32
export WINEPREFIX=$bandora_prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ ! -f "$WINEPREFIX/.bandora-ready" ]; then
  echo "wine: preparing prefix $(basename "$WINEPREFIX") ($bandora_mode)"
  mkdir -p "$WINEPREFIX"
  # A prefix that Wine could not make is not marked ready: the next use
  # tries again rather than running tests in an empty one.
  if ! wineboot -i >/dev/null 2>&1; then
    echo "wine: could not prepare prefix $(basename "$WINEPREFIX") (scripts/runs-32-bit.sh says whether this kernel runs Wine's 32-bit part)" >&2
    return 1
  fi
  wineserver -w
  # Classic look unless asked: push buttons show the button face colour that
  # the pixel baselines combine the glyphs with.
  bandora_themes='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
  if [ "$bandora_look" = themed ]; then
    wine reg add "$bandora_themes" /v ThemeActive /t REG_SZ /d 1 /f >/dev/null 2>&1
    wine reg add "$bandora_themes" /v DllName /t REG_SZ /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
  else
    wine reg add "$bandora_themes" /v ThemeActive /t REG_SZ /d 0 /f >/dev/null 2>&1
  fi
  if [ "$bandora_mode" = test ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$bandora_dpi" /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  fi
  wineserver -w
  touch "$WINEPREFIX/.bandora-ready"
fi
# Also for a test prefix made before this setting was pinned: the keyboard-cues
# bit (0x20 of the first byte) cleared, as Windows ships it.
if [ "$bandora_mode" = test ] && ! grep -q '"UserPreferencesMask"=hex:10,' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY /d 1000028012000000 /f >/dev/null 2>&1
  wineserver -w
fi

# A crash ends the program at once, with its exception code as the exit
# code, rather than waiting on a crash dialog that nobody will answer.
if [ "$bandora_mode" = test ] && ! grep -q '"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
fi

# Debian's Wine does not load its own fonts: they are copied in, so Tahoma
# (with its Persian glyphs) is the real one. Checked on every use, not only
# when the prefix is made, so a prefix made before the fonts were installed
# is mended.
bandora_fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$bandora_fonts/tahoma.ttf" ]; then
  if [ -f /usr/share/wine/fonts/tahoma.ttf ]; then
    mkdir -p "$bandora_fonts"
    cp -n /usr/share/wine/fonts/*.ttf "$bandora_fonts"/
  else
    echo "wine: Wine's own fonts are missing (Debian package fonts-wine): Tahoma will be another font" >&2
  fi
fi

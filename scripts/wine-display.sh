# Sourced after wine-env.sh: a private Xvfb display and one persistent Wine
# server for the prefix, both ended by wine_display_stop (or at exit).
#   source scripts/wine-display.sh
# A black root (-br): nothing on the empty screen looks like a painted window.
bandora_display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -br 3>"$bandora_display_file" 2>/dev/null &
bandora_xvfb_pid=$!
wine_display_stop() {
  wineserver -k 2>/dev/null || true
  kill "$bandora_xvfb_pid" 2>/dev/null || true
  rm -f "$bandora_display_file"
}
trap wine_display_stop EXIT
for _ in $(seq 100); do [ -s "$bandora_display_file" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$bandora_display_file")"
# One server for the whole run: each Wine process then starts in a fraction
# of a second.
wineserver -k 2>/dev/null || true
wineserver -p
# Start Wine's own background processes now, with no pipe of ours: started by
# the first program they would inherit its output pipe and hold it open.
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true

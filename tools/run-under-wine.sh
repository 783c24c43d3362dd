#!/usr/bin/env bash
# Starts a Windows program under Wine (prefix $WINEPREFIX) in a Wine virtual
# desktop the size of the display. Without a window manager Wine draws no
# title bars, so nothing can be moved or resized, and it waits two seconds
# whenever a window is hidden, so every dialog is slow to close; in a virtual
# desktop Wine draws the window frames itself and hides windows at once.
# Without a display it starts Xvfb and says how to look at it. When the
# program ends, the Wine processes of the prefix end, and so does the Xvfb
# started here.
set -euo pipefail
program="$1"
xvfb_pid=""
display_file=""

stop_run() {
  timeout 30 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  [ -z "$display_file" ] || rm -f "$display_file"
}
trap stop_run EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display number itself and writes it once it accepts
# connections.
start_xvfb() {
  display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start." >&2; exit 1; }
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$display_file")"
  echo "No display: Vestolar runs on the virtual display $DISPLAY."
  echo "To see it, take a screenshot from another shell:"
  echo "  DISPLAY=$DISPLAY import -window root vestolar.png"
}

[ -n "${DISPLAY:-}" ] || start_xvfb
size="$(xdpyinfo | awk '/dimensions:/ { print $2 }')"
wine explorer "/desktop=Vestolar,${size:-1280x1024}" "$program"

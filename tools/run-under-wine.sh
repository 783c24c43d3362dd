#!/usr/bin/env bash
# Starts a Windows program under Wine. Without a display it starts Xvfb and
# says how to look at the window.
set -euo pipefail
program="$1"
if [ -z "${DISPLAY:-}" ]; then
  display=":77"
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    sleep 1
  fi
  export DISPLAY="$display"
  echo "No display: Vestolar runs on the virtual display $display."
  echo "To see it, take a screenshot from another shell:"
  echo "  DISPLAY=$display import -window root vestolar.png"
fi
exec wine "$program"

#!/usr/bin/env bash
# Runs the win suite under Wine inside the current (virtual) display.
# The Wine services are started first, apart from ctest: started by the first
# test they would inherit ctest's output pipe and keep it open for ever.
set -uo pipefail
build_dir="$1"; jobs="$2"
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null
cd "$build_dir" && ctest -j "$jobs" --timeout 300 --output-on-failure
status=$?
wineserver -k
exit $status

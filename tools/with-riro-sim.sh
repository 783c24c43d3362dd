#!/usr/bin/env bash
# Runs a test program under Wine with the simulated analyser on a COM port:
#   with-riro-sim.sh <riro-sim> <comN> <test.exe> [arguments]
# The simulator's folder (script, transcript) is riro/ in the current folder;
# the test finds it through RIRO_SIM_DIR.
set -uo pipefail
sim="$1"; port="$2"; shift 2
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
folder="$PWD/riro"
rm -rf "$folder" && mkdir -p "$folder"
mkdir -p "$WINEPREFIX/dosdevices"
"$sim" "$WINEPREFIX/dosdevices/$port" "$folder" &
sim_pid=$!
for _ in $(seq 100); do
    [ -e "$folder/ready" ] && break
    sleep 0.05
done
RIRO_SIM_DIR="$folder" wine "$@"
status=$?
kill "$sim_pid"
wait "$sim_pid"
rm -rf "$folder"
exit $status

#!/usr/bin/env bash
# Runs every fuzz target of the fuzz tree for a while, a few at a time, and
# prints the executions of each and whether it found anything.
#   run-fuzzers.sh <fuzz build dir> <seconds per target> <targets at once>
# Each target starts from its committed corpus (tests/fuzz/<target>/corpus)
# and keeps what it learns in <build dir>/corpus/<target>; an input that
# finds a fault is saved as tests/fuzz/<target>/crashes/<kind>-<hash>, where
# the test command replays it from then on.
set -uo pipefail
build=$1
seconds=$2
jobs=$3
root=$(cd "$(dirname "$0")/.." && pwd)
logs=$build/logs
mkdir -p "$logs"

run_one() {
  local exe=$1 name
  name=$(basename "$exe" _fuzz)
  mkdir -p "$build/corpus/$name" "$root/tests/fuzz/$name/crashes"
  # A reader may take memory in proportion to its input, never hundreds of
  # megabytes from a few kilobytes.
  "$exe" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=256 -rss_limit_mb=1024 \
    -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$root/tests/fuzz/$name/crashes/" \
    "$build/corpus/$name" "$root/tests/fuzz/$name/corpus" >"$logs/$name.log" 2>&1
  local rc=$?
  local runs
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/$name.log" | grep -o '[0-9]*$' | tail -1)
  if [ $rc -eq 0 ]; then
    printf '%-16s %12s executions, no finding\n' "$name" "${runs:-?}"
  else
    printf '%-16s %12s executions, FINDING (see %s)\n' "$name" "${runs:-?}" "$logs/$name.log"
  fi
  return $rc
}
export -f run_one
export build seconds root logs

ls "$build"/tests/fuzz/*_fuzz | xargs -P "$jobs" -I{} bash -c 'run_one {}'

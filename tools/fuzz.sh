#!/usr/bin/env bash
# Runs each palette reader's fuzz target in turn, one process on one core, for
# SECONDS seconds each, starting from the seeds in tests/fuzz/seeds/. New inputs
# that reach new code go to BUILD/corpus/; a crash, a time-out or an oversized
# allocation is kept in BUILD/findings/ and fails the run (copy it into the seeds
# once it is fixed). Ends with a table of executions per target.
#   tools/fuzz.sh BUILD SECONDS
set -u
build=$1; seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit
mkdir -p "$build/findings" "$build/logs"

rows=(); failed=0
for reader in clf ase aco act gpl; do
  corpus="$build/corpus/$reader"
  mkdir -p "$corpus"
  log="$build/logs/$reader.log"
  echo "== fuzz_$reader for ${seconds}s"
  # -timeout: a reader is linear, so any input that takes seconds is a finding;
  # -malloc_limit_mb: no reader may allocate by a count the input cannot hold.
  "$build/fuzz_$reader" -max_total_time="$seconds" -print_final_stats=1 -timeout=5 \
    -malloc_limit_mb=64 -rss_limit_mb=2048 -artifact_prefix="$build/findings/$reader-" \
    "$corpus" "tests/fuzz/seeds/$reader" > "$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  found=$(find "$build/findings" -maxdepth 1 -name "$reader-*" | wc -l)
  [ "$rc" -ne 0 ] && { failed=1; tail -20 "$log"; }
  rows+=("$(printf '  %-4s %5ss %10s exec/s %12s executions  %s findings  corpus %s' \
    "$reader" "$seconds" "${speed:-?}" "${runs:-?}" "$found" "$(find "$corpus" -mindepth 1 -maxdepth 1 | wc -l)")")
done

echo
echo "== fuzzing summary"
printf '%s\n' "${rows[@]}"
[ "$failed" -eq 0 ] || echo "  findings: $build/findings (logs in $build/logs)"
exit "$failed"

#!/usr/bin/env bash
# Runs every fuzzer for a fixed time, seeded from tests/fuzz/corpus/<name> (read only: what the
# fuzzer finds goes to a scratch corpus), and prints how many inputs each one ran. Exits non-zero
# when a fuzzer finds a crash, a hang, a leak or a sanitizer report; the input that caused it is
# left in the scratch folder, whose path is printed.
#   tests/fuzz/run.sh BUILD_DIR SECONDS_PER_TARGET
# BUILD_DIR is a clang build with -DINKWRIGHT_FUZZ=ON.
set -uo pipefail

build=$(realpath "$1")
seconds=$2
seeds=$(dirname "$(realpath "$0")")/corpus
work=$(mktemp -d "${TMPDIR:-/tmp}/inkwright-fuzz.XXXXXX")
status=0

for fuzzer in "$build"/*_fuzz; do
  name=$(basename "$fuzzer" _fuzz)
  mkdir -p "$work/$name"
  (cd "$work/$name" &&
    "$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=65536 \
      -print_final_stats=1 "$work/$name" "$seeds/$name" > "$work/$name.log" 2>&1)
  result=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$name.log" | grep -o '[0-9]*$')
  if [ "$result" -eq 0 ]; then
    echo "fuzz $name: ${runs:-0} inputs in ${seconds}s, nothing found"
  else
    status=1
    echo "fuzz $name: FOUND A FAULT after ${runs:-?} inputs; see $work/$name.log"
    grep -m 5 -E 'ERROR|SUMMARY|Test unit written' "$work/$name.log"
  fi
done
[ "$status" -eq 0 ] && rm -rf "$work"
exit "$status"

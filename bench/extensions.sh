#!/usr/bin/env bash
# Times the same generated library read with and without the comment-style keys (generate.py
# --extensions): once with no output selected, which leaves the reading and ordering of the
# sources, and once with the HTML pages. The runs of both configurations alternate, so that a
# shared machine slows both alike, and each figure is the best of TAKES runs. Not run by CI.
# Usage: bench/extensions.sh   (SIZES="20000", TAKES=5 and WORK_DIR=... override the defaults)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-bench}
work=${WORK_DIR:-$(mktemp -d)}
sizes=${SIZES:-20000}
takes=${TAKES:-5}

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF > /dev/null
cmake --build "$build" -j2 --target inkwright > /dev/null

now() { date +%s.%N; }
best() { sort -g | head -1; }

# One run of a configuration in a fresh out/; prints its wall time in seconds.
timedRun() {
  local tree=$1 config=$2 start
  rm -rf "$tree/out"
  mkdir "$tree/out"
  sync
  start=$(now)
  (cd "$tree" && "$build/inkwright" "$config")
  awk -v start="$start" -v end="$(now)" 'BEGIN { print end - start }'
}

printf '%8s %10s %10s %10s %8s\n' entries phase "off s" "on s" "on/off"
for entries in $sizes; do
  for side in off on; do
    tree="$work/library-$entries-$side"
    rm -rf "$tree"
    python3 "$repo/bench/generate.py" "$entries" "$tree" $([ "$side" = on ] && echo --extensions)
    sed 's/^HTMLHELP IMPORTFILE JAPBE USERLIB$//' "$tree/inkwright.cfg" > "$tree/reading.cfg"
    sed 's/^HTMLHELP IMPORTFILE JAPBE USERLIB$/HTML/' "$tree/inkwright.cfg" > "$tree/pages.cfg"
  done
  for phase in reading pages; do
    off=() on=()
    for _ in $(seq "$takes"); do
      off+=("$(timedRun "$work/library-$entries-off" "$phase.cfg")")
      on+=("$(timedRun "$work/library-$entries-on" "$phase.cfg")")
    done
    a=$(printf '%s\n' "${off[@]}" | best)
    b=$(printf '%s\n' "${on[@]}" | best)
    awk -v e="$entries" -v p="$phase" -v a="$a" -v b="$b" \
      'BEGIN { printf "%8d %10s %10.3f %10.3f %8.3f\n", e, p, a, b, b / a }'
  done
done

#!/usr/bin/env bash
# Times whole runs on generated libraries (generate.py) with every [options] switch of the pages
# on, next to the same library without them. The two configurations take turns, and which goes
# first alternates, so that a slow spell of a shared machine, or the deletion of the outputs
# between turns, falls on both alike; each figure is the best of the runs.
# Not run by CI.
# Usage: bench/options.sh   (SIZES="20000 50000", TAKES=5, WORK_DIR=... override the defaults)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-bench}
work=${WORK_DIR:-$(mktemp -d)}
sizes=${SIZES:-20000 50000}
takes=${TAKES:-5}
switches=("escape html" "word links" "existing links only" "skip empty tags"
  "portable help project")

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF > /dev/null
cmake --build "$build" -j2 --target inkwright > /dev/null

now() { date +%s.%N; }
since() { awk -v start="$1" -v end="$(now)" 'BEGIN { print end - start }'; }
best() { sort -g | head -1; }

# Runs the configuration $2 of the tree $1 into a new out folder, and prints the seconds it took.
timeRun() {
  local out="$1/out"
  mkdir "$out"
  sync
  local start
  start=$(now)
  (cd "$1" && "$build/inkwright" "$2")
  since "$start"
  mv "$out" "$1/done.$RANDOM$RANDOM"
}

printf '%8s %10s %10s %8s\n' entries "off s" "on s" "on / off"
for entries in $sizes; do
  tree="$work/library-$entries"
  rm -rf "$tree"
  python3 "$repo/bench/generate.py" "$entries" "$tree"
  { cat "$tree/inkwright.cfg"; echo "[options]"; printf '%s\n' "${switches[@]}"; } \
    > "$tree/switches.cfg"
  off=() on=()
  for ((take = 0; take < takes; take++)); do
    if ((take % 2 == 0)); then
      off+=("$(timeRun "$tree" inkwright.cfg)")
      on+=("$(timeRun "$tree" switches.cfg)")
    else
      on+=("$(timeRun "$tree" switches.cfg)")
      off+=("$(timeRun "$tree" inkwright.cfg)")
    fi
    rm -rf "$tree"/done.*
  done
  best_off=$(printf '%s\n' "${off[@]}" | best)
  best_on=$(printf '%s\n' "${on[@]}" | best)
  awk -v e="$entries" -v a="$best_off" -v b="$best_on" \
    'BEGIN { printf "%8d %10.3f %10.3f %8.2f\n", e, a, b, b / a }'
  rm -rf "$tree"
done
[[ -n "${WORK_DIR:-}" ]] || rm -rf "$work"

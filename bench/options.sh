#!/usr/bin/env bash
# Times whole runs on generated libraries (generate.py) with every [options] switch of the pages
# on, next to the same library without them. The two configurations take turns, and which goes
# first alternates, so that a slow spell of a shared machine, or the deletion of the outputs
# between turns, falls on both alike; each figure is the best of the runs: wall time, and the
# processor time (user and system) of the run.
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

# Runs the configuration $2 of the tree $1 into a new out folder, and prints the seconds it took
# and the processor seconds it used.
timeRun() {
  local out="$1/out"
  mkdir "$out"
  sync
  local start
  start=$(now)
  (cd "$1" && /usr/bin/time -f '%U %S' -o "$1/usage" "$build/inkwright" "$2")
  echo "$(since "$start") $(awk '{ print $1 + $2 }' "$1/usage")"
  mv "$out" "$1/done.$RANDOM$RANDOM"
}

printf '%8s %10s %10s %8s %12s %12s %8s\n' entries "off s" "on s" "on / off" "off cpu s" \
  "on cpu s" "on / off"
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
  best_off=$(printf '%s\n' "${off[@]}" | cut -d' ' -f1 | best)
  best_on=$(printf '%s\n' "${on[@]}" | cut -d' ' -f1 | best)
  cpu_off=$(printf '%s\n' "${off[@]}" | cut -d' ' -f2 | best)
  cpu_on=$(printf '%s\n' "${on[@]}" | cut -d' ' -f2 | best)
  awk -v e="$entries" -v a="$best_off" -v b="$best_on" -v c="$cpu_off" -v d="$cpu_on" \
    'BEGIN { printf "%8d %10.3f %10.3f %8.2f %12.2f %12.2f %8.2f\n", e, a, b, b / a, c, d, d / c }'
  rm -rf "$tree"
done
[[ -n "${WORK_DIR:-}" ]] || rm -rf "$work"

#!/usr/bin/env bash
# Times whole runs on generated libraries (generate.py) in six configurations: without switches
# ("off"), with the five switches of the pages on ("on"), with those five and the three that name
# pages ("names": safe page names, one page per entry, no self links), with those five and
# readable text ("readable"), and, without the library's own page and tag templates, the five
# ("bare") and the five with styled pages ("styled"), which then uses its built-in templates and
# writes the style sheet, the search page and the search index too. The configurations take turns, and which goes first rotates, so that
# a slow spell of a shared machine, or the deletion of the outputs between turns, falls on all
# alike; each figure is the best of the runs. Each size has two rows: "wall", the seconds the run
# took, and "cpu", the processor seconds (user and system) it used. The ratios compare "on" with
# "off" (on/off), "names" with "on" (nm/on), "readable" with "on" (rd/on) and "styled" with "bare"
# (st/bare). bench/search.sh measures the search index of the styled pages.
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
naming=("safe page names" "one page per entry" "no self links")

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

printf '%8s %5s %9s %9s %9s %9s %9s %9s %7s %7s %7s %7s\n' entries time off on names readable \
  bare styled on/off nm/on rd/on st/bare
for entries in $sizes; do
  tree="$work/library-$entries"
  rm -rf "$tree"
  python3 "$repo/bench/generate.py" "$entries" "$tree"
  { cat "$tree/inkwright.cfg"; echo "[options]"; printf '%s\n' "${switches[@]}"; } \
    > "$tree/switches.cfg"
  { cat "$tree/switches.cfg"; printf '%s\n' "${naming[@]}"; } > "$tree/names.cfg"
  { cat "$tree/switches.cfg"; echo "readable text"; } > "$tree/readable.cfg"
  sed '/^\[template:\(page\|tag\)\]$/,+1d' "$tree/switches.cfg" > "$tree/bare.cfg"
  { cat "$tree/bare.cfg"; echo "styled pages"; } > "$tree/styled.cfg"
  configs=(inkwright.cfg switches.cfg names.cfg readable.cfg bare.cfg styled.cfg)
  declare -A times=()
  for ((take = 0; take < takes; take++)); do
    for ((k = 0; k < ${#configs[@]}; k++)); do
      config=${configs[$(((take + k) % ${#configs[@]}))]}
      times[$config]+="$(timeRun "$tree" "$config")"$'\n'
    done
    rm -rf "$tree"/done.*
  done
  for column in 1 2; do
    figures=()
    for config in "${configs[@]}"; do
      figures+=("$(printf '%s' "${times[$config]}" | cut -d' ' -f$column | best)")
    done
    awk -v e="$entries" -v t="$( ((column == 1)) && echo wall || echo cpu)" \
      -v off="${figures[0]}" -v on="${figures[1]}" -v nm="${figures[2]}" -v rd="${figures[3]}" \
      -v bare="${figures[4]}" -v st="${figures[5]}" \
      'BEGIN { printf "%8d %5s %9.3f %9.3f %9.3f %9.3f %9.3f %9.3f %7.3f %7.3f %7.3f %7.3f\n",
               e, t, off, on, nm, rd, bare, st, on / off, nm / on, rd / on, st / bare }'
  done
  unset times
  rm -rf "$tree"
done
[[ -n "${WORK_DIR:-}" ]] || rm -rf "$work"

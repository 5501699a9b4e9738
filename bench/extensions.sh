#!/usr/bin/env bash
# Times the same generated library read with and without the comment-style keys (generate.py
# --extensions): once with no output selected, which leaves the reading and ordering of the
# sources, and once with the HTML pages. The runs of both configurations alternate, so that a
# shared machine slows both alike, and each figure is the best of TAKES runs: wall time, and
# processor time (user and system), which a busy machine disturbs less. As in run.sh, no output is
# deleted until the phase is timed; a WORK_DIR on a tmpfs (/dev/shm) keeps the disk out of it.
# Not run by CI.
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

# One run of a configuration in a fresh out/, kept as out.TAKE; prints its wall time and its
# processor time in seconds.
timedRun() {
  local tree=$1 config=$2 take=$3 start
  mkdir "$tree/out"
  sync
  start=$(now)
  (cd "$tree" && /usr/bin/time -f '%U %S' -o "$work/usage" "$build/inkwright" "$config")
  awk -v start="$start" -v end="$(now)" -v usage="$(cat "$work/usage")" \
    'BEGIN { split(usage, u, " "); print end - start, u[1] + u[2] }'
  mv "$tree/out" "$tree/out.$take"
}

printf '%8s %8s %9s %9s %7s %9s %9s %7s\n' entries phase "off s" "on s" "on/off" \
  "off cpu" "on cpu" "on/off"
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
    for take in $(seq "$takes"); do
      off+=("$(timedRun "$work/library-$entries-off" "$phase.cfg" "$take")")
      on+=("$(timedRun "$work/library-$entries-on" "$phase.cfg" "$take")")
    done
    a=$(printf '%s\n' "${off[@]}" | cut -d' ' -f1 | best)
    b=$(printf '%s\n' "${on[@]}" | cut -d' ' -f1 | best)
    c=$(printf '%s\n' "${off[@]}" | cut -d' ' -f2 | best)
    d=$(printf '%s\n' "${on[@]}" | cut -d' ' -f2 | best)
    awk -v e="$entries" -v p="$phase" -v a="$a" -v b="$b" -v c="$c" -v d="$d" \
      'BEGIN { printf "%8d %8s %9.3f %9.3f %7.3f %9.2f %9.2f %7.3f\n", e, p, a, b, b / a, c, d, d / c }'
    rm -rf "$work"/library-"$entries"-*/out.*
  done
done

#!/usr/bin/env bash
# Builds inkwright for release, generates libraries of 2,000, 20,000 and 50,000 entries
# (generate.py) and, for each, times the whole run next to cp -r of the output tree that the run
# wrote, with the run's processor time (user and system) and peak memory, and times inkwright-check
# over the same tree, with the run's output in out/, next to the run. Each time is the best of
# three. Not run by CI.
# Usage: bench/run.sh   (SIZES="2000 20000" and WORK_DIR=... override the defaults)
# Some disks slow the creation of files down for minutes after many files were deleted, which
# makes both the run and cp -r several times slower at random. For figures that can be compared,
# give WORK_DIR on a file system of its own, made fresh, for example:
#   truncate -s 16G /work/bench.img && mkfs.ext4 -q -F -N 1500000 /work/bench.img
#   mount -o loop /work/bench.img /mnt/bench && WORK_DIR=/mnt/bench/work bench/run.sh
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-bench}
work=${WORK_DIR:-$(mktemp -d)}
sizes=${SIZES:-2000 20000 50000}

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF > /dev/null
cmake --build "$build" -j2 --target inkwright inkwright-check > /dev/null

now() { date +%s.%N; }
since() { awk -v start="$1" -v end="$(now)" 'BEGIN { print end - start }'; }
best() { sort -g | head -1; }

printf '%8s %8s %10s %8s %8s %8s %8s %10s %12s %8s %12s\n' entries files "output MB" "run s" user \
  system "cp s" "run / cp" "peak RSS MB" "check s" "check / run"
for entries in $sizes; do
  tree="$work/library-$entries"
  rm -rf "$tree"
  python3 "$repo/bench/generate.py" "$entries" "$tree"
  runs=() copies=() usage=()
  # Every run and every copy writes into new folders, and nothing is deleted until the end:
  # creating files where many were just deleted is much slower on some file systems.
  for take in 1 2 3; do
    mkdir "$tree/out"
    sync
    start=$(now)
    (cd "$tree" && /usr/bin/time -f '%U %S %M' -o "$work/usage" "$build/inkwright" inkwright.cfg)
    runs+=("$(since "$start")")
    usage+=("$(cat "$work/usage")")
    mv "$tree/out" "$tree/out.$take"
    sync
    start=$(now)
    cp -r "$tree/out.$take" "$tree/copy.$take"
    copies+=("$(since "$start")")
  done
  # The check reads the tree that the first run left its output beside; it writes nothing.
  mv "$tree/out.1" "$tree/out"
  checks=()
  for take in 1 2 3; do
    start=$(now)
    (cd "$tree" && "$build/inkwright-check" --quiet inkwright.cfg > /dev/null || true)
    checks+=("$(since "$start")")
  done
  mv "$tree/out" "$tree/out.1"
  check=$(printf '%s\n' "${checks[@]}" | best)
  run=$(printf '%s\n' "${runs[@]}" | best)
  copy=$(printf '%s\n' "${copies[@]}" | best)
  user=$(printf '%s\n' "${usage[@]}" | cut -d' ' -f1 | best)
  system=$(printf '%s\n' "${usage[@]}" | cut -d' ' -f2 | best)
  peak=$(printf '%s\n' "${usage[@]}" | cut -d' ' -f3 | sort -g | tail -1)
  files=$(find "$tree/out.1" -type f | wc -l)
  megabytes=$(du -sm "$tree/out.1" | cut -f1)
  awk -v e="$entries" -v f="$files" -v m="$megabytes" -v r="$run" -v u="$user" -v s="$system" \
    -v c="$copy" -v p="$peak" -v k="$check" \
    'BEGIN { printf "%8d %8d %10d %8.3f %8.2f %8.2f %8.3f %10.2f %12.1f %8.3f %12.2f\n",
      e, f, m, r, u, s, c, r / c, p / 1024, k, k / r }'
  echo "$entries $run" >> "$work/times"
done

# Time per entry at the largest size over time per entry at the smallest: 1 is linear.
awk 'NR == 1 { n0 = $1; t0 = $2 } { n = $1; t = $2 }
     END { if (NR > 1) printf "scaling %d -> %d entries: time per entry x %.2f\n", n0, n, (t / n) / (t0 / n0) }' \
  "$work/times"
rm -f "$work/times" "$work/usage"
for entries in $sizes; do
  rm -rf "$work/library-$entries"
done
[[ -n "${WORK_DIR:-}" ]] || rm -rf "$work"

#!/usr/bin/env bash
# Builds inkwright for release, generates libraries of 2,000, 20,000 and 50,000 entries
# (generate.py) and, for each, times the whole run next to cp -r of the output tree that the run
# wrote, with the run's processor time (user and system) and peak memory, and times inkwright-check
# over the same tree, with the run's output in out/, next to the run. Each time is the median of
# three rounds, the run and the copy taken in turn within each round. Not run by CI.
# A second table times the same library with the switch "keep unchanged files" (keep.cfg, the
# generated configuration plus the switch), the variants taken in turn within each of the three
# rounds so that a noisy machine slows them alike:
#   keep s      a first run with the switch into an empty folder; keep / run is that over the first
#               table's run s, and should stay at most 1.03 (the switch costs a first run nothing);
#               peak RSS MB, its largest peak memory, which the record must not push above twice
#               the sources plus 30 MB
#   rerun s     a second run with the switch over the unchanged library, into the folder the first
#               one wrote, which finds there the record the first left; rerun / cp is that over
#               cp s (the goal is at most 0.5 at 50,000 entries)
#   touched     the files whose time stamp the second run changed, the most of the three rounds;
#               the goal is 0
#   edit s      a run with the switch after one word of one source file changed, once
#   written     the files whose time stamp that run changed; changed, the files whose bytes it
#               changed, the record included. Only changed files should be written, so the two are
#               equal
# Usage: bench/run.sh   (SIZES="2000 20000" and WORK_DIR=... override the defaults; LIBRARY=--short
# times libraries of short pages instead)
# Some disks slow the creation of files down for minutes after many files were deleted, which
# makes both the run and cp -r several times slower at random. For figures that can be compared,
# give WORK_DIR on a file system of its own, made fresh, for example:
#   truncate -s 40G /work/bench.img
#   mkfs.ext4 -q -F -N 6000000 -E lazy_itable_init=0,lazy_journal_init=0 /work/bench.img
#   mount -o loop /work/bench.img /mnt/bench && WORK_DIR=/mnt/bench/work bench/run.sh
# (without the -E options the new file system goes on initialising itself in the background for
# minutes, which slows the runs at random; each size leaves 14 folders of outputs behind until the
# end, so the inode count must be several times the files of the largest size).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-bench}
work=${WORK_DIR:-$(mktemp -d)}
sizes=${SIZES:-2000 20000 50000}

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF > /dev/null
cmake --build "$build" -j2 --target inkwright inkwright-check > /dev/null

now() { date +%s.%N; }
since() { awk -v start="$1" -v end="$(now)" 'BEGIN { print end - start }'; }
median() { sort -g | sed -n 2p; }
# Every file below a folder with its time stamp, to the nanosecond.
stamps() { (cd "$1" && find . -type f -printf '%p %T@\n' | sort); }
# The files of stamps.after whose time stamp is not the one in stamps.before, new files included.
changedStamps() { comm -13 "$work/stamps.before" "$work/stamps.after" | wc -l; }
keeptable=()

printf '%8s %8s %10s %8s %8s %8s %8s %10s %12s %8s %12s\n' entries files "output MB" "run s" user \
  system "cp s" "run / cp" "peak RSS MB" "check s" "check / run"
for entries in $sizes; do
  tree="$work/library-$entries"
  rm -rf "$tree"
  python3 "$repo/bench/generate.py" "$entries" "$tree" ${LIBRARY:-}
  { cat "$tree/inkwright.cfg"; printf '[options]\nkeep unchanged files\n'; } > "$tree/keep.cfg"
  runs=() copies=() usage=() keeps=() keepPeaks=() reruns=() touched=()
  # Every run and every copy writes into new folders, and nothing is deleted until the end:
  # creating files where many were just deleted is much slower on some file systems.
  for take in 1 2 3; do
    # The first run with and without the switch, each into an empty folder, in turn first: the
    # one that follows the other meets the disk still busy with the other's writing.
    for variant in $( ((take % 2)) && echo "plain keep" || echo "keep plain"); do
      mkdir "$tree/out"
      sync
      start=$(now)
      if [[ $variant == plain ]]; then
        (cd "$tree" && /usr/bin/time -f '%U %S %M' -o "$work/usage" "$build/inkwright" inkwright.cfg)
        runs+=("$(since "$start")")
        usage+=("$(cat "$work/usage")")
        mv "$tree/out" "$tree/out.$take"
      else
        (cd "$tree" && /usr/bin/time -f '%M' -o "$work/usage" "$build/inkwright" keep.cfg)
        keeps+=("$(since "$start")")
        keepPeaks+=("$(cat "$work/usage")")
        mv "$tree/out" "$tree/kept.$take"
      fi
    done
    sync
    start=$(now)
    cp -r "$tree/out.$take" "$tree/copy.$take"
    copies+=("$(since "$start")")

    mv "$tree/kept.$take" "$tree/out"
    sync
    stamps "$tree/out" > "$work/stamps.before"
    start=$(now)
    (cd "$tree" && "$build/inkwright" keep.cfg)
    reruns+=("$(since "$start")")
    stamps "$tree/out" > "$work/stamps.after"
    touched+=("$(changedStamps)")
    mv "$tree/out" "$tree/kept.$take"
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
  check=$(printf '%s\n' "${checks[@]}" | median)
  run=$(printf '%s\n' "${runs[@]}" | median)
  copy=$(printf '%s\n' "${copies[@]}" | median)
  user=$(printf '%s\n' "${usage[@]}" | cut -d' ' -f1 | median)
  system=$(printf '%s\n' "${usage[@]}" | cut -d' ' -f2 | median)
  peak=$(printf '%s\n' "${usage[@]}" | cut -d' ' -f3 | sort -g | tail -1)
  files=$(find "$tree/out.1" -type f | wc -l)
  megabytes=$(du -sm "$tree/out.1" | cut -f1)
  awk -v e="$entries" -v f="$files" -v m="$megabytes" -v r="$run" -v u="$user" -v s="$system" \
    -v c="$copy" -v p="$peak" -v k="$check" \
    'BEGIN { printf "%8d %8d %10d %8.3f %8.2f %8.2f %8.3f %10.2f %12.1f %8.3f %12.2f\n",
      e, f, m, r, u, s, c, r / c, p / 1024, k, k / r }'
  echo "$entries $run" >> "$work/times"

  # One word of the first source file changes; the kept output of the first round is run over.
  mv "$tree/kept.1" "$tree/out"
  cp -r "$tree/out" "$tree/before-edit"
  first=$(find "$tree/src" -name '*.pb' | sort | sed -n 1p)
  sed -i '0,/^\*   lb[A-Za-z0-9]* - /s//&edited /' "$first"
  sync
  stamps "$tree/out" > "$work/stamps.before"
  start=$(now)
  (cd "$tree" && "$build/inkwright" keep.cfg)
  edit=$(since "$start")
  stamps "$tree/out" > "$work/stamps.after"
  written=$(changedStamps)
  changed=$( (diff -rq "$tree/before-edit" "$tree/out" || true) | wc -l)
  keep=$(printf '%s\n' "${keeps[@]}" | median)
  rerun=$(printf '%s\n' "${reruns[@]}" | median)
  mosttouched=$(printf '%s\n' "${touched[@]}" | sort -g | tail -1)
  keepPeak=$(printf '%s\n' "${keepPeaks[@]}" | sort -g | tail -1)
  keeptable+=("$(awk -v e="$entries" -v k="$keep" -v r="$run" -v rr="$rerun" -v c="$copy" \
    -v t="$mosttouched" -v ed="$edit" -v w="$written" -v ch="$changed" -v p="$keepPeak" \
    'BEGIN { printf "%8d %8.3f %10.3f %12.1f %8.3f %10.2f %8d %8.3f %8d %8d",
      e, k, k / r, p / 1024, rr, rr / c, t, ed, w, ch }')")
done

printf '\n%8s %8s %10s %12s %8s %10s %8s %8s %8s %8s\n' entries "keep s" "keep / run" \
  "peak RSS MB" "rerun s" "rerun / cp" touched "edit s" written changed
printf '%s\n' "${keeptable[@]}"

# Time per entry at the largest size over time per entry at the smallest: 1 is linear.
awk 'NR == 1 { n0 = $1; t0 = $2 } { n = $1; t = $2 }
     END { if (NR > 1) printf "scaling %d -> %d entries: time per entry x %.2f\n", n0, n, (t / n) / (t0 / n0) }' \
  "$work/times"
rm -f "$work/times" "$work/usage" "$work/stamps.before" "$work/stamps.after"
for entries in $sizes; do
  rm -rf "$work/library-$entries"
done
[[ -n "${WORK_DIR:-}" ]] || rm -rf "$work"

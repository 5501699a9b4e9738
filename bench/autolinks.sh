#!/usr/bin/env bash
# Compares engines of the automatic links: builds the autolinks_bench target (the INKWRIGHT_BENCH
# option: bench/autolinks_bench.cpp linked with the library, built for release) for the working
# tree and for every revision given, then runs them in turn, five times over, on 20,000 and 50,000
# names. Each line is the best of ten rounds in one run, in processor time, which other programs on
# the machine disturb less than wall time; the digests of one size and engine must all agree.
# Each revision is checked out with git worktree into a temporary folder, removed again at the end.
# A revision without the target cannot be compared: it is left out, with a message. Building the
# library takes about a minute per engine with two jobs. Not run by CI.
# Usage: bench/autolinks.sh [REVISION...]
#   PAGES=4000 overrides the pages linked per round; BLANK_NAMES=N gives N of the names a blank;
#   JOBS=2 the parallel jobs of each build.
#
# Figures that shaped the engines (4,000 pages, 12.7 MB, 20,000 names unless said otherwise):
# - The first trie engine linked the pages in about 30 ms, where one replaceAll per name had been
#   quadratic in the names. A table by byte at every node, or a search for blanks eight bytes at a
#   time, paid no more than the spread between runs (33 ms with neither, 32 to 38 ms with them).
# - Names with a blank, linked in stages, took 240 ms for 10 of them, 1,200 ms for 100 and 9.4 s
#   for 1,000; with the shortcut of note [automatic links], 40 ms, 57 ms and 1.4 s.
# - The first word links took 41 to 53 ms, against 28 to 34 ms for the default links (64 to 81 ms
#   against 35 to 48 at 50,000 names); memchr for a shared first byte and labels compared in a loop
#   brought them down. Their hash table of edges saved instructions but not time: with one trie for
#   both engines, searching the children's first bytes, they take 26 ms against 33 (note [name
#   trie]).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
checkouts=()
cleanUp() {
  for checkout in "${checkouts[@]}"; do
    git -C "$repo" worktree remove --force "$checkout" || true
  done
  rm -rf "$work"
}
trap cleanUp EXIT
pages=${PAGES:-4000}
blankNames=${BLANK_NAMES:-0}
jobs=${JOBS:-2}

# Builds the bench of the sources in $1 into $2; stops the script, showing the build's output, when
# it cannot.
buildBench() {
  if ! { cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF \
      -DINKWRIGHT_BENCH=ON && cmake --build "$2" -j"$jobs" --target autolinks_bench; } \
      > "$2.log" 2>&1; then
    cat "$2.log" >&2
    exit 1
  fi
}

labels=(worktree)
benches=("$work/worktree/autolinks_bench")
buildBench "$repo" "$work/worktree"
count=0
for revision in "$@"; do
  count=$((count + 1))
  checkout="$work/source-$count"
  git -C "$repo" worktree add --quiet --detach "$checkout" "$revision"
  checkouts+=("$checkout")
  if ! grep -q INKWRIGHT_BENCH "$checkout/CMakeLists.txt"; then
    echo "$revision has no autolinks_bench target (INKWRIGHT_BENCH): it cannot be compared" >&2
    continue
  fi
  buildBench "$checkout" "$work/build-$count"
  labels+=("$revision")
  benches+=("$work/build-$count/autolinks_bench")
done

for names in 20000 50000; do
  for take in 1 2 3 4 5; do
    for i in "${!benches[@]}"; do
      "${benches[$i]}" "$names" "$pages" 10 "$blankNames" |
        awk -v label="${labels[$i]}" '{ printf "%-12s %s\n", label, $0 }'
    done
  done
done

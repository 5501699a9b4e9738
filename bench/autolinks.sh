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

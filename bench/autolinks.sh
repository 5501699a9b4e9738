#!/usr/bin/env bash
# Compares engines of the automatic links: builds bench/autolinks_bench.cpp for release against
# src/html/autolinks.{h,cpp} (and wordlinks.{h,cpp}, where a revision has them) of the working tree
# and of every revision given, then runs them in turn, five times over, on 20,000 and 50,000 names.
# Each line is the best of ten rounds in one run; the digests of one size and engine must all
# agree. Not run by CI.
# Usage: bench/autolinks.sh [REVISION...]
#   PAGES=4000 overrides the pages linked per round; BLANK_NAMES=N gives N of the names a blank.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pages=${PAGES:-4000}
blankNames=${BLANK_NAMES:-0}

engines=(worktree)
mkdir -p "$work/worktree/src/html"
for file in autolinks.h autolinks.cpp linktrie.h linktrie.cpp wordlinks.h wordlinks.cpp; do
  if [ -f "$repo/src/html/$file" ]; then
    cp "$repo/src/html/$file" "$work/worktree/src/html/"
  fi
done
for revision in "$@"; do
  engines+=("$revision")
  mkdir -p "$work/$revision/src/html"
  for file in autolinks.h autolinks.cpp linktrie.h linktrie.cpp wordlinks.h wordlinks.cpp; do
    if git -C "$repo" cat-file -e "$revision:src/html/$file" 2>/dev/null; then
      git -C "$repo" show "$revision:src/html/$file" > "$work/$revision/src/html/$file"
    fi
  done
done
for engine in "${engines[@]}"; do
  sources=("$work/$engine/src/html/autolinks.cpp")
  for file in linktrie.cpp wordlinks.cpp; do
    if [ -f "$work/$engine/src/html/$file" ]; then
      sources+=("$work/$engine/src/html/$file")
    fi
  done
  ${CXX:-c++} -std=c++20 -O3 -DNDEBUG -I"$work/$engine/src" "$repo/bench/autolinks_bench.cpp" \
    "${sources[@]}" -o "$work/$engine/bench"
done

for names in 20000 50000; do
  for take in 1 2 3 4 5; do
    for engine in "${engines[@]}"; do
      "$work/$engine/bench" "$names" "$pages" 10 "$blankNames" | sed "s/^/$(printf '%-12s ' "$engine")/"
    done
  done
done

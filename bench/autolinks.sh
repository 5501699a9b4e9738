#!/usr/bin/env bash
# Compares engines of the automatic links: builds bench/autolinks_bench.cpp for release against
# src/html/autolinks.{h,cpp} of the working tree and of every revision given, then runs them in
# turn, five times over, on 20,000 and 50,000 names. Each line is the best of ten rounds in one
# run; the digests of one size must all agree. Not run by CI.
# Usage: bench/autolinks.sh [REVISION...]   (PAGES=4000 overrides the pages linked per round)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pages=${PAGES:-4000}

engines=(worktree)
mkdir -p "$work/worktree/src/html"
cp "$repo/src/html/autolinks.h" "$repo/src/html/autolinks.cpp" "$work/worktree/src/html/"
for revision in "$@"; do
  engines+=("$revision")
  mkdir -p "$work/$revision/src/html"
  for file in autolinks.h autolinks.cpp; do
    git -C "$repo" show "$revision:src/html/$file" > "$work/$revision/src/html/$file"
  done
done
for engine in "${engines[@]}"; do
  ${CXX:-c++} -std=c++20 -O3 -DNDEBUG -I"$work/$engine/src" "$repo/bench/autolinks_bench.cpp" \
    "$work/$engine/src/html/autolinks.cpp" -o "$work/$engine/bench"
done

for names in 20000 50000; do
  for take in 1 2 3 4 5; do
    for engine in "${engines[@]}"; do
      printf '%-12s %s\n' "$engine" "$("$work/$engine/bench" "$names" "$pages" 10)"
    done
  done
done

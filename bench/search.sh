#!/usr/bin/env bash
# Times the search of styled pages in headless Chromium (Debian: chromium), in real time: makes the
# generated library of 50,000 entries (generate.py) with the page switches and "styled pages" on,
# runs inkwright on it, and loads bench/search.html beside the run's search index. The page times
# 100 fixed queries, 25 of each kind, from the query to its results in the list; this prints the
# time the index and the script take to load, the median and the largest query time, and the bytes
# the index takes per entry beside the descriptions. Each figure varies from load to load on a
# shared machine: LOADS (3) loads are made, and each is printed. Not run by CI.
# Usage: bench/search.sh   (ENTRIES=50000, LOADS=3, BUILD_DIR=..., WORK_DIR=... override the defaults)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-bench}
work=${WORK_DIR:-$(mktemp -d)}
entries=${ENTRIES:-50000}
loads=${LOADS:-3}
profile=$(mktemp -d)
trap 'rm -rf "$profile"; [[ -n "${WORK_DIR:-}" ]] || rm -rf "$work"' EXIT

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF > /dev/null
cmake --build "$build" -j2 --target inkwright > /dev/null

tree="$work/library-$entries"
rm -rf "$tree"
python3 "$repo/bench/generate.py" "$entries" "$tree"
{
  cat "$tree/inkwright.cfg"
  printf '%s\n' "[options]" "escape html" "word links" "existing links only" "skip empty tags" \
    "portable help project" "styled pages"
} > "$tree/styled.cfg"
mkdir -p "$tree/out"
(cd "$tree" && "$build/inkwright" styled.cfg)
index="$tree/out/inkwright-index.js"
if [[ ! -f $index ]]; then
  echo "the run wrote no $(basename "$index"): does this inkwright know styled pages?" >&2
  exit 1
fi
cp "$repo/bench/search.html" "$tree/out/search-bench.html"

# The descriptions are the one field whose size the index cannot choose; the rest is its own.
python3 - "$index" << 'PYTHON'
import os, re, sys
text = open(sys.argv[1], encoding="ascii").read()
count = int(re.search(r"\{entries: (\d+),", text).group(1))
descriptions = re.search(r'\ndescriptions: "([^"]*)"', text).group(1)
separators = len("\\u000A") * max(count - 1, 0)
own = os.path.getsize(sys.argv[1]) - (len(descriptions) - separators)
print("index: %d bytes, %d entries, %.1f bytes per entry beside the descriptions"
      % (os.path.getsize(sys.argv[1]), count, own / count))
PYTHON

for ((load = 1; load <= loads; load++)); do
  echo "load $load:"
  chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$profile" \
    --dump-dom "file://$tree/out/search-bench.html" 2> /dev/null |
    sed -n '/<pre id="figures">/,/<\/pre>/{s/<[^>]*>//g;/./s/^/  /p}'
done

#!/usr/bin/env bash
# Makes docs/page.png: one page of a bundled example as a reader's browser shows it, taken with
# headless Chromium (Debian: chromium). The example runs on a copy, its output path replaced.
# Usage: docs/screenshot.sh [INKWRIGHT_BINARY [EXAMPLE_DIRECTORY [PAGE]]]
#   defaults: build/inkwright, examples/bytekit, strbuf_append.html
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$repo/build/inkwright}")
example=${2:-$repo/examples/bytekit}
page=${3:-strbuf_append.html}

work=$(mktemp -d)
profile=$(mktemp -d)
trap 'rm -rf "$work" "$profile"' EXIT
cp -r "$example/." "$work/"
mkdir -p "$work/out"
sed -i '/^\[output path\]/{n;s#.*#'"$work"'/out/#}' "$work/inkwright.cfg"
(cd "$work" && "$binary" inkwright.cfg)

chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --hide-scrollbars --user-data-dir="$profile" --window-size=720,640 \
  --screenshot="$repo/docs/page.png" "file://$work/out/$page" 2> /dev/null
echo "wrote $repo/docs/page.png from $page"

#!/usr/bin/env bash
# Makes the manual's pictures: runs inkwright on a copy of an example and photographs one page with
# headless Chromium (Debian: chromium).
# Usage: docs/make-pictures.sh INKWRIGHT_BINARY
set -euo pipefail

binary=$(realpath "$1")
docs=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shoot EXAMPLE_DIR PAGE PICTURE WIDTH HEIGHT
shoot() {
  rm -rf "$work/example"
  cp -r "$1" "$work/example"
  mkdir -p "$work/example/out"
  (cd "$work/example" && "$binary" inkwright.cfg)
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" --hide-scrollbars --window-size="$4,$5" \
    --screenshot="$3" "file://$work/example/out/$2" 2> /dev/null
}

shoot "$docs/examples/item-kinds" PlaySound.html "$docs/item-kinds.png" 760 660

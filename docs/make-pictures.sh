#!/usr/bin/env bash
# Makes the pictures of the manual and the README: runs inkwright on a copy of an example and
# photographs one page with headless Chromium (Debian: chromium), in the light colours whatever
# the machine's own.
# Usage: docs/make-pictures.sh INKWRIGHT_BINARY
set -euo pipefail

binary=$(realpath "$1")
docs=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shoot EXAMPLE_DIR PAGE PICTURE WIDTH HEIGHT [LINE]
# A LINE given is taken out of the copy's inkwright.cfg first, to show the page without a switch.
shoot() {
  rm -rf "$work/example"
  cp -r "$1" "$work/example"
  mkdir -p "$work/example/out"
  if [ -n "${6:-}" ]; then
    grep -vxF -- "$6" "$1/inkwright.cfg" > "$work/example/inkwright.cfg"
  fi
  (cd "$work/example" && "$binary" inkwright.cfg)
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" --hide-scrollbars --window-size="$4,$5" \
    --blink-settings=preferredColorScheme=1 \
    --screenshot="$3" "file://$work/example/out/$2" 2> /dev/null
}

shoot "$docs/examples/item-kinds" PlaySound.html "$docs/item-kinds.png" 760 660
shoot "$docs/examples/readable-text" FadeTo.html "$docs/readable-text-before.png" 760 440 \
  "readable text"
shoot "$docs/examples/readable-text" FadeTo.html "$docs/readable-text-after.png" 760 760
# The built-in look of styled pages, on a page with a code box, a table of inputs and both
# neighbours, at a desktop's width and at a phone's; then the search page answering a query.
shoot "$docs/../examples/bytekit" ring_init.html "$docs/styled-page-desktop.png" 1280 760
shoot "$docs/../examples/bytekit" ring_init.html "$docs/styled-page-phone.png" 390 900
shoot "$docs/../examples/bytekit" "search.html?q=ring" "$docs/styled-search.png" 1280 600

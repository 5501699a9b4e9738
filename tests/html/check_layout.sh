#!/usr/bin/env bash
# Opens every page of a styled run in headless Chromium (Debian: chromium) as a phone 390 pixels
# wide shows it, and fails when one of them is wider than the window: a long name, a wide table
# or a long line of code must wrap, or scroll inside its own box, and never move the whole page
# sideways. The run is made on a copy of an end-to-end case, so that the pages use the style sheet
# that the program itself writes; the search page is also opened with QUERY, to measure results.
# Usage: check_layout.sh INKWRIGHT_BINARY CASE_DIRECTORY QUERY
set -euo pipefail
source "$(dirname "$0")/../outsidetools.sh"

binary=$(realpath "$1")
case_directory=$2
query=$3
readonly width=390

chromium=/usr/bin/chromium
[[ -x $chromium ]] || skipTest "no $chromium (Debian: chromium)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$case_directory/." "$work/case"
rm -rf "$work/case/expected" "$work/case/out"
mkdir "$work/case/out"
(cd "$work/case" && "$binary" inkwright.cfg)
out=$work/case/out

pages=()
for page in "$out"/*.html; do
  [[ -f $page ]] && pages+=("$(basename "$page")")
done
if ((${#pages[@]} == 0)); then
  echo "the run wrote no page into $out"
  exit 1
fi
[[ -f $out/search.html ]] && pages+=("search.html?q=$query")

# One page beside the others opens them one after the other in a frame of the phone's width, and
# writes what it measured into its own text, which --dump-dom prints. A page whose style sheet
# did not load would pass for the wrong reason, so that is measured too.
{
  echo '<!DOCTYPE html><html><head><meta charset="UTF-8"><title>layout</title></head><body>'
  echo "<iframe id=\"frame\" style=\"width:${width}px;height:800px;border:0\"></iframe>"
  echo '<pre id="found"></pre><script>'
  printf 'var pages = ['
  printf '"%s",' "${pages[@]}"
  echo '];'
  cat << 'SCRIPT'
var frame = document.getElementById("frame"), found = [], next = 0;
function measure() {
  var page = frame.contentDocument, root = page.documentElement;
  var styled = page.styleSheets.length > 0 && page.styleSheets[0].cssRules.length > 0;
  found.push("page " + pages[next - 1] + " width " + root.scrollWidth + " window " +
             root.clientWidth + (styled ? " styled" : " unstyled"));
  openNext();
}
function openNext() {
  if (next === pages.length) {
    document.getElementById("found").textContent = found.join("\n") + "\nmeasured\n";
    return;
  }
  frame.onload = function () { setTimeout(measure, 50); };
  frame.src = pages[next++];
}
openNext();
SCRIPT
  echo '</script></body></html>'
} > "$out/layout-check.html"

dump=$(timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --hide-scrollbars --allow-file-access-from-files \
  --window-size=1000,1000 --virtual-time-budget=20000 --dump-dom \
  "file://$out/layout-check.html" 2> "$work/chromium.log") || true
measured=$(sed -n '/<pre id="found">/,/^measured$/p' <<< "$dump" | sed 's/.*<pre id="found">//')
if ! grep -qx measured <<< "$measured"; then
  echo "chromium did not measure every page; it printed:"
  head -c 2000 <<< "$dump"
  head -20 "$work/chromium.log"
  exit 1
fi

failures=0
while read -r _ page _ scrollWidth _ clientWidth state; do
  echo "$page: $scrollWidth pixels wide in a window of $clientWidth, $state"
  if [[ $state != styled ]]; then
    echo "  FAILED: the style sheet did not load"
    failures=$((failures + 1))
  elif ((scrollWidth > clientWidth || clientWidth > width)); then
    echo "  FAILED: the page scrolls sideways"
    failures=$((failures + 1))
  fi
done < <(grep '^page ' <<< "$measured")
echo "$(grep -c '^page ' <<< "$measured") pages measured $width pixels wide, $failures failed"
((failures == 0))

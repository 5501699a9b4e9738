#!/usr/bin/env bash
# Runs inkwright on a copy of an example project (or of an end-to-end case, whose expected files
# come along unused), its output path replaced by an absolute one with "/" separators, and checks
# what a reader of the output meets:
#   chm          the output folder, moved elsewhere, compiles with chmcmd without one error or
#                warning, also when chmcmd scans the pages for the files they link; every file of
#                the [FILES] list, and every page written, is inside the compiled file (chmls);
#   links        every link of the pages, master index, table of contents and LB.hhc (where the
#                run writes one) names a written file (check_links.py);
#   known-links  the same, letting the two known kinds of broken link of the original format pass;
#   html5        every page parses without an error in html5lib's strict mode (check_html5.py).
# A mode whose program is missing skips (see tests/outsidetools.sh) before anything runs.
# Usage: example_check.sh chm|links|known-links|html5 INKWRIGHT_BINARY EXAMPLE_DIRECTORY
set -euo pipefail

mode=$1
binary=$2
example=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../outsidetools.sh"

case "$mode" in
  chm)
    needProgram chmcmd fp-utils
    needProgram chmls fp-utils
    ;;
  links | known-links) needPython ;;
  html5) needPython html5lib python3-html5lib ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$example/." "$work/"
mkdir -p "$work/out"
sed -i '/^\[output path\]/{n;s#.*#'"$work"'/out/#}' "$work/inkwright.cfg"
(cd "$work" && "$binary" inkwright.cfg)

out="$work/out"
if [[ "$mode" == chm && ! -f "$out/LB.hhp" ]]; then
  echo "the run wrote no help project into $out; see the output path and output format of" \
    "$example/inkwright.cfg (a blank line after a value line stays part of the value)"
  exit 1
fi

# chmcmd says what it does on two lines and an empty one; any other line is a warning or an error.
compileQuietly() {
  local said status=0
  said=$(cd "$moved" && chmcmd "$@" LB.hhp 2>&1) || status=$?
  echo "$said"
  if ((status != 0)) || grep -vE '^(Writing CHM .*|chmcmd, a CHM compiler\..*|)$' <<< "$said"; then
    echo "chmcmd $* ended with status $status, or gave the warnings or errors above"
    exit 1
  fi
  [[ -f "$moved/LB.chm" ]] || { echo "chmcmd wrote no LB.chm"; exit 1; }
}

case "$mode" in
  chm)
    moved="$work/moved elsewhere"
    mv "$out" "$moved"
    compileQuietly
    rm "$moved/LB.chm"
    compileQuietly --no-html-scan
    inside=$(chmls -n list "$moved/LB.chm")
    listed=$(tr -d '\r' < "$moved/LB.hhp" | sed -n '/^\[FILES\]$/,/^\[INFOTYPES\]$/p' |
      sed '1d;$d')
    [[ -n "$listed" ]] || { echo "the project lists no file"; exit 1; }
    missing=0
    while IFS= read -r file; do
      if ! grep -qxF "/$file" <<< "$inside"; then
        echo "listed in [FILES] but not compiled: $file"
        missing=1
      fi
    done <<< "$listed"
    for page in "$moved"/*.html; do
      if ! grep -qxF "/$(basename "$page")" <<< "$inside"; then
        echo "written but not compiled: $(basename "$page")"
        missing=1
      fi
    done
    echo "$(wc -l <<< "$listed") files listed, all compiled unless named above"
    exit "$missing"
    ;;
  links)
    "$python" "$here/check_links.py" "$out"
    ;;
  known-links)
    "$python" "$here/check_links.py" --allow-known-exceptions "$out"
    ;;
  html5)
    "$python" "$here/../html/check_html5.py" "$out"
    ;;
  *)
    echo "unknown mode $mode"
    exit 2
    ;;
esac

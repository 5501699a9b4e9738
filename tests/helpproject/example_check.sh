#!/usr/bin/env bash
# Runs inkwright on a copy of an example project, its output path replaced by an absolute one with
# "/" separators, and checks what a reader of the output meets:
#   chm    the help project compiles with chmcmd, and every file of its [FILES] list is inside
#          the compiled file (listed with chmls);
#   links  every link of the pages, master index and table of contents names a written file
#          (check_links.py).
# Usage: example_check.sh chm|links INKWRIGHT_BINARY EXAMPLE_DIRECTORY
set -euo pipefail

mode=$1
binary=$2
example=$3
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$example/." "$work/"
mkdir -p "$work/out"
sed -i '/^\[output path\]/{n;s#.*#'"$work"'/out/#}' "$work/inkwright.cfg"
(cd "$work" && "$binary" inkwright.cfg)

out="$work/out"
if [[ ! -f "$out/LB.hhp" ]]; then
  echo "the run wrote no help project into $out; see the output path and output format of" \
    "$example/inkwright.cfg (a blank line after a value line stays part of the value)"
  exit 1
fi

case "$mode" in
  chm)
    (cd "$out" && chmcmd --no-html-scan LB.hhp)
    [[ -f "$out/LB.chm" ]] || { echo "chmcmd wrote no LB.chm"; exit 1; }
    inside=$(chmls -n list "$out/LB.chm")
    listed=$(tr -d '\r' < "$out/LB.hhp" | sed -n '/^\[FILES\]$/,/^\[INFOTYPES\]$/p' |
      sed '1d;$d')
    [[ -n "$listed" ]] || { echo "the project lists no file"; exit 1; }
    missing=0
    while IFS= read -r file; do
      if ! grep -qxF "/$file" <<< "$inside"; then
        echo "listed in [FILES] but not compiled: $file"
        missing=1
      fi
    done <<< "$listed"
    echo "$(wc -l <<< "$listed") files listed, all compiled unless named above"
    exit "$missing"
    ;;
  links)
    python3 "$here/check_links.py" "$out"
    ;;
  *)
    echo "unknown mode $mode"
    exit 2
    ;;
esac

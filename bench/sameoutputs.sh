#!/usr/bin/env bash
# Checks that two builds of inkwright write the same bytes: a change meant to leave every output
# as it was (a restructuring, a speed-up) is run as AFTER against the build it started from as
# BEFORE. For each size, generate.py writes a library, and both binaries run on it seven ways,
# each run into a fresh out folder:
#   plain      the generated configuration as it is
#   switches   the same with every page switch of [options] on, built as options.sh builds it
#   readable   those switches and "readable text", as options.sh builds its "readable"
#   readplain  the same less "word links", so that the plain automatic links meet the markup of
#              readable text
#   styled     the switches and "styled pages" without the library's own page and tag templates,
#              as options.sh builds its "styled", so that the built-in templates are filled
#   styledown  "styled pages" with the library's own templates, whose page template holds a
#              placeholder of a replacer, and "readable text" with the plain automatic links
#   keep       a library generated with --extensions, its configuration with the switch
#              "keep unchanged files" added to its [options]; the output then holds the record
#              .inkwright-record, which must be the same too. Each binary then runs a second time
#              over the folder it wrote, and that run must leave every file untouched (time
#              stamps and all), as a run over unchanged inputs does
# Then diff -r compares the two out folders, hidden files included, and the messages and exit
# status of the runs. The table gives, per size and way, the files compared and whether they are
# identical, followed by the first differences. Exits non-zero on any difference.
# Both binaries run from the library's folder on the same configuration file, so the output path
# ("out\" in the generated configuration), the source paths and the configuration bytes (which the
# record digests) are the same for both; each out folder is moved aside once written.
# Nothing is built: BEFORE and AFTER are build folders that already hold an inkwright binary,
# each a release build (cmake -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF). Not run by CI.
# Usage: bench/sameoutputs.sh BEFORE AFTER   (SIZES="20000 50000" and WORK_DIR=... override the
# defaults; KEEP=1 leaves the libraries and out folders in WORK_DIR to look at)
# Each size leaves fourteen out folders until the end, and the deletion of so many files slows the
# creation of files on some disks for minutes afterwards. Give WORK_DIR on a file system of its
# own, for example:
#   truncate -s 30G /work/cmp.img
#   mkfs.ext4 -q -F -N 4000000 -E lazy_itable_init=0,lazy_journal_init=0 /work/cmp.img
#   mkdir -p /mnt/cmp && mount -o loop /work/cmp.img /mnt/cmp
#   WORK_DIR=/mnt/cmp/work bench/sameoutputs.sh build-before build-after
set -euo pipefail

if (($# != 2)); then
  sed -n '/^# Usage:/,/^# defaults/p' "$0" | sed 's/^# //' >&2
  exit 2
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
declare -A binary=([before]=$(realpath "$1")/inkwright [after]=$(realpath "$2")/inkwright)
for side in before after; do
  [[ -x ${binary[$side]} ]] || { echo "no inkwright binary: ${binary[$side]}" >&2; exit 2; }
done
work=${WORK_DIR:-$(mktemp -d)}
sizes=${SIZES:-20000 50000}
switches=("escape html" "word links" "existing links only" "skip empty tags"
  "portable help project")
plainLinkSwitches=()
for switch in "${switches[@]}"; do
  [[ $switch == "word links" ]] || plainLinkSwitches+=("$switch")
done
mkdir -p "$work"
work=$(realpath "$work")

# Only what this script made is deleted; WORK_DIR itself goes when that leaves it empty.
cleanUp() {
  [[ ${KEEP:-} == 1 ]] && return
  for entries in $sizes; do
    rm -rf "$work/library-$entries" "$work/library-$entries-keep" "$work/outputs-$entries"
  done
  rm -f "$work/stamps.first" "$work/stamps.second" "$work/differences" "$work/findings"
  rmdir "$work" 2> /dev/null || true
}
trap cleanUp EXIT

# Prints the configuration $1 with the [options] switches that follow. A key given twice is read
# only the first time, so the switches go into the [options] the file already has, if any.
withSwitches() {
  local config=$1
  shift
  if grep -qx '\[options\]' "$config"; then
    awk -v lines="$(printf '%s\n' "$@")" \
      '{ print } $0 == "[options]" && !done { print lines; done = 1 }' "$config"
  else
    cat "$config"
    echo "[options]"
    printf '%s\n' "$@"
  fi
}

# The output path of the generated configuration, relative to the library's folder.
outputPath() { awk 'previous == "[output path]" { print; exit } { previous = $0 }' "$1"; }

# Every file below a folder with its time stamps (modification and status change) to the
# nanosecond.
stamps() { (cd "$1" && find . -type f -printf '%p %T@ %C@\n' | sort); }

# Runs binary $2 in the library $1 on the configuration $3, into a fresh out folder, appending its
# messages and exit status to $4.
runInto() {
  local status=0
  mkdir "$1/out"
  (cd "$1" && "${binary[$2]}" "$3") >> "$4" 2>&1 || status=$?
  echo "exit status $status" >> "$4"
}

# Runs binary $2 in the library $1 again over the out folder it just wrote, and prints how many
# files there that run changed, added or removed; the messages go to $3 as in runInto.
rerunTouches() {
  local status=0
  stamps "$1/out" > "$work/stamps.first"
  # A file rewritten within the clock tick of its first writing would keep its time stamp.
  sleep 1
  (cd "$1" && "${binary[$2]}" keep.cfg) >> "$3" 2>&1 || status=$?
  echo "exit status $status (second run)" >> "$3"
  stamps "$1/out" > "$work/stamps.second"
  (diff "$work/stamps.first" "$work/stamps.second" || true) | awk '/^[<>]/ { print $2 }' |
    sort -u | wc -l
}

# Runs both binaries on the library $1 with the configuration $2, keeping each out folder and its
# messages in $3/before and $3/after; under keep.cfg also the files each second run touched.
runBoth() {
  local side
  for side in before after; do
    mkdir -p "$3/$side"
    runInto "$1" "$side" "$2" "$3/$side/messages"
    if [[ $2 == keep.cfg ]]; then
      rerunTouches "$1" "$side" "$3/$side/messages" > "$3/$side/touched"
    fi
    mv "$1/out" "$3/$side/out"
  done
}

# Prints what is wrong with the kept outputs in $1, if anything: a record missing, or files that a
# second run touched.
keepFaults() {
  local side
  for side in before after; do
    [[ -f $1/$side/out/.inkwright-record ]] || printf '; %s wrote no record' "$side"
    (($(cat "$1/$side/touched") == 0)) ||
      printf '; second run of %s touched %d files' "$side" "$(cat "$1/$side/touched")"
  done
}

# Compares the outputs in $1 of the way $2 at $3 entries, prints its row of the table and keeps
# the first differences, if any, in the findings.
compare() {
  local files result=identical faults=
  files=$(find "$1/before/out" -type f | wc -l)
  diff -rq "$1/before/out" "$1/after/out" > "$work/differences" || true
  if [[ -s $work/differences ]] || ! cmp -s "$1/before/messages" "$1/after/messages"; then
    result="DIFFERENT (files differing or missing: $(wc -l < "$work/differences"))"
    cmp -s "$1/before/messages" "$1/after/messages" || result+=" (messages differ)"
    {
      echo "== $3 entries, $2:"
      (diff -r "$1/before/out" "$1/after/out" || true) | head -20
      (diff "$1/before/messages" "$1/after/messages" || true) | head -10
    } >> "$work/findings"
  fi
  if [[ $2 == keep ]]; then
    faults=$(keepFaults "$1")
    if [[ -z $faults ]]; then
      result+="; second runs touched nothing"
    else
      result+=$faults
      echo "== $3 entries, $2: ${faults#; }" >> "$work/findings"
    fi
  fi
  printf '%8d %-9s %8d  %s\n' "$3" "$2" "$files" "$result"
}

start=$(date +%s)
rm -f "$work/findings"
printf '%8s %-9s %8s  %s\n' entries way files result
for entries in $sizes; do
  tree="$work/library-$entries" keeptree="$work/library-$entries-keep"
  outputs="$work/outputs-$entries"
  rm -rf "$tree" "$keeptree" "$outputs"
  python3 "$repo/bench/generate.py" "$entries" "$tree"
  python3 "$repo/bench/generate.py" "$entries" "$keeptree" --extensions
  for config in "$tree/inkwright.cfg" "$keeptree/inkwright.cfg"; do
    [[ $(outputPath "$config") == "out\\" ]] ||
      { echo "$config: the output path is not out\\; this script runs into out/" >&2; exit 2; }
  done
  withSwitches "$tree/inkwright.cfg" "${switches[@]}" > "$tree/switches.cfg"
  withSwitches "$tree/inkwright.cfg" "${switches[@]}" "readable text" > "$tree/readable.cfg"
  withSwitches "$tree/inkwright.cfg" "${plainLinkSwitches[@]}" "readable text" \
    > "$tree/readplain.cfg"
  { withSwitches "$tree/inkwright.cfg" "${switches[@]}" "styled pages" |
    sed '/^\[template:\(page\|tag\)\]$/,+1d'; } > "$tree/styled.cfg"
  withSwitches "$tree/inkwright.cfg" "${plainLinkSwitches[@]}" "readable text" "styled pages" \
    > "$tree/styledown.cfg"
  withSwitches "$keeptree/inkwright.cfg" "keep unchanged files" > "$keeptree/keep.cfg"

  runBoth "$tree" inkwright.cfg "$outputs/plain"
  runBoth "$tree" switches.cfg "$outputs/switches"
  runBoth "$tree" readable.cfg "$outputs/readable"
  runBoth "$tree" readplain.cfg "$outputs/readplain"
  runBoth "$tree" styled.cfg "$outputs/styled"
  runBoth "$tree" styledown.cfg "$outputs/styledown"
  runBoth "$keeptree" keep.cfg "$outputs/keep"
  for way in plain switches readable readplain styled styledown keep; do
    compare "$outputs/$way" "$way" "$entries"
  done
done
echo "$(($(date +%s) - start)) s"

if [[ -s $work/findings ]]; then
  echo
  cat "$work/findings"
  exit 1
fi

#!/usr/bin/env bash
# Runs the Windows build over the same end-to-end cases as the Linux tests, under Wine, and
# compares every output file byte for byte with the same expected files: both builds must write
# identical outputs for the same tree. Then the command-line and failure cases that only the
# Windows command line and message box can show. Then inkwright-check.exe, found beside
# inkwright.exe, over the check program's golden cases in tests/check.
#   tests/e2e/run-under-wine.sh path/to/inkwright.exe [path/to/linux/inkwright]
# With the Linux program given too, both also run over the bundled example and must agree.
set -uo pipefail

exe=$(realpath "$1")
check_exe=$(dirname "$exe")/inkwright-check.exe
linux=${2:+$(realpath "$2")}
cases=$(dirname "$(realpath "$0")")
work=$(mktemp -d "${TMPDIR:-/tmp}/inkwright-wine.XXXXXX")
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$work/prefix}" DISPLAY=
passed=0
failed=0

pass() { passed=$((passed + 1)); echo "ok: $1"; }
fail() { failed=$((failed + 1)); echo "FAILED: $1"; }

# Copies a case without its expected files into a fresh folder with an empty out/.
prepare() {
  local from=$1 to=$2
  mkdir -p "$to"
  (cd "$from" && find . -mindepth 1 -maxdepth 1 ! -name expected ! -name expected-stderr.txt \
    -exec cp -r {} "$to/" \;)
  mkdir -p "$to/out"
}

# Runs the program in a folder, with a time limit so that a message box that waited for a click
# would fail the case instead of hanging the run.
run() {
  local folder=$1
  shift
  (cd "$folder" && timeout 120 wine "$exe" "$@" > /dev/null 2>&1)
}

wineboot -i > /dev/null 2>&1

for case in "$cases"/*/; do
  name=$(basename "$case")
  folder="$work/$name"
  prepare "$case" "$folder"
  if ! run "$folder" inkwright.cfg; then
    fail "$name: the run did not end with exit code 0 in time"
    continue
  fi
  # The style sheet and the search script are compared with the files the program builds in.
  expected="$work/$name.expected"
  mkdir -p "$expected"
  [[ -d "$case/expected" ]] && cp -r "$case/expected/." "$expected/"
  for builtIn in inkwright.css inkwright-search.js; do
    if [[ -f "$folder/out/$builtIn" && ! -f "$expected/$builtIn" ]]; then
      cp "$cases/../../src/html/site/$builtIn" "$expected/"
    fi
  done
  # The record of kept outputs names the program's version; the Linux tests check it.
  if diff -r -x .inkwright-record "$expected" "$folder/out" > "$work/$name.diff"; then
    pass "$name"
  else
    fail "$name"
    head -n 20 "$work/$name.diff"
  fi
done

# Kept outputs: run again over the case of "keep unchanged files" after two of its files went
# stale, the run rewrites those two and leaves every other file's time stamp as it was.
kept="$work/keep-unchanged-files"
printf 'stale' >> "$kept/out/Same.html"
printf 'x' > "$kept/out/toc.html"
others() { (cd "$kept/out" && find . -type f ! -name Same.html ! -name toc.html -printf '%p %T@\n' | sort); }
before=$(others)
if run "$kept" inkwright.cfg &&
  diff -r -x .inkwright-record "$cases/keep-unchanged-files/expected" "$kept/out" &&
  [ "$before" = "$(others)" ]; then
  pass "kept outputs: only the stale files are written again"
else
  fail "kept outputs: only the stale files are written again"
fi
# Once more over the unchanged outputs: the record shows that nothing is to be done, and no file,
# the record included, is written.
all() { (cd "$kept/out" && find . -type f -printf '%p %T@\n' | sort); }
before=$(all)
if [ -f "$kept/out/.inkwright-record" ] && run "$kept" inkwright.cfg && [ "$before" = "$(all)" ]; then
  pass "kept outputs: a run over unchanged outputs writes nothing"
else
  fail "kept outputs: a run over unchanged outputs writes nothing"
fi
# Both programs digest the same inputs and outputs alike, so their records are the same bytes.
if [ -n "$linux" ]; then
  prepare "$cases/keep-unchanged-files" "$work/kept-linux"
  (cd "$work/kept-linux" && "$linux" inkwright.cfg)
  if cmp "$work/kept-linux/out/.inkwright-record" "$kept/out/.inkwright-record"; then
    pass "kept outputs: Windows and Linux leave the same record"
  else
    fail "kept outputs: Windows and Linux leave the same record"
  fi
fi

# The bundled example's configuration and sources, with an empty out/.
example=$(realpath "$cases/../../examples/lumenbind")
prepareExample() {
  mkdir -p "$1/out"
  cp -r "$example/inkwright.cfg" "$example/src" "$1/"
}

# A configuration path that holds a space, passed quoted, is one parameter.
spaced="$work/with space"
prepareExample "$spaced"
mv "$spaced/inkwright.cfg" "$spaced/my docs.cfg"
if run "$spaced" "my docs.cfg" && [ -s "$spaced/out/toc.html" ]; then
  pass "quoted configuration path with a space"
else
  fail "quoted configuration path with a space"
fi

# Two parameters: nothing happens.
two="$work/two parameters"
prepareExample "$two"
if run "$two" inkwright.cfg extra && [ -z "$(ls -A "$two/out")" ]; then
  pass "two parameters write nothing"
else
  fail "two parameters write nothing"
fi

# A missing output directory: no file is written, the message boxes do not hold the run up, and
# the exit code is still 0.
missing="$work/missing output"
prepareExample "$missing"
rmdir "$missing/out"
before=$(cd "$missing" && find . | sort)
if run "$missing" inkwright.cfg && [ "$before" = "$(cd "$missing" && find . | sort)" ]; then
  pass "missing output directory writes nothing and ends"
else
  fail "missing output directory writes nothing and ends"
fi

# The bundled example, written by both programs.
if [ -n "$linux" ]; then
  prepareExample "$work/example-windows"
  prepareExample "$work/example-linux"
  cp "$example/out/lumen.css" "$work/example-windows/out/"
  cp "$example/out/lumen.css" "$work/example-linux/out/"
  run "$work/example-windows" inkwright.cfg
  (cd "$work/example-linux" && "$linux" inkwright.cfg)
  if diff -r "$work/example-linux/out" "$work/example-windows/out"; then
    pass "the bundled example: Windows and Linux write the same bytes"
  else
    fail "the bundled example: Windows and Linux write the same bytes"
  fi
  # The second example reads its C headers with the comment-style extensions.
  bytekit=$(realpath "$cases/../../examples/bytekit")
  for side in windows linux; do
    mkdir -p "$work/bytekit-$side/out"
    cp -r "$bytekit/inkwright.cfg" "$bytekit/src" "$work/bytekit-$side/"
  done
  run "$work/bytekit-windows" inkwright.cfg
  (cd "$work/bytekit-linux" && "$linux" inkwright.cfg)
  if [ -s "$work/bytekit-linux/out/toc.html" ] &&
    diff -r "$work/bytekit-linux/out" "$work/bytekit-windows/out"; then
    pass "the C example: Windows and Linux write the same bytes"
  else
    fail "the C example: Windows and Linux write the same bytes"
  fi
fi

# The check program's golden reports. Windows shows paths with "\", where the expected reports,
# written on Linux, have "/": every path the cases name begins with src or out, after a blank, a
# quote or the start of a line, so the separator after them is turned round (in JSON each "\" is
# written twice), and so is the "\" that ends the output path that a line feed broke in two.
normalise() {
  sed -e 's#\(^\|[" ]\)\(src\|out\)\\\\#\1\2/#g' -e 's#\(^\|[" ]\)\(src\|out\)\\#\1\2/#g' \
    -e 's#^\\" does not exist#/" does not exist#'
}
checks=$(realpath "$cases/../check")
for case in "$checks"/*/; do
  name=$(basename "$case")
  folder="$work/check-$name"
  mkdir -p "$folder"
  (cd "$case" && find . -mindepth 1 -maxdepth 1 ! -name 'expected.*' -exec cp -r {} "$folder/" \;)
  for expected in "$case"/expected.*; do
    format=${expected##*.}
    (cd "$folder" && timeout 120 wine "$check_exe" inkwright.cfg --format="$format" \
      > "$work/check.out" 2> /dev/null)
    status=$?
    want=0
    grep -q -e ': warning: ' -e '"rule' "$expected" && want=1
    if [ "$status" -eq "$want" ] && normalise < "$work/check.out" | cmp -s - "$expected"; then
      pass "check $name ($format)"
    else
      fail "check $name ($format): exit code $status, expected $want"
      normalise < "$work/check.out" | diff "$expected" - | head -n 20
    fi
  done
done

echo "wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Builds the Debian package, has lintian check it, installs it with dpkg, runs the installed
# inkwright on a copy of the bundled example, compares every output with what the built program
# writes (and the installed check program's report with the built one's), and removes the package
# again. Needs root, dpkg-dev (dpkg-shlibdeps) and lintian.
# Usage: tests/package/check.sh [BUILD_DIRECTORY]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath -m "${1:-build-package}")

if dpkg -s inkwright > /dev/null 2>&1; then
  echo "a package inkwright is installed already; remove it first (dpkg -r inkwright)"
  exit 1
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DINKWRIGHT_TESTS=OFF
cmake --build "$build" -j2
(cd "$build" && cpack)
deb=$(ls "$build"/inkwright_*.deb)
dpkg-deb --info "$deb"
contents=$(dpkg-deb --contents "$deb")
echo "$contents"
for file in usr/bin/inkwright usr/bin/inkwright-check usr/share/man/man1/inkwright.1.gz \
  usr/share/man/man1/inkwright-check.1.gz usr/share/doc/inkwright/copyright; do
  grep -q " \./$file\$" <<< "$contents" || { echo "the package holds no /$file"; exit 1; }
done
lintian --fail-on error "$deb"

work=$(mktemp -d)
trap 'dpkg -r inkwright > /dev/null || true; rm -rf "$work"' EXIT
dpkg -i "$deb"

# Both programs start from the same copy, so that they find the same files in out/.
cp -r examples/lumenbind "$work/installed"
cp -r examples/lumenbind "$work/built"
(cd "$work/installed" && /usr/bin/inkwright inkwright.cfg)
(cd "$work/built" && "$build/inkwright" inkwright.cfg)
[[ -f $work/installed/out/masterindex.html ]] || { echo "the installed program wrote nothing"; exit 1; }
diff -r "$work/built/out" "$work/installed/out"
echo "the installed inkwright writes the same $(ls "$work/installed/out" | wc -l) files"
# The check program warns with status 1, so its status is not the test; its report is.
(cd "$work/installed" && /usr/bin/inkwright-check inkwright.cfg > ../installed-report.txt || true)
(cd "$work/installed" && "$build/inkwright-check" inkwright.cfg > ../built-report.txt || true)
diff "$work/built-report.txt" "$work/installed-report.txt"
echo "the installed inkwright-check gives the same report"

dpkg -r inkwright
trap 'rm -rf "$work"' EXIT
if [[ -e /usr/bin/inkwright ]]; then
  echo "dpkg -r left /usr/bin/inkwright behind"
  exit 1
fi

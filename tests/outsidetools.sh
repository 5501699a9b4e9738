# shellcheck shell=bash
# Sourced by the tests that need a program from outside the project. A new machine seldom has every
# one of them, so a test whose program is missing is skipped with one line that names it and the
# Debian package that brings it. INKWRIGHT_REQUIRE_TOOLS=1 turns that skip into a failure with the
# same line, so that CI, which installs every program, cannot pass while a test did not run.

# ctest counts a test that ends with this status as skipped (SKIP_RETURN_CODE in CMakeLists.txt).
readonly kSkipStatus=77

# Ends the test with REASON: skipped, or failed under INKWRIGHT_REQUIRE_TOOLS=1.
skipTest() {
  if [[ ${INKWRIGHT_REQUIRE_TOOLS:-} == 1 ]]; then
    echo "FAILED (INKWRIGHT_REQUIRE_TOOLS=1): $1"
    exit 1
  fi
  echo "SKIPPED: $1"
  exit "$kSkipStatus"
}

# Skips the test unless PROGRAM is on the PATH; PACKAGE is the Debian package that brings it.
needProgram() {
  command -v "$1" > /dev/null || skipTest "no $1 on the PATH (Debian: $2)"
}

# Sets python to a python3 that imports MODULE, of the Debian PACKAGE (to any python3 when no
# MODULE is given), and skips the test when there is none. Debian's /usr/bin/python3 is asked
# first: the python3 first on the PATH may be another one, without the modules of Debian's packages.
needPython() {
  local module=${1:-} package=${2:-}
  local candidate
  for candidate in /usr/bin/python3 python3; do
    if command -v "$candidate" > /dev/null && "$candidate" -c "import ${module:-sys}" 2> /dev/null
    then
      python=$candidate
      return
    fi
  done
  if [[ ! -x /usr/bin/python3 ]] && ! command -v python3 > /dev/null; then
    skipTest "no python3 (Debian: python3${package:+ $package})"
  fi
  skipTest "no python3 that imports $module (Debian: $package)"
}

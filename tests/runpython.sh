#!/usr/bin/env bash
# Runs a Python check script under a python3 that imports MODULE (tests/outsidetools.sh says
# which), and skips the test when there is none; PACKAGE is the Debian package of MODULE.
# Usage: runpython.sh MODULE PACKAGE SCRIPT [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/outsidetools.sh"

needPython "$1" "$2"
exec "$python" "${@:3}"

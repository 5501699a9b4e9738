#!/usr/bin/env bash
# Searches the styled pages of a run in headless Chromium (Debian: chromium): runs
# tests/html/search_check.py, which says what each PART checks, and skips the test where there is
# no /usr/bin/chromium (tests/outsidetools.sh).
# Usage: search_check.sh INKWRIGHT E2E_DIR PART
set -euo pipefail
source "$(dirname "$0")/../outsidetools.sh"

chromium=/usr/bin/chromium
[[ -x $chromium ]] || skipTest "no $chromium (Debian: chromium)"
needPython
exec "$python" "$(dirname "$0")/search_check.py" "$chromium" "$@"

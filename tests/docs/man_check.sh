#!/usr/bin/env bash
# Renders a man page the way man-db shows it, and fails on any warning of groff or man.
# Skips when man is missing (see tests/outsidetools.sh).
# Usage: man_check.sh PAGE
set -uo pipefail
source "$(dirname "$0")/../outsidetools.sh"

needProgram man man-db
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 > /dev/null)
status=$?
if [[ -n "$warnings" || $status -ne 0 ]]; then
  echo "$1 (exit status $status):"
  echo "$warnings"
  exit 1
fi

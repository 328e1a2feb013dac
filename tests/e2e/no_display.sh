#!/usr/bin/env bash
# Without any display the program says so in one line and ends with status 1.
set -uo pipefail
err=$(mktemp)
trap 'rm -f "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" >/dev/null 2>"$err"
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, expected 1"; cat "$err"; exit 1; }
[ "$(wc -l <"$err")" -eq 1 ] || { echo "FAIL: expected one line on stderr, got:"; cat "$err"; exit 1; }
grep -q 'DISPLAY' "$err" || { echo "FAIL: the line does not mention the display:"; cat "$err"; exit 1; }
echo "PASS: $(cat "$err")"

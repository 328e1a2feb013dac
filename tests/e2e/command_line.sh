#!/usr/bin/env bash
# "zoki --version" and "zoki --help" answer on standard output and end
# without a display and without opening a window or touching the data files.
# Usage: command_line.sh ZOKI TITLE
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/zoki"

run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/zoki" "$@" >"$work/out" 2>"$work/err"; }

run --version
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: --version ended with status $status"; cat "$work/err"; exit 1; }
[ "$(cat "$work/out")" = "$2" ] || { echo "FAIL: --version printed:"; cat "$work/out"; exit 1; }

run --help
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: --help ended with status $status"; cat "$work/err"; exit 1; }
grep -q '^使い方: zoki' "$work/out" || { echo "FAIL: --help has no usage line:"; cat "$work/out"; exit 1; }
grep -qF "$work/data.dat" "$work/out" || { echo "FAIL: --help does not name $work/data.dat:"; cat "$work/out"; exit 1; }
[ -s "$work/err" ] && { echo "FAIL: --help wrote to standard error:"; cat "$work/err"; exit 1; }

for f in data.dat OutData.dat; do
    [ -e "$work/$f" ] && { echo "FAIL: $f was created"; exit 1; }
done
echo "PASS: $(head -n 1 "$work/out")"

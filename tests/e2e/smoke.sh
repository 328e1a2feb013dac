#!/usr/bin/env bash
# Starts the real program in an empty folder under its own Xvfb and walks the
# first use: the title, the two data files, the offer to import draws, a
# prediction kept in the history, a registered draw and the history window.
# Usage: smoke.sh ZOKI ZOKI_LAYOUT TITLE
set -uo pipefail

zoki=$1
export XS_LAYOUT=$2
title=$3
title_re="^${title//./\\.}\$"
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (apt-get install xvfb xdotool); the end-to-end test needs it"
        exit 77
    fi
done
# shellcheck source=../../scripts/lib/xsession.sh
source "$(dirname "$0")/../../scripts/lib/xsession.sh"

work=$(mktemp -d)
elsewhere=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    xs_stop
    rm -rf "$work" "$elsewhere"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if command -v import >/dev/null && import -window root "${TMPDIR:-/tmp}/zoki-e2e-failure.png" 2>/dev/null; then
        echo "screen at the failure: ${TMPDIR:-/tmp}/zoki-e2e-failure.png"
    fi
    echo "--- program output:"
    cat "$work/log" 2>/dev/null
    exit 1
}

lines() { tr -d '\r' <"$1" | grep -c . || true; }

cp "$zoki" "$work/zoki"
xs_start || fail "Xvfb did not start"

# Started from another folder: the data files belong beside the program.
(cd "$elsewhere" && exec "$work/zoki") >"$work/log" 2>&1 &
pid=$!

main=$(xs_window "$title_re" 30) || fail "no main window titled \"$title\""
echo "main window up: $(xdotool getwindowname "$main")"
for f in data.dat OutData.dat; do
    [ -f "$work/$f" ] || fail "$f was not created beside the program"
    [ -s "$work/$f" ] && fail "$f is not empty on a first start"
done
[ -z "$(ls -A "$elsewhere")" ] || fail "files appeared in the current folder: $(ls -A "$elsewhere")"
echo "data.dat and OutData.dat created empty"

# No draw yet: once the window is up, the import is offered; No goes on.
offer=$(xs_window '^【質問】$' 20) || fail "no offer to import the draw history on a first start"
xs_key "$offer" Tab space
xs_gone '^【質問】$' 10 || fail "the offer to import did not close on No"
xs_find '^当選データの取込$' >/dev/null && fail "No opened the import's file dialog"
echo "import offered, declined"

# Nothing kept yet: the history picture warns.
xs_click "$main" Form1 Image6 || fail "cannot click the history picture"
warn=$(xs_window '^【警告】$' 10) || fail "no warning for an empty history"
xs_key "$warn" Return
xs_gone '^【警告】$' 10 || fail "the warning did not close"

# One set, revealed and kept.
xs_click "$main" Form1 Image5 || fail "cannot click the start picture"
question=$(xs_window '^【質問】$' 60) || fail "the keep question did not come after the reveal"
xs_key "$question" Return
thanks=$(xs_window '^【的中祈願】$' 10) || fail "no closing message after keeping the result"
xs_key "$thanks" Return
xs_gone '^【的中祈願】$' 10 || fail "the closing message did not close"
[ "$(lines "$work/OutData.dat")" -eq 6 ] || fail "OutData.dat should hold one set of six lines: $(od -c "$work/OutData.dat" | head)"
[ "$(grep -c $'\r$' "$work/OutData.dat")" -eq 6 ] || fail "OutData.dat lines do not end in CR LF"
tr -d '\r' <"$work/OutData.dat" | awk '$0 < 1 || $0 > 43 || $0 != int($0) || seen[$0]++ { bad = 1 } END { exit bad }' ||
    fail "the kept set is not six different numbers 1..43: $(tr '\r\n' '  ' <"$work/OutData.dat")"
echo "kept set: $(tr -d '\r' <"$work/OutData.dat" | tr '\n' ' ')"

# A draw registered through the data menu (Alt+D, A).
xs_key "$main" alt+d a
form4=$(xs_window '^登録フォーム$' 10) || fail "the registration form did not open from the menu"
xs_click "$form4" Form4 Text1_0 || fail "cannot click the first field"
first=1
for n in 3 11 17 25 38 42 7; do
    [ $first -eq 1 ] || xs_key "$form4" Tab
    first=0
    xs_type "$form4" "$n"
done
xs_click "$form4" Form4 Command1 || fail "cannot click 登録"
xs_gone '^登録フォーム$' 10 || fail "the registration form stayed open: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' ' ')"
[ "$(tr -d '\r' <"$work/data.dat" | tr '\n' ' ')" = "3 11 17 25 38 42 7 " ] ||
    fail "data.dat should hold the registered draw: $(od -c "$work/data.dat" | head)"
echo "draw registered"

# Now the history window opens.
xs_click "$main" Form1 Image6 || fail "cannot click the history picture"
xs_window '^HISTORY$' 10 >/dev/null || fail "the history window did not open"
echo "history window open"

kill -0 "$pid" 2>/dev/null || fail "the program ended on its own"
kill "$pid"
wait "$pid" 2>/dev/null
pid=""

# A folder where OutData.dat cannot be read: one clear message, then a clean end.
broken="$work/broken"
mkdir -p "$broken/OutData.dat"
cp "$zoki" "$broken/zoki"
"$broken/zoki" >"$work/log" 2>&1 &
pid=$!
box=$(xs_window '^【警告】$' 30) || fail "no message when OutData.dat cannot be read"
xs_key "$box" Return
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the start-up message"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 1 ] || fail "exit status $status after the start-up message, expected 1"
echo "unreadable OutData.dat: message shown, ended with status 1"

echo "PASS"

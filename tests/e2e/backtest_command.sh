#!/usr/bin/env bash
# "zoki --backtest" on the real program, without a display: the table on
# standard output, data.dat only read, OutData.dat never made; a bad option
# gives one line on standard error and nothing on standard output.
# Usage: backtest_command.sh ZOKI
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/zoki"

# 150 invented draws (seven different numbers each), the same every time.
seed=12345
for ((d = 0; d < 150; d++)); do
    taken=" "
    for ((k = 0; k < 7; k++)); do
        while :; do
            seed=$(((seed * 1103515245 + 12345) % 2147483648))
            n=$((seed / 65536 % 43 + 1))
            [[ $taken == *" $n "* ]] || break
        done
        taken+="$n "
        printf '%s\r\n' "$n"
    done
done >"$work/data.dat"
cp "$work/data.dat" "$work/data.before"

run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/zoki" "$@" >"$work/out" 2>"$work/err"; }
fail() { echo "FAIL: $*"; echo "--- stdout"; cat "$work/out"; echo "--- stderr"; cat "$work/err"; exit 1; }

run --backtest --repeat 2 --detail "$work/sets.csv"
status=$?
[ "$status" -eq 0 ] || fail "--backtest ended with status $status"
header='method,sets,tier1,tier2,tier3,tier4,tier5,prize_rate,prize_ci_low,prize_ci_high,expected_prize_rate,mean_matches,matches_ci_low,matches_ci_high,expected_matches,p_value'
[ "$(head -n 1 "$work/out")" = "$header" ] || fail "the header differs"
[ "$(cut -d, -f1,2 "$work/out" | tail -n +2 | tr '\n' ' ')" = "plain,500 high,500 mid,500 low,500 " ] ||
    fail "not one row per method of 50 draws × 2 × 5 sets"
[ -s "$work/err" ] && fail "it wrote to standard error"
[ "$(wc -l <"$work/sets.csv")" -eq 2001 ] || fail "the detail does not hold 2,000 sets"
cmp -s "$work/data.dat" "$work/data.before" || fail "data.dat changed"
[ -e "$work/OutData.dat" ] && fail "OutData.dat was created"

cp "$work/out" "$work/first"
run --backtest --repeat 2
cmp -s "$work/out" "$work/first" || fail "the same seed gave another table"

run --backtest --sets 9
status=$?
[ "$status" -ne 0 ] || fail "--sets 9 ended with status 0"
[ -s "$work/out" ] && fail "--sets 9 wrote to standard output"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "--sets 9 did not give one line"
grep -q '^zoki: --sets には' "$work/err" || fail "--sets 9 did not say what is wrong"

run --help
grep -q -- '--backtest' "$work/out" || fail "--help does not list --backtest"
echo "PASS: $(sed -n 2p "$work/first")"

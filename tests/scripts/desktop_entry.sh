#!/usr/bin/env bash
# The desktop menu entry that scripts/run installs, made by the same code for
# a data folder whose name needs quoting: it passes desktop-file-validate
# without a remark, starts the installed program from its folder and shows the
# program's own icon. A folder name the entry cannot carry installs nothing.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
command -v desktop-file-validate >/dev/null || {
    echo "desktop-file-validate is missing (apt-get install desktop-file-utils)"
    exit 77
}
# shellcheck source=../../scripts/lib/desktop.sh
source "$root/scripts/lib/desktop.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

export XDG_DATA_HOME="$scratch/my \"loto\" \$data \`x\` it's \\ here"
home="$XDG_DATA_HOME/zoki"
mkdir -p "$home"
install_desktop_entry "$home" "$root"
entry="$XDG_DATA_HOME/applications/zoki.desktop"
[ -f "$entry" ] || fail "no entry written"

remarks=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $remarks"
[ -z "$remarks" ] || fail "desktop-file-validate remarks: $remarks"

value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = "ゾキ" ] || fail "Name is $(value Name)"
[ "$(value Categories)" = "Utility;" ] || fail "Categories is $(value Categories)"
value Comment | grep -q 'ロト6' || fail "Comment is $(value Comment)"
# Quoted, with " ` $ \ escaped in the quotes and every backslash doubled once more.
want_exec="\"$scratch/my \\\\\"loto\\\\\" \\\\\$data \\\\\`x\\\\\` it's \\\\\\\\ here/zoki/zoki\""
[ "$(value Exec)" = "$want_exec" ] || fail "Exec is $(value Exec), wanted $want_exec"
[ "$(value Path)" = "${home//\\/\\\\}" ] || fail "Path is $(value Path)"
icon="$XDG_DATA_HOME/icons/hicolor/64x64/apps/zoki.png"
[ "$(value Icon)" = "${icon//\\/\\\\}" ] || fail "Icon is $(value Icon)"
cmp -s "$icon" "$root/resources/pictures/106@2x.png" || fail "the icon is not the program's picture"
cmp -s "$XDG_DATA_HOME/icons/hicolor/32x32/apps/zoki.png" "$root/resources/pictures/106.png" ||
    fail "no 32 pixel icon"

export XDG_DATA_HOME="$scratch/100%"
if install_desktop_entry "$XDG_DATA_HOME/zoki" "$root" 2>/dev/null; then
    fail "a folder with % was accepted"
fi
[ ! -e "$XDG_DATA_HOME/applications/zoki.desktop" ] || fail "an entry was written for a folder with %"
echo "desktop entry ok"

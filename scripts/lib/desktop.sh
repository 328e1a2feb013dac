# The desktop menu entry of ゾキ for the current user. Source this file.
#   install_desktop_entry HOME ROOT
#       installs the icon (drawn from ROOT/resources/pictures) and the entry
#       ${XDG_DATA_HOME:-~/.local/share}/applications/zoki.desktop, which
#       starts HOME/zoki from HOME, the folder its data lives in
#   desktop_entry HOME ICON
#       prints the entry for the program in HOME with the icon file ICON

# A string value: a backslash is written as two.
desktop_string() {
    printf '%s' "${1//\\/\\\\}"
}

# One argument of the Exec key: in double quotes, with " ` $ \ escaped inside
# them, then escaped once more as any string value.
desktop_exec_argument() {
    local s=$1
    s=${s//\\/\\\\}
    s=${s//\"/\\\"}
    s=${s//\`/\\\`}
    s=${s//\$/\\\$}
    desktop_string "\"$s\""
}

desktop_entry() {
    local home=$1 icon=$2
    cat <<EOF
[Desktop Entry]
Type=Application
Name=ゾキ
GenericName=ロト6 数字予想
Comment=ロト6の当選番号を記録し、次に出そうな数字を予想します
Exec=$(desktop_exec_argument "$home/zoki")
Path=$(desktop_string "$home")
Icon=$(desktop_string "$icon")
Terminal=false
Categories=Utility;
Keywords=ロト6;ロト;宝くじ;Loto6;
StartupWMClass=zoki
EOF
}

install_desktop_entry() {
    local home=$1 root=$2
    local data=${XDG_DATA_HOME:-$HOME/.local/share}
    # A line break cannot stand in a value; a % in the program's path would
    # have to be written %%, which GLib's menus then fail to find.
    case "$home$data" in
    *$'\n'* | *$'\r'* | *$'\t'* | *%*)
        echo "desktop entry: not installed, the folder name holds a line break, a tab or %: $home" >&2
        return 1
        ;;
    esac
    local icons="$data/icons/hicolor" apps="$data/applications"
    mkdir -p "$icons/32x32/apps" "$icons/64x64/apps" "$apps"
    # The window icon's picture, at both sizes the program has it.
    cp "$root/resources/pictures/106.png" "$icons/32x32/apps/zoki.png"
    cp "$root/resources/pictures/106@2x.png" "$icons/64x64/apps/zoki.png"
    # By its full path: found whether or not the desktop reads the user's
    # icon theme folder.
    desktop_entry "$home" "$icons/64x64/apps/zoki.png" >"$apps/zoki.desktop.new"
    mv -f "$apps/zoki.desktop.new" "$apps/zoki.desktop"
}

# Helpers to drive zoki under a private Xvfb. Source this file; it needs
# Xvfb, xdotool and (for pictures) ImageMagick's import.
#   xs_start                 start Xvfb on a free display, export DISPLAY
#   xs_stop                  stop it again (also done on exit)
#   xs_window REGEX [SECS]   print the id of the visible window whose title matches
#   xs_gone REGEX [SECS]     wait until no visible window's title matches
#   xs_click WID FORM NAME [DX,DY]
#                            click a control: its centre, or DX,DY from its top left
#                            (negative: from its right or bottom edge); needs XS_LAYOUT
#   xs_hover WID FORM NAME [DX,DY]
#                            move the mouse there without clicking (for tool tips)
#   xs_key WID KEYS...       focus the window and press keys (xdotool names)
#   xs_type WID TEXT         focus the window and type text
#   xs_shot WID FILE         save a picture of the window
# XS_LAYOUT names the zoki_layout program of the same build. XS_WM names a
# window manager to run on the display (e.g. openbox), for frames, focus and
# placement as on a desktop; without it there is none.

XS_XVFB_PID=""
XS_WM_PID=""

xs_stop() {
    if [ -n "$XS_WM_PID" ]; then
        kill "$XS_WM_PID" 2>/dev/null || true
        wait "$XS_WM_PID" 2>/dev/null || true
        XS_WM_PID=""
    fi
    if [ -n "$XS_XVFB_PID" ]; then
        kill "$XS_XVFB_PID" 2>/dev/null || true
        wait "$XS_XVFB_PID" 2>/dev/null || true
        XS_XVFB_PID=""
    fi
}

xs_start() {
    local fdfile
    fdfile=$(mktemp)
    # -noreset: when the last client leaves, a resetting server refuses the
    # next program that connects during the reset.
    Xvfb -displayfd 3 -screen 0 "${XS_SCREEN:-1280x800x24}" -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
    XS_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    if ! [ -s "$fdfile" ]; then
        rm -f "$fdfile"
        echo "xsession: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(tr -d '[:space:]' <"$fdfile")"
    rm -f "$fdfile"
    # No desktop bus: nothing may outlive the program.
    export DBUS_SESSION_BUS_ADDRESS=disabled:
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    if [ -n "${XS_WM:-}" ]; then
        $XS_WM >/dev/null 2>&1 &
        XS_WM_PID=$!
        sleep 1 # it takes the screen over before the first window maps
    fi
}

# Titles are read from _NET_WM_NAME (UTF-8): in some locales Qt's WM_NAME,
# which xdotool's --name search reads, does not hold the Japanese title.
xs_find() {
    local regex=$1 id
    for id in $(xdotool search --onlyvisible --class . 2>/dev/null); do
        if xdotool getwindowname "$id" 2>/dev/null | grep -Eq -- "$regex"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

xs_window() {
    local regex=$1 secs=${2:-20} i
    for i in $(seq 1 $((secs * 10))); do
        xs_find "$regex" && return 0
        sleep 0.1
    done
    echo "xsession: no window titled /$regex/ within ${secs}s" >&2
    return 1
}

xs_gone() {
    local regex=$1 secs=${2:-20} i
    for i in $(seq 1 $((secs * 10))); do
        xs_find "$regex" >/dev/null || return 0
        sleep 0.1
    done
    echo "xsession: window /$regex/ still open after ${secs}s" >&2
    return 1
}

# Prints "x y" for a point of a control, relative to the window.
xs_where() {
    local wid=$1 form=$2 name=$3 at=${4:-} line x y w h clientHeight windowHeight offset=0 dx dy
    line=$("$XS_LAYOUT" | awk -v f="$form" -v n="$name" '$1 == f && $2 == n { print $3, $4, $5, $6 }')
    if [ -z "$line" ]; then
        echo "xsession: no control $form.$name" >&2
        return 1
    fi
    read -r x y w h <<<"$line"
    if [ "$form" = Form1 ]; then
        # The main window's client area sits below its menu bar.
        clientHeight=$("$XS_LAYOUT" | awk '$1 == "Form1" && $2 == "window" { print $6 }')
        windowHeight=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
        offset=$((windowHeight - clientHeight))
    fi
    if [ -z "$at" ]; then
        echo "$((x + w / 2)) $((y + h / 2 + offset))"
        return 0
    fi
    dx=${at%,*}
    dy=${at#*,}
    [ "$dx" -ge 0 ] || dx=$((w + dx))
    [ "$dy" -ge 0 ] || dy=$((h + dy))
    echo "$((x + dx)) $((y + dy + offset))"
}

xs_click() {
    local wid=$1 pos
    pos=$(xs_where "$@") || return 1
    # shellcheck disable=SC2086
    xdotool mousemove --window "$wid" $pos click 1
}

xs_hover() {
    local wid=$1 pos
    pos=$(xs_where "$@") || return 1
    # shellcheck disable=SC2086
    xdotool mousemove --window "$wid" $pos
}

xs_key() {
    local wid=$1
    shift
    xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
    xdotool key --delay 60 "$@"
}

xs_type() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    xdotool type --delay 40 "$2"
}

xs_shot() { import -window "$1" "$2"; }

trap xs_stop EXIT

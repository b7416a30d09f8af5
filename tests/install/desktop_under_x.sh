#!/usr/bin/env bash
# desktop_under_x.sh <scratch root> <work folder> <sketch> <listener>: the
# installed program on a real X server (Xvfb) under a window manager
# (openbox), started as a desktop starts it:
# - its window's class is the one its desktop entry names;
# - a sketch opened with xdg-open while it runs: xdg-open succeeds, the launch's
#   startup notification is ended, and the running copy's window comes to the
#   front with the focus, still maximised; from minimised the same;
# - a start in the tray, with no system tray on the desktop, shows the window.
# <listener> prints the startup notification messages on the display.
source "$(dirname "$0")/checks.sh"
root=$1 work=$2 sketch=$3 listener=$4

rm -rf "$work"
mkdir -p "$work/home/Documents" "$work/config" "$work/data/mime/packages" "$work/cache" "$work/runtime"
chmod 700 "$work/runtime"
cp "$sketch" "$work/home/Documents/a.wpi"
cp "$sketch" "$work/home/Documents/b.wpi"

started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT

# Waits up to $1 seconds for the command after it to succeed.
within() {
    local seconds=$1 tries
    shift
    for ((tries = seconds * 10; tries > 0; tries--)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
within 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

# The session as a desktop sets it up, with nothing of the caller's.
session=(env -i "DISPLAY=:$(cat "$work/display")" PATH="$root/usr/bin:/usr/bin:/bin" LANG=C.UTF-8
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
    XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_DIRS="$root/usr/share:/usr/share" DRAVELLO_SYSTEM_ROOT="$root"
    QT_QPA_PLATFORM=xcb QT_LOGGING_RULES='*.debug=false')

"${session[@]}" openbox --sm-disable >"$work/openbox.log" 2>&1 &
started+=($!)
within 20 "${session[@]}" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"

# The sketch types and the program as their default, as the package and a
# user's choice make them.
cp "$root/usr/share/mime/packages/dravello.xml" "$work/data/mime/packages/"
XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/data" update-mime-database "$work/data/mime"
printf '[Default Applications]\napplication/x-scrivet-wpi=Dravello.desktop\n' >"$work/config/mimeapps.list"
type=$("${session[@]}" xdg-mime query filetype "$work/home/Documents/a.wpi")
[ "$type" = application/x-scrivet-wpi ] || fail "xdg-mime takes a.wpi for $type"

# (Started in the background straight, not through this, so that $! is the program.)
x() { "${session[@]}" "$@"; }
window_state() { x xprop -id "$1" _NET_WM_STATE; }
maximised() { window_state "$1" | grep -q _NET_WM_STATE_MAXIMIZED_VERT && window_state "$1" | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
hidden() { window_state "$1" | grep -q _NET_WM_STATE_HIDDEN; }
active() { [ "$(x xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
on_top() {
    local stacking
    stacking=$(x xprop -root -notype _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' | tail -n 1)
    [ "$((stacking))" = "$1" ]
}
main_window() { x xdotool search --onlyvisible --name '^Scrivet Dravello$' 2>/dev/null | head -n 1; }
other_window() { x xdotool search --onlyvisible --name '^xmessage$' 2>/dev/null | head -n 1; }
shown() { [ -n "$("$1")" ]; }
# A launch as a desktop makes it: its startup id carries the time of "now".
startup_id() { echo "dravello-test-$1_TIME$(awk '{printf "%d", ($1 * 1000) % 4294967296}' /proc/uptime)"; }

"${session[@]}" "$listener" >"$work/startup-messages" &
started+=($!)
within 10 grep -q listening "$work/startup-messages" || fail "the startup notification listener did not start"

"${session[@]}" dravello >"$work/program.log" 2>&1 &
program=$!
started+=($program)
within 30 shown main_window || fail "the program's window did not show"
win=$(main_window)

# The class that docks and task bars match with the desktop entry.
class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/Dravello.desktop")
x xprop -id "$win" WM_CLASS | grep -q "= \"dravello\", \"$class\"\$" ||
    fail "the window's class is $(x xprop -id "$win" WM_CLASS), the entry's $class"
within 10 maximised "$win" || fail "the window did not start maximised"

# Another window on top with the focus, as the file manager the user opens the sketch from.
"${session[@]}" xmessage -geometry 500x200+50+50 "another window" &
started+=($!)
within 10 shown other_window || fail "xmessage did not show"
other=$(other_window)
within 10 active "$other" || fail "the other window did not take the focus"

launch=$(startup_id 1)
status=0
x DESKTOP_STARTUP_ID="$launch" timeout 120 xdg-open "$work/home/Documents/a.wpi" >"$work/xdg-open.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "xdg-open ended with status $status: $(cat "$work/xdg-open.log")"
within 10 active "$win" || fail "after xdg-open the window does not have the focus"
within 10 on_top "$win" || fail "after xdg-open the window is not on top"
maximised "$win" || fail "after xdg-open the window is no longer maximised: $(window_state "$win")"
within 10 grep -qx "remove: ID=$launch" "$work/startup-messages" ||
    fail "the launch's startup notification was not ended: $(cat "$work/startup-messages")"

# From minimised, by a start from a shell.
x xdotool windowminimize "$win"
within 10 hidden "$win" || fail "the window did not minimise"
x timeout 10 xdotool windowactivate --sync "$other" || fail "the other window did not take the focus back"
status=0
x DESKTOP_STARTUP_ID="$(startup_id 2)" timeout 120 dravello "$work/home/Documents/b.wpi" >"$work/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status: $(cat "$work/second.log")"
within 10 active "$win" || fail "the minimised window did not come back with the focus"
! hidden "$win" || fail "the window is still minimised"
maximised "$win" || fail "the window came back no longer maximised: $(window_state "$win")"
kill "$program"
wait "$program" 2>/dev/null || true

# A start in the tray (openbox has none): hidden at first, then shown.
"${session[@]}" dravello tray >"$work/tray.log" 2>&1 &
started+=($!)
sleep 1
! shown main_window || fail "the tray start showed its window at once"
within 20 shown main_window || fail "without a system tray the tray start never showed its window"
echo "the program behaves as a desktop program under X"

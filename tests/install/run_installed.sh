#!/usr/bin/env bash
# run_installed.sh <scratch root> <work folder> <sketch>: starts the installed
# program as the desktop entry does, with the sketch, offscreen, in a fresh
# home; it must open the sketch (the editor page shows), end cleanly and
# leave the user its settings file, copied from the installed one. Once with
# the scratch root as system root, once without one: the program then finds
# its installed files from its own folder, reached through the bin link.
source "$(dirname "$0")/checks.sh"
root=$1 work=$2 sketch=$3

# The entry's command line with the file in place of %F.
read -r command arguments < <(sed -n 's/^Exec=//p' "$root/usr/share/applications/Dravello.desktop")
[ "$arguments" = "%F" ] || fail "the desktop entry's command takes '$arguments', not %F"

# run_once <name> <system root>
run_once() {
    local run=$work/$1 system_root=$2 status=0
    rm -rf "$run"
    mkdir -p "$run/home/Documents" "$run/config" "$run/data" "$run/cache" "$run/runtime" "$run/cwd"
    chmod 700 "$run/runtime"
    cp "$sketch" "$run/home/Documents/"
    (cd "$run/cwd" && env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$run/home" \
        XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data" XDG_CACHE_HOME="$run/cache" \
        XDG_RUNTIME_DIR="$run/runtime" ${system_root:+DRAVELLO_SYSTEM_ROOT="$system_root"} \
        QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*.debug=false' DRAVELLO_TEST_QUIT_MS=3000 \
        timeout 60 "$root/usr/bin/$command" "$run/home/Documents/$(basename "$sketch")" 2>"$run/stderr") ||
        status=$?
    cat "$run/stderr" >&2
    [ "$status" -eq 0 ] || fail "$1: the installed program ended with status $status"
    grep -qx "test quit: page 1" "$run/stderr" || fail "$1: the installed program did not open the sketch"
    cmp -s "$run/data/Scrivet/dravellouser.xml" "$root/usr/share/dravello/dravellouser.xml" ||
        fail "$1: the user's settings file is not the installed one"
}

run_once below-system-root "$root"
run_once from-its-own-folder ""
echo "installed program opened the sketch and quit"

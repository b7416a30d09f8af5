#!/usr/bin/env bash
# run_installed.sh <scratch root> <work folder> <sketch>: starts the installed
# program once as the desktop entry does, with the sketch, offscreen, in a
# fresh home and with the scratch root as system root; it must open the
# sketch (the editor page shows) and end cleanly.
source "$(dirname "$0")/checks.sh"
root=$1 work=$2 sketch=$3

rm -rf "$work"
mkdir -p "$work/home/Documents" "$work/config" "$work/data" "$work/cache" "$work/runtime" "$work/cwd"
chmod 700 "$work/runtime"
cp "$sketch" "$work/home/Documents/"
sketch=$work/home/Documents/$(basename "$sketch")

# The entry's command line with the file in place of %F.
read -r command arguments < <(sed -n 's/^Exec=//p' "$root/usr/share/applications/Dravello.desktop")
[ "$arguments" = "%F" ] || fail "the desktop entry's command takes '$arguments', not %F"

status=0
(cd "$work/cwd" && env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$work/home" \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" \
    XDG_RUNTIME_DIR="$work/runtime" DRAVELLO_SYSTEM_ROOT="$root" \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*.debug=false' DRAVELLO_TEST_QUIT_MS=3000 \
    timeout 60 "$root/usr/bin/$command" "$sketch" 2>"$work/stderr") || status=$?
cat "$work/stderr" >&2
[ "$status" -eq 0 ] || fail "the installed program ended with status $status"
grep -qx "test quit: page 1" "$work/stderr" || fail "the installed program did not open the sketch"
echo "installed program opened the sketch and quit"

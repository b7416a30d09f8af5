#!/usr/bin/env bash
# check_install_tree.sh <scratch root> <source folder> <build folder> <system support folder>:
# the install holds the program with everything it finds beside itself, the
# desktop files, the plug-in and its installer, and the system support files.
source "$(dirname "$0")/checks.sh"
root=$1 source=$2 build=$3 support=$4
program_dir=$root/usr/lib/dravello

expect_file() {
    [ -f "$1" ] || fail "missing ${1#"$root"/}"
}

expect_same() {
    expect_file "$2"
    cmp -s "$1" "$2" || fail "${2#"$root"/} differs from ${1#"$source"/}"
}

# The program, started through the link that users have in PATH.
[ -x "$program_dir/Dravello" ] || fail "the program is not in usr/lib/dravello"
[ -L "$root/usr/bin/dravello" ] || fail "usr/bin/dravello is not a link"
[ "$(readlink -f "$root/usr/bin/dravello")" = "$(readlink -f "$program_dir/Dravello")" ] ||
    fail "usr/bin/dravello does not lead to the program"

# What the program reads beside itself.
expect_same "$source/Dravello/support/dravellofactory.xml" "$program_dir/support/dravellofactory.xml"
for folder in eula userguides; do
    [ -d "$source/Dravello/$folder" ] || continue
    [ "$(files_below "$source/Dravello/$folder")" = "$(files_below "$program_dir/$folder")" ] ||
        fail "usr/lib/dravello/$folder does not hold the files of Dravello/$folder"
done
translations=$(cd "$build/Dravello" && ls -- *.qm)
[ -n "$translations" ] || fail "the build made no translation files"
for qm in $translations; do
    expect_same "$build/Dravello/$qm" "$program_dir/$qm"
done

# The plug-in and its installer tool.
expect_file "$program_dir/hlvexportfile.so"
[ -x "$program_dir/placeplug" ] || fail "placeplug is not in usr/lib/dravello"

# The desktop files; the entry's command and icon are installed.
share=$root/usr/share
entry=$share/applications/Dravello.desktop
expect_file "$entry"
expect_file "$share/mime/packages/dravello.xml"
expect_file "$share/metainfo/com.scrivet.Dravello.metainfo.xml"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$command" ] || fail "the desktop entry starts '$command', which is not in usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 24 32 48 64; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    expect_file "$png"
    file "$png" | grep -q "PNG image data, $size x $size," || fail "${png#"$root"/} is not a $size pixel PNG"
done

# The system support folder at the program's fixed path.
expect_same "$source/Dravello/support/dravellofactory.xml" "$root$support/dravellouser.xml"
expect_same "$source/Dravello/desktop/scrivet-dravello-tray.desktop" "$root$support/scrivet-dravello-tray.desktop"

# The receiver's udev rule, once the source tree has it.
rule=$source/Platform/udev/70-dravello-receiver.rules
if [ -f "$rule" ]; then
    installed=$(find "$root" -name "$(basename "$rule")" -type f)
    [ -n "$installed" ] || fail "the udev rule is not installed"
    expect_same "$rule" "$installed"
fi
echo "install tree complete"

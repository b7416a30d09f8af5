#!/usr/bin/env bash
# check_install_tree.sh <scratch root> <source folder> <build folder>: the
# install (prefix /usr) holds the programs, everything they read, the
# desktop files, the plug-in, the manual page and the package's documents,
# and nothing outside the prefix.
source "$(dirname "$0")/checks.sh"
root=$1 source=$2 build=$3
program_dir=$root/usr/libexec/dravello
data=$root/usr/share/dravello

expect_file() {
    [ -f "$1" ] || fail "missing ${1#"$root"/}"
}

expect_same() {
    expect_file "$2"
    cmp -s "$1" "$2" || fail "${2#"$root"/} differs from ${1#"$source"/}"
}

# Nothing at the top level of the file system but the prefix.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "the install puts files outside /usr: $outside"

# The programs, the desktop program started through the link that users have in PATH.
[ -x "$program_dir/Dravello" ] || fail "the program is not in usr/libexec/dravello"
[ -x "$program_dir/placeplug" ] || fail "placeplug is not in usr/libexec/dravello"
[ -L "$root/usr/bin/dravello" ] || fail "usr/bin/dravello is not a link"
[ "$(readlink -f "$root/usr/bin/dravello")" = "$(readlink -f "$program_dir/Dravello")" ] ||
    fail "usr/bin/dravello does not lead to the program"
expect_file "$root/usr/lib/dravello/illustrator/hlvexportfile.so"

# What the programs read: the factory settings, the licence pages and the
# program's catalogues (the toolkit's come from the Qt installation), and the
# templates of the first start.
expect_same "$source/Dravello/support/dravellofactory.xml" "$data/support/dravellofactory.xml"
for folder in eula userguides; do
    [ -d "$source/Dravello/$folder" ] || continue
    [ "$(files_below "$source/Dravello/$folder")" = "$(files_below "$data/$folder")" ] ||
        fail "usr/share/dravello/$folder does not hold the files of Dravello/$folder"
done
catalogues=$(cd "$build/share/dravello/translations" && ls -- *.qm)
[ "$(wc -w <<<"$catalogues")" -eq "$(ls "$source"/Dravello/translations/*.ts | wc -l)" ] ||
    fail "the build made no catalogue for some .ts file"
for qm in $catalogues; do
    expect_same "$build/share/dravello/translations/$qm" "$data/translations/$qm"
done
[ "$(files_below "$data/translations")" = "$catalogues" ] || fail "usr/share/dravello/translations holds more than the program's catalogues"
expect_same "$source/Dravello/support/dravellofactory.xml" "$data/dravellouser.xml"
expect_same "$source/Dravello/desktop/scrivet-dravello-tray.desktop" "$data/scrivet-dravello-tray.desktop"

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

# The manual page and the package's documents.
expect_file "$share/man/man1/dravello.1.gz"
expect_same "$source/packaging/copyright" "$share/doc/dravello/copyright"
cmp -s <(gzip -dc "$share/doc/dravello/changelog.gz") "$source/packaging/changelog" ||
    fail "usr/share/doc/dravello/changelog.gz is not packaging/changelog"

# The receiver's udev rule.
expect_same "$source/Platform/udev/70-dravello-receiver.rules" "$root/usr/lib/udev/rules.d/70-dravello-receiver.rules"
echo "install tree complete"

#!/usr/bin/env bash
# check_deb.sh <work folder with the .deb> <scratch root> <version>: the .deb
# holds exactly the files of the install, all below /usr; its control fields
# name the package, its version, this machine's architecture, a maintainer
# one can write to and the libraries it needs; its only maintainer script
# is the purge's.
source "$(dirname "$0")/checks.sh"
work=$1 root=$2 version=$3
deb=$(ls "$work"/*.deb)

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = dravello ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[[ "$(field Maintainer)" =~ \<[^@\>]+@[a-z0-9-]+\.[a-z.]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[[ "$(field Maintainer)" != *@localhost* ]] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
# From the libraries the programs link, and the toolkit's run-time plug-ins and catalogues.
for package in libc6 libqt6widgets6 qt6-image-formats-plugins qt6-translations-l10n; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort >"$work/deb-files"
files_below "$root" >"$work/install-files"
diff "$work/install-files" "$work/deb-files" >&2 || fail "the .deb and the install hold different files"
! grep -v '^usr/' "$work/deb-files" >&2 || fail "the .deb holds files outside /usr"
[ "$(dpkg-deb --fsys-tarfile "$deb" | tar -tv ./usr/bin/dravello | awk '{print $NF}')" = ../libexec/dravello/Dravello ] ||
    fail "usr/bin/dravello in the .deb does not lead to the program"

rm -rf "$work/control"
dpkg-deb --control "$deb" "$work/control"
[ "$(cd "$work/control" && ls | LC_ALL=C sort | tr '\n' ' ')" = "control md5sums postrm " ] ||
    fail "the .deb's control files are: $(ls "$work/control")"
! grep -q ldconfig "$work/control/postrm" || fail "the purge script calls ldconfig"
echo "$(basename "$deb") holds the install"

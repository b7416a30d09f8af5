#!/usr/bin/env bash
# check_deb.sh <build folder> <scratch root> <work folder> <version>: CPack's
# .deb holds exactly the files of the install, and its control fields name the
# package, its version, this machine's architecture and the libraries it needs.
source "$(dirname "$0")/checks.sh"
build=$1 root=$2 work=$3 version=$4

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = dravello ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
# From the libraries the programs link, and the toolkit's run-time plug-ins.
for package in libc6 libqt6widgets6 qt6-image-formats-plugins; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort >"$work/deb-files"
files_below "$root" >"$work/install-files"
diff "$work/install-files" "$work/deb-files" >&2 || fail "the .deb and the install hold different files"
[ "$(dpkg-deb --fsys-tarfile "$deb" | tar -tv ./usr/bin/dravello | awk '{print $NF}')" = ../lib/dravello/Dravello ] ||
    fail "usr/bin/dravello in the .deb does not lead to the program"
echo "$(basename "$deb") holds the install"

#!/usr/bin/env bash
# build_deb.sh <build folder> <work folder>: CPack's .deb of the build, alone
# in <work folder>.
source "$(dirname "$0")/checks.sh"
build=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"

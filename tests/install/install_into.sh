#!/usr/bin/env bash
# install_into.sh <build folder> <scratch root>: a fresh `cmake --install`
# of the build below the scratch root, with the prefix /usr.
source "$(dirname "$0")/checks.sh"
build=$1 root=$2
rm -rf "$root"
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"

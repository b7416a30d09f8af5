#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it.
source "$(dirname "$0")/common.sh"
dravello_install_packages
dravello_build "$DRAVELLO_ROOT/build"
program="$DRAVELLO_ROOT/build/libexec/dravello/Dravello"
if [ ! -x "$program" ]; then
    echo "The desktop program is not part of this build yet." >&2
    exit 1
fi
exec "$program" "$@"

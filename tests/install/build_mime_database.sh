#!/usr/bin/env bash
# build_mime_database.sh <MIME package> <scratch data folder>: builds a MIME
# database of the package alone in <scratch>/mime. The tool reports a
# malformed package on its error output but still succeeds, so any complaint
# fails the build here.
source "$(dirname "$0")/checks.sh"
package=$1 data=$2
rm -rf "$data"
mkdir -p "$data/mime/packages"
cp "$package" "$data/mime/packages/dravello.xml"
# With the scratch folder in the search path the tool adds no note about it.
XDG_DATA_HOME=$data XDG_DATA_DIRS=$data update-mime-database "$data/mime" 2>"$data/complaints" ||
    fail "update-mime-database failed"
[ ! -s "$data/complaints" ] || { cat "$data/complaints" >&2; fail "update-mime-database complained"; }

# Shared by the install checks: failures name what is wrong and stop the check.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The files of a folder, one relative path a line, sorted.
files_below() {
    (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
}

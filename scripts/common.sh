# Shared by the set-up scripts: installs missing packages, configures and builds.
set -euo pipefail

DRAVELLO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

dravello_install_packages() {
    local wanted missing=()
    wanted=$(grep -v '^#' "$DRAVELLO_ROOT/scripts/packages.txt")
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

# dravello_build <build-dir> [cmake options...]
dravello_build() {
    local dir=$1
    shift
    cmake -S "$DRAVELLO_ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

#!/usr/bin/env bash
# purge_leaves_nothing.sh <work folder with the .deb> <scratch folder>: dpkg
# installs the .deb into an empty scratch root (its own package database,
# maintainer scripts run outside a chroot as dpkg allows for that), the
# installer tool's record is written as the tool writes it, and a purge then
# leaves the scratch root as it was before the install.
source "$(dirname "$0")/checks.sh"
work=$1 scratch=$2
deb=$(ls "$work"/*.deb)
rm -rf "$scratch"
mkdir -p "$scratch/var/lib/dpkg/updates" "$scratch/var/lib/dpkg/info"
touch "$scratch/var/lib/dpkg/status"
tree() { (cd "$scratch" && find . -path ./var/lib/dpkg -prune -o -print | LC_ALL=C sort); }
tree >"$scratch.before"

run_dpkg() {
    # dpkg wants the system's programs (ldconfig) on the PATH, which a user's may lack.
    PATH="$PATH:/usr/sbin:/sbin" dpkg --root="$scratch" --force-script-chrootless --force-depends --force-not-root --log=/dev/null "$@" \
        >"$scratch.dpkg.log" 2>&1 || { cat "$scratch.dpkg.log" >&2; fail "dpkg $* failed"; }
}
run_dpkg --install "$deb"
[ -x "$scratch/usr/libexec/dravello/Dravello" ] || fail "the package did not install the program"
mkdir -p "$scratch/var/lib/dravello"
echo "/Applications/Adobe Illustrator/Plug-ins.localized/hlvexportfile.aip/" >"$scratch/var/lib/dravello/copied_files.txt"
run_dpkg --purge dravello
tree >"$scratch.after"
diff "$scratch.before" "$scratch.after" >&2 || fail "the purge left files behind"
echo "install and purge leave nothing"

#!/usr/bin/env bash
# lintian_clean.sh <work folder with the .deb>: lintian, with every tag and
# the pedantic and experimental ones, finds no error and no warning, and no
# other remark but those allowed below, each for the reason given.
source "$(dirname "$0")/checks.sh"
work=$1
deb=$(ls "$work"/*.deb)

# Tag and the item it names, as lintian prints them after "I: dravello: ".
allowed=(
    # The licence pages are data that the About box shows (under the names
    # the program looks for), not documentation of the package.
    'package-contains-documentation-outside-usr-share-doc \[usr/share/dravello/eula/lic_[a-z_]+\.htm\]'
    # The WPI reader's log line "multipe file descriptors found" is kept
    # word for word for whoever reads the log.
    'spelling-error-in-binary multipe multiple \[usr/(libexec/dravello/Dravello|lib/dravello/illustrator/hlvexportfile\.so)\]'
)

lintian --version
# Its remarks are judged below; a failure is one of the run itself.
lintian --fail-on none -EviIL +pedantic "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian failed to run"; }
grep -Ev '^N:' "$work/lintian.log" | grep -E '^[A-Z]: ' >"$work/lintian-tags" || true
cat "$work/lintian-tags"
while IFS= read -r line; do
    remark=${line#*: dravello: }
    kind=${line%%: *}
    ok=false
    if [ "$kind" = I ]; then
        for pattern in "${allowed[@]}"; do
            [[ "$remark" =~ ^$pattern$ ]] && ok=true
        done
    fi
    $ok || fail "lintian: $line"
done <"$work/lintian-tags"
echo "lintian: clean"

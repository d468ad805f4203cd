#!/usr/bin/env bash
# `make install` into a prefix with a space and a dollar sign in it, then `make uninstall`:
# the menu entry starts the launcher by its quoted path and validates, and the uninstall
# leaves no file behind, nor the game's own folders.
#   install-uninstall.sh SOURCE_DIR
set -euo pipefail
source_dir=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
run_make() {
    # Not the make that runs the tests: its flags and jobs are no business of this one.
    if ! env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$source_dir" "$@" BUILD_DIR="$work/build" \
        CMAKE_FLAGS=-DBUILD_TESTING=OFF >"$work/make.log" 2>&1; then
        tail -n 40 "$work/make.log" >&2
        echo "FAIL: make $1 failed" >&2
        exit 1
    fi
}

prefix="$work/games & \$tuff"
# make reads $$ as one $.
run_make install PREFIX="${prefix//\$/\$\$}"

desktop=$prefix/share/applications/quorvane.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "quorvane.desktop does not validate"
    # Quoted, with $ escaped inside the quotes and that backslash written twice.
    expected_exec="Exec=\"$work/games & \\\\\$tuff/games/quorvane\""
    grep -qxF "$expected_exec" "$desktop" ||
        fail "quorvane.desktop has $(grep '^Exec=' "$desktop"), not $expected_exec"
    grep -qxF "TryExec=$prefix/games/quorvane" "$desktop" ||
        fail "quorvane.desktop has $(grep '^TryExec=' "$desktop"), not TryExec=$prefix/games/quorvane"
else
    fail "no share/applications/quorvane.desktop under the prefix"
fi
[ ! -e "$prefix/share/lintian" ] || fail "make install put down the package's lintian overrides"

for program in games/quorvane lib/games/quorvane/quorvane lib/games/quorvane/quorvane-window-scale; do
    [ -x "$prefix/$program" ] || fail "no executable $program under the prefix"
done

run_make uninstall
left=$(find "$prefix" -not -type d)
[ -z "$left" ] || fail "make uninstall left: $left"
for own in lib/games/quorvane share/games/quorvane share/doc/quorvane; do
    [ ! -e "$prefix/$own" ] || fail "make uninstall left the folder $own"
done

[ $failures -eq 0 ] || exit 1
echo "make install and make uninstall under '$prefix' as expected"

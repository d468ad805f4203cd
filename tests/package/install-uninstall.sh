#!/usr/bin/env bash
# `make install` into a prefix with a space and a dollar sign in it, then `make uninstall`:
# the menu entry starts the launcher by its quoted path and validates, and the uninstall
# leaves no file behind, nor the game's own folders.
#   install-uninstall.sh SOURCE_DIR
set -euo pipefail
source_dir=$1

source "$(dirname "$0")/common.sh"

prefix="$work/games & \$tuff"
# make reads $$ as one $.
run_make "$source_dir" "$work/install.log" install BUILD_DIR="$work/build" \
    CMAKE_FLAGS=-DBUILD_TESTING=OFF PREFIX="${prefix//\$/\$\$}"

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

run_make "$source_dir" "$work/uninstall.log" uninstall BUILD_DIR="$work/build"
left=$(find "$prefix" -not -type d)
[ -z "$left" ] || fail "make uninstall left: $left"
for own in lib/games/quorvane share/games/quorvane share/doc/quorvane; do
    [ ! -e "$prefix/$own" ] || fail "make uninstall left the folder $own"
done

[ $failures -eq 0 ] || exit 1
echo "make install and make uninstall under '$prefix' as expected"

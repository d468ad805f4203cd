#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree, unpacks it and checks that it
# installs the game like a Debian game; then starts the unpacked launcher, with a stand-in
# for the game, from elsewhere and through a symlink, to see where it runs the game.
#   check-deb.sh SOURCE_DIR BUILD_DIR VERSION CPACK
set -euo pipefail
source_dir=$1
build_dir=$2
version=$3
cpack=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
deb=$work/out/quorvane_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); cpack made: $(ls "$work/out")" >&2
    exit 1
fi
root=$work/root
dpkg-deb -x "$deb" "$root"

# Control fields; the dependencies come from dpkg-shlibdeps, with versions.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvane ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
grep -Eq '(^|, )libsdl1\.2[-a-z0-9.]* \(>= [0-9]' <<<"$depends" ||
    fail "Depends names no SDL 1.2 library with a version: $depends"
grep -Eq '(^|, )libsdl-ttf2\.0-0 \(>= [0-9]' <<<"$depends" ||
    fail "Depends names no SDL_ttf 2.0 with a version: $depends"

# The game, stripped, where Debian keeps a game's private programs.
game=$root/usr/lib/games/quorvane/quorvane
if [ -x "$game" ]; then
    file -b "$game" | grep -q 'ELF.*, stripped' || fail "the game is no stripped ELF program"
else
    fail "no executable /usr/lib/games/quorvane/quorvane"
fi

# Every image and the font that the game opens, the same as in the source tree.
data=$root/usr/share/games/quorvane
mapfile -t images < <(grep -o '"media/[^"]*\.bmp"' "$source_dir/src/globals.cpp" | tr -d '"')
mapfile -t fonts < <(grep -o '"media/[^"]*\.ttf"' "$source_dir/src/functions.cpp" | tr -d '"')
[ ${#images[@]} -eq 22 ] || fail "found ${#images[@]} image names in src/globals.cpp, not 22"
[ ${#fonts[@]} -eq 1 ] || fail "found ${#fonts[@]} font names in src/functions.cpp, not 1"
for media in "${images[@]}" "${fonts[@]}"; do
    cmp -s "$source_dir/$media" "$data/$media" || fail "/usr/share/games/quorvane/$media is missing or differs"
done

# The menu entry, in the Game category, starting the launcher, with the icon beside it.
desktop=$root/usr/share/applications/quorvane.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "quorvane.desktop does not validate"
    grep -Eq '^Categories=(.*;)?Game;' "$desktop" || fail "quorvane.desktop is not in the Game category"
    grep -qx 'Exec=/usr/games/quorvane' "$desktop" || fail "quorvane.desktop does not start /usr/games/quorvane"
    grep -qx 'Icon=quorvane' "$desktop" || fail "quorvane.desktop names no icon 'quorvane'"
else
    fail "no /usr/share/applications/quorvane.desktop"
fi
icon=$root/usr/share/icons/hicolor/48x48/apps/quorvane.png
file -b "$icon" 2>/dev/null | grep -q '^PNG image data, 48 x 48' || fail "no 48x48 PNG icon at $icon"

for doc in usr/share/man/man6/quorvane.6.gz usr/share/doc/quorvane/changelog.gz; do
    gzip -t "$root/$doc" 2>/dev/null || fail "no gzipped /$doc"
done
[ -s "$root/usr/share/doc/quorvane/copyright" ] || fail "no /usr/share/doc/quorvane/copyright"
zcat "$root/usr/share/doc/quorvane/changelog.gz" 2>/dev/null | head -n 1 | grep -q "^quorvane ($version) " ||
    fail "the newest changelog entry is not for version $version"

# The launcher, started from / through a symlink on PATH, runs the game inside its data
# folder and hands back its exit code; the stand-in reports the folder and exits with 7.
launcher=$root/usr/games/quorvane
if [ -x "$launcher" ]; then
    cat >"$game" <<'EOF'
#!/bin/sh
pwd -P >"$QUORVANE_STANDIN_REPORT"
exit 7
EOF
    mkdir "$work/bin"
    ln -s "$launcher" "$work/bin/quorvane"
    status=0
    (cd / && QUORVANE_STANDIN_REPORT=$work/report PATH="$work/bin:$PATH" quorvane) || status=$?
    [ $status -eq 7 ] || fail "the launcher ended with $status, not the game's 7"
    expected=$(cd "$data" && pwd -P)
    [ "$(cat "$work/report" 2>/dev/null)" = "$expected" ] ||
        fail "the launcher ran the game in '$(cat "$work/report" 2>/dev/null)', not in $expected"
else
    fail "no executable launcher /usr/games/quorvane"
fi

if [ $failures -ne 0 ]; then
    echo "$failures package check(s) failed; contents of the package:" >&2
    dpkg-deb -c "$deb" >&2
    exit 1
fi
echo "$(basename "$deb"): layout, menu entry, dependencies and launcher as expected"

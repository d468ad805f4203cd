#!/usr/bin/env bash
# Builds the Debian package with `make deb` from this source tree, into a build folder of its
# own, unpacks it and checks that it installs the game like a hardened Debian game, listed in
# software centres, with lintian quiet; then plays the unpacked launcher on virtual screens,
# and starts it with stand-ins for the game and its window-scale helper, from elsewhere and
# through a symlink, to see where and at what scale it runs the game.
#   check-deb.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1
version=$2

source "$(dirname "$0")/common.sh"

run_make "$source_dir" "$work/deb.log" deb BUILD_DIR="$work/build"
deb=$work/build/quorvane_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); make deb made: $(ls "$work/build")" >&2
    exit 1
fi
root=$work/root
dpkg-deb -x "$deb" "$root"

# Control fields; dpkg-shlibdeps names the libraries, each once, SDL 1.2 with a version.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvane ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
grep -Eq '(^|, )libsdl1\.2[-a-z0-9.]* \(>= [0-9]' <<<"$depends" ||
    fail "Depends names no SDL 1.2 library with a version: $depends"
grep -Eq '(^|, )libsdl-ttf2\.0-0( |,|$)' <<<"$depends" || fail "Depends names no SDL_ttf 2.0: $depends"
twice=$(sed -E 's/ *\([^)]*\)//g; s/, */\n/g' <<<"$depends" | sort | uniq -d)
[ -z "$twice" ] || fail "Depends names $twice more than once: $depends"

# The game and its helper, where Debian keeps a game's private programs: stripped, without
# the compilers' notes, with the stack protector, position independent, relocations read-only
# and bound at start. (Fortified calls are lintian's to check, below.)
for program in quorvane quorvane-window-scale; do
    path=$root/usr/lib/games/quorvane/$program
    if [ ! -x "$path" ]; then
        fail "no executable /usr/lib/games/quorvane/$program"
        continue
    fi
    # Read whole first: grep -q leaving a pipe early would fail the pipeline under pipefail.
    description=$(file -b "$path")
    sections=$(readelf -S -W "$path")
    symbols=$(readelf --dyn-syms -W "$path")
    dynamic=$(readelf -d -W "$path")
    segments=$(readelf -l -W "$path")
    grep -q 'ELF.* pie executable.*, stripped' <<<"$description" || fail "$program is no stripped PIE program"
    ! grep -q ' \.comment ' <<<"$sections" || fail "$program keeps its .comment section"
    grep -q ' __stack_chk_fail' <<<"$symbols" || fail "$program has no stack protector"
    grep -q 'BIND_NOW' <<<"$dynamic" || fail "$program does not bind at start"
    grep -q 'GNU_RELRO' <<<"$segments" || fail "$program has no read-only relocations"
done

# Every image and the font that the game opens, the same as in the source tree.
data=$root/usr/share/games/quorvane
mapfile -t images < <(grep -o '"media/[^"]*\.bmp"' "$source_dir/src/globals.cpp" | tr -d '"')
mapfile -t fonts < <(grep -o '"media/[^"]*\.ttf"' "$source_dir/src/functions.cpp" | tr -d '"')
[ ${#images[@]} -eq 22 ] || fail "found ${#images[@]} image names in src/globals.cpp, not 22"
[ ${#fonts[@]} -eq 1 ] || fail "found ${#fonts[@]} font names in src/functions.cpp, not 1"
for media in "${images[@]}" "${fonts[@]}"; do
    cmp -s "$source_dir/$media" "$data/$media" || fail "/usr/share/games/quorvane/$media is missing or differs"
done

# The menu entry, in the Game category, starting the launcher, with the icon at every size.
desktop=$root/usr/share/applications/quorvane.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "quorvane.desktop does not validate"
    grep -Eq '^Categories=(.*;)?Game;' "$desktop" || fail "quorvane.desktop is not in the Game category"
    grep -qx 'Exec=/usr/games/quorvane' "$desktop" || fail "quorvane.desktop does not start /usr/games/quorvane"
    grep -qx 'Icon=quorvane' "$desktop" || fail "quorvane.desktop names no icon 'quorvane'"
else
    fail "no /usr/share/applications/quorvane.desktop"
fi
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/quorvane.png
    file -b "$icon" 2>/dev/null | grep -q "^PNG image data, $size x $size," ||
        fail "no ${size}x${size} PNG icon at /usr/share/icons/hicolor/${size}x${size}/apps"
done

# The AppStream metadata: valid, pedantic checks and its links into the tree included, and
# telling the release that the changelog tells.
mapfile -t metainfo < <(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
if [ ${#metainfo[@]} -eq 1 ]; then
    appstreamcli validate-tree --pedantic --no-net "$root" >"$work/appstream.log" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$work/appstream.log")"
    id=$(basename "${metainfo[0]}" .metainfo.xml)
    grep -q "<id>$id</id>" "${metainfo[0]}" || fail "the metadata in $id.metainfo.xml is not for $id"
    date=$(date -u -d "$(dpkg-parsechangelog -l "$source_dir/packaging/changelog" -S Date)" +%F)
    grep -q "<release version=\"$version\" date=\"$date\"" "${metainfo[0]}" ||
        fail "the metadata names no release $version of $date, as the changelog does"
    grep -q '<binary>quorvane</binary>' "${metainfo[0]}" || fail "the metadata provides no binary quorvane"
else
    fail "${#metainfo[@]} AppStream files in /usr/share/metainfo, not 1"
fi

for doc in usr/share/man/man6/quorvane.6.gz usr/share/doc/quorvane/changelog.gz; do
    gzip -t "$root/$doc" 2>/dev/null || fail "no gzipped /$doc"
done
[ -s "$root/usr/share/doc/quorvane/copyright" ] || fail "no /usr/share/doc/quorvane/copyright"
zcat "$root/usr/share/doc/quorvane/changelog.gz" 2>/dev/null | head -n 1 | grep -q "^quorvane ($version) " ||
    fail "the newest changelog entry is not for version $version"

# Lintian at its most pedantic has nothing to say but the overrides the package gives.
if ! lintian --pedantic --display-info "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
    [ -s "$work/lintian.log" ]; then
    fail "lintian: $(cat "$work/lintian.log" "$work/lintian.err")"
fi

launcher=$root/usr/games/quorvane
if [ ! -x "$launcher" ]; then
    fail "no executable launcher /usr/games/quorvane"
else
    # The installed command opens a window as large as the screen allows, every pixel sharp.
    (cd "$source_dir" && /usr/bin/python3 tests/e2e/window_scale.py launcher "$launcher") ||
        fail "the installed launcher does not scale the window to the screen"

    # Started from / through a symlink on PATH, the launcher runs the game inside its data
    # folder, at the scale the helper gives unless the player chose one, and hands back the
    # game's exit code; it prints nothing, even when the helper complains or gives no answer.
    cat >"$root/usr/lib/games/quorvane/quorvane" <<'EOF'
#!/bin/sh
echo "$(pwd -P) ${SDL12COMPAT_WINDOW_SCALING-unset} ${SDL12COMPAT_SCALE_METHOD-unset}" >"$QUORVANE_STANDIN_REPORT"
exit 7
EOF
    cat >"$root/usr/lib/games/quorvane/quorvane-window-scale" <<'EOF'
#!/bin/sh
echo "a complaint of the video driver" >&2
[ -z "$QUORVANE_STANDIN_SCALE" ] || echo "$QUORVANE_STANDIN_SCALE"
EOF
    mkdir "$work/bin"
    ln -s "$launcher" "$work/bin/quorvane"
    expected_dir=$(cd "$data" && pwd -P)
    # helper's answer | player's scaling | player's method | scaling and method the game gets
    while IFS='|' read -r answer scaling method expected; do
        status=0
        (cd / && env -u SDL12COMPAT_WINDOW_SCALING -u SDL12COMPAT_SCALE_METHOD \
            ${scaling:+SDL12COMPAT_WINDOW_SCALING=$scaling} ${method:+SDL12COMPAT_SCALE_METHOD=$method} \
            QUORVANE_STANDIN_SCALE="$answer" QUORVANE_STANDIN_REPORT="$work/report" \
            PATH="$work/bin:$PATH" quorvane) </dev/null >"$work/printed" 2>&1 || status=$?
        case="helper '$answer', player '$scaling' '$method'"
        [ $status -eq 7 ] || fail "$case: the launcher ended with $status, not the game's 7"
        [ ! -s "$work/printed" ] || fail "$case: the launcher printed: $(cat "$work/printed")"
        [ "$(cat "$work/report" 2>/dev/null)" = "$expected_dir $expected" ] ||
            fail "$case: the game ran as '$(cat "$work/report" 2>/dev/null)', not '$expected_dir $expected'"
        rm -f "$work/report"
    done <<'EOF'
3|||3 nearest
1|||1 nearest
3|1|linear|1 linear
3|1.5||1.5 nearest
junk|||1 nearest
|||1 nearest
EOF
fi

if [ $failures -ne 0 ]; then
    echo "$failures package check(s) failed; contents of the package:" >&2
    dpkg-deb -c "$deb" >&2
    exit 1
fi
echo "$(basename "$deb"): layout, hardening, metadata, lintian and launcher as expected"

#!/usr/bin/env bash
# Two `make deb` runs of the same commit, in two clones in different folders, one after the
# other and under different umasks, must give byte-identical packages. Where they differ it
# says in what: the archive members, the file list with its modes and times, or the files.
#   reproducible-deb.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
# The time stamps must come from the commit, as they do for a packager.
unset SOURCE_DATE_EPOCH

source "$(dirname "$0")/common.sh"
if ! commit=$(git -C "$source_dir" rev-parse --verify HEAD 2>/dev/null); then
    echo "SKIP: $source_dir is no git checkout with a commit to build twice"
    exit 77
fi

build() { # folder umask
    git clone --quiet --no-hardlinks "$source_dir" "$1"
    git -C "$1" checkout --quiet "$commit"
    (umask "$2" && run_make "$1" "$1.log" deb) || exit 1
}
build "$work/first" 022
# A later second, and a file time that is not the first clone's.
sleep 1
mkdir "$work/later"
build "$work/later/second" 002

first=$(echo "$work"/first/build/quorvane_*.deb)
second=$(echo "$work"/later/second/build/quorvane_*.deb)
if cmp -s "$first" "$second"; then
    echo "$(basename "$first"): two builds of $commit are identical"
    exit 0
fi

echo "FAIL: two builds of $commit differ" >&2
for side in first second; do
    deb=${!side}
    mkdir -p "$work/$side.parts/control" "$work/$side.parts/data"
    ar tv "$deb" >"$work/$side.members"
    dpkg-deb -e "$deb" "$work/$side.parts/control"
    dpkg-deb -x "$deb" "$work/$side.parts/data"
    dpkg-deb -c "$deb" >"$work/$side.list"
done
diff "$work/first.members" "$work/second.members" >&2 || true
diff "$work/first.list" "$work/second.list" >&2 || true
diff -r "$work/first.parts" "$work/second.parts" >&2 || true
exit 1

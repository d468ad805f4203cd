#!/usr/bin/env bash
# valgrind's memcheck over the game's real start-up, 2 000 frames of play and shutdown, driven
# headless by the benchmark's scripted day. Fails on any memory error and on any memory still
# allocated at exit (lost or not) that quorvane.supp does not put down to a library.
#   tests/valgrind/memcheck.sh BUILD_DIR/quorvane_bench
set -eu
bench=$(realpath "${1:?usage: memcheck.sh BUILD_DIR/quorvane_bench}")
here=$(dirname "$(realpath "$0")")
cd "$here/../.."
log=$(mktemp /tmp/quorvane-memcheck-XXXXXX.log)

status=0
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=all --errors-for-leak-kinds=all --track-origins=yes --num-callers=40 \
    --suppressions="$here/quorvane.supp" --error-exitcode=99 --log-file="$log" \
    "$bench" --frames 2000 >/dev/null || status=$?

grep -E 'definitely lost|indirectly lost|possibly lost|still reachable|suppressed:|ERROR SUMMARY' \
    "$log" | sed 's/^==[0-9]*== *//'
if [ "$status" -ne 0 ]; then
    echo "memcheck: FAILED (exit $status); the full report is $log"
    exit 1
fi
rm -f "$log"
echo "memcheck: passed"

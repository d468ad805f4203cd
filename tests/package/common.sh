# Shared by the package checks: a scratch folder that goes away on exit, a count of the
# failed checks, and make run apart from the make that runs the tests.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# run_make DIR LOG TARGET [VARIABLE=VALUE...]: make in DIR, its output in LOG and the end of
# it shown should it fail. The flags and jobs of the make running the tests are not its own.
run_make() {
    local dir=$1 log=$2
    shift 2
    if ! env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$dir" "$@" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "FAIL: make $* failed in $dir" >&2
        exit 1
    fi
}

#!/usr/bin/env bash
# scripts/install-deps against stand-ins for dpkg-query, apt-cache and apt-get: what it takes
# as installed, which lists it reads, how it treats a name only some distributions have, and
# that it calls apt only when something is missing.
#   tests/deps/install-deps-check.sh SCRIPT
set -eu
script=$(realpath "$1")
work=$(mktemp -d /tmp/quorvane-deps-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

# The stand-ins read the machine from $work/status ("name dpkg-status [provided-name]") and the
# distribution's archive from $work/archive (one name a line), and log apt-get's calls.
mkdir -p "$work/bin" "$work/tree/scripts/packages"
cp "$script" "$work/tree/scripts/install-deps"
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
# dpkg-query -W -f=FORMAT [NAME], for the formats ${Status}, ${db:Status-Status} and, for
# every package, ${db:Status-Status}\t${Provides}
format=${2#-f=}
if [ $# -lt 3 ]; then
    awk '{ printf "%s\t%s\n", $2, $3 }' "$STUB_WORK/status"
    exit 0
fi
status=$(awk -v n="$3" '$1 == n { print $2 }' "$STUB_WORK/status")
[ -n "$status" ] || exit 1
case "$format" in
*db:Status-Status*) printf '%s' "$status" ;;
*) printf 'install ok %s' "$status" ;;
esac
STUB
cat >"$work/bin/apt-cache" <<'STUB'
#!/bin/sh
echo "$2:"
if grep -qx "$2" "$STUB_WORK/archive"; then
    echo "  Installed: (none)"
    echo "  Candidate: 1.0-1"
else
    echo "  Installed: (none)"
    echo "  Candidate: (none)"
fi
STUB
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/sh
# Logs the command and the package names, without the options.
words=""
while [ $# -gt 0 ]; do
    case "$1" in
    -o) shift ;;
    -*) ;;
    *) words="$words${words:+ }$1" ;;
    esac
    shift
done
echo "$words" >>"$STUB_WORK/apt-calls"
STUB
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
chmod +x "$work/bin/"*
export STUB_WORK="$work"

cat >"$work/tree/scripts/packages/play.txt" <<'LIST'
# building
cmake  g++
LIST
cat >"$work/tree/scripts/packages/proof.txt" <<'LIST'
valgrind
?linux-perf   # Debian only
npm
LIST

# check WHAT STATUS ARCHIVE EXPECTED_APT_CALLS [ARGS...]
check() {
    local what=$1 status=$2 archive=$3 expected=$4
    shift 4
    printf '%b' "$status" >"$work/status"
    printf '%b' "$archive" >"$work/archive"
    : >"$work/apt-calls"
    if ! PATH="$work/bin:$PATH" "$work/tree/scripts/install-deps" "$@" >"$work/out" 2>&1; then
        echo "FAIL: $what: install-deps failed: $(cat "$work/out")"
        failures=$((failures + 1))
    elif [ "$(cat "$work/apt-calls")" != "$(printf '%b' "$expected")" ]; then
        echo "FAIL: $what: apt-get was called with"
        sed 's/^/    /' "$work/apt-calls"
        echo "  instead of"
        printf '%b' "$expected" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "ok: $what"
    fi
}

all="cmake installed\ng++ installed\nvalgrind installed\nnodejs installed npm\n"
archive="cmake\ng++\nvalgrind\nnpm\n"
check "everything installed: apt is left alone" \
    "${all}linux-perf installed\n" "$archive" ""
check "triggers pending still counts as installed" \
    "cmake triggers-pending\ng++ triggers-awaited\nvalgrind installed\nnodejs installed npm\n" \
    "$archive" ""
check "a name that a package from elsewhere provides is not installed again" \
    "cmake installed\ng++ installed\nvalgrind installed\nnodejs triggers-pending npm\n" "$archive" ""
check "an optional name the distribution lacks is passed over without a refresh" \
    "$all" "$archive" ""
check "an optional name the distribution has is installed" \
    "$all" "${archive}linux-perf\n" "update\ninstall linux-perf\n"
check "half-installed, unpacked and removed packages are installed again" \
    "cmake half-installed\ng++ unpacked\nvalgrind config-files\nnodejs unpacked npm\n" "$archive" \
    "update\ninstall cmake g++ npm valgrind\n"
check "what is missing goes in one call, the optional name only where it exists" \
    "g++ installed\n" "$archive" "update\ninstall cmake npm valgrind\n"
check "a list named on the command line is the only one read" \
    "g++ installed\n" "${archive}linux-perf\n" "update\ninstall cmake\n" \
    play
check "--play names the play list" \
    "g++ installed\n" "$archive" "update\ninstall cmake\n" --play

if PATH="$work/bin:$PATH" "$work/tree/scripts/install-deps" nosuch >/dev/null 2>&1; then
    echo "FAIL: a list that does not exist was taken"
    failures=$((failures + 1))
else
    echo "ok: a list that does not exist is refused"
fi

[ "$failures" -eq 0 ]

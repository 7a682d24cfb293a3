#!/usr/bin/env bash
# Makes the release of a commit twice, in two fresh clones in two different folders, one after
# the other, the second with another umask and time zone, and compares the two SHA256SUMS: the
# same commit must make the same bytes. Not part of the test command: the two releases compile
# everything twice, which takes 4 minutes or so on two cores.
#
#   bash scripts/check_reproducible.sh [COMMIT] [FOLDER]
#
# COMMIT is the checked-out one by default. The clones go into FOLDER (default: a new folder under
# /var/tmp), which is removed when the releases agree; when they differ it stays for a look, with
# each release's log beside its clone.
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
root=${2:-$(mktemp -d /var/tmp/discada-reproducible.XXXXXX)}
repository=$(git rev-parse --show-toplevel)

# Each release compiles everything itself: no compiler cache hands one the other's objects.
unset CMAKE_CXX_COMPILER_LAUNCHER
export CCACHE_DISABLE=1

# FOLDER UMASK TIME_ZONE: the release of the commit in a clone at FOLDER.
release() {
    local clone=$1
    mkdir -p "$(dirname "$clone")"
    git clone -q --no-checkout "$repository" "$clone"
    git -C "$clone" checkout -q "$commit"
    echo "== the release in $clone, umask $2, TZ=$3, from $(date -u '+%H:%M:%S UTC')"
    if ! (cd "$clone" && umask "$2" && TZ=$3 bash scripts/release.sh) >"$clone.log" 2>&1; then
        tail -30 "$clone.log" >&2
        echo "== FAILED: the release in $clone failed; its log is $clone.log" >&2
        exit 1
    fi
}
first=$root/first/discada
second=$root/second/somewhere/else/discada-$commit
release "$first" 022 UTC
release "$second" 077 Pacific/Kiritimati

if ! diff "$first/build/release/SHA256SUMS" "$second/build/release/SHA256SUMS"; then
    echo "== FAILED: the two releases differ (above); both stay in $root" >&2
    exit 1
fi
echo "== the two releases of $commit are the same, byte for byte:"
cat "$first/build/release/SHA256SUMS"
rm -rf "$root"

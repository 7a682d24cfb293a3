#!/usr/bin/env bash
# Runs the test command as on a fresh machine: a minimal Debian 12 made by debootstrap, with no
# locale in the environment, a fresh clone of BRANCH (the checked-out branch by default) and
# `bash scripts/test.sh` run there as root. Not part of the test command: it downloads, installs
# and builds everything, which takes 20 to 35 minutes on two cores.
#
#   bash scripts/check_fresh_machine.sh [BRANCH] [FOLDER]   (as root)
#
# The machine is made in FOLDER (default: a new folder under /var/tmp) and removed when the test
# command passes; when it fails the folder stays for a look, the clone in FOLDER/root/discada.
# FUZZ_SECONDS, when set, is handed on to the test command.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "check_fresh_machine.sh: run it as root" >&2; exit 2; }
branch=${1:-HEAD}
root=${2:-$(mktemp -d /var/tmp/discada-fresh.XXXXXX)}
commit=$(git rev-parse --verify "$branch^{commit}")
bash scripts/setup.sh debootstrap
source scripts/fresh_debian.sh

start=$SECONDS
make_fresh_debian "$root"
git bundle create "$root/discada.bundle" "$branch"
echo "== the machine is made ($(elapsed $start))"

inside=$(
    cat <<EOF
apt-get install -y -qq --no-install-recommends git >/dev/null
git clone -q --no-checkout /discada.bundle /root/discada
cd /root/discada
git checkout -q $commit
echo "== bash scripts/test.sh in a fresh clone of $commit"
bash scripts/test.sh
EOF
)
environment=()
[ -n "${FUZZ_SECONDS:-}" ] && environment+=("FUZZ_SECONDS=$FUZZ_SECONDS")

start=$SECONDS
status=0
run_in_fresh_debian "$root" "$inside" "${environment[@]}" || status=$?

if [ "$status" -ne 0 ]; then
    echo "== FAILED: the test command exited $status after $(elapsed $start); the machine stays in $root"
    exit 1
fi
echo "== passed: the test command took $(elapsed $start)"
rm -rf --one-file-system "$root"

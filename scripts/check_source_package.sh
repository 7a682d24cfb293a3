#!/usr/bin/env bash
# Builds the Debian source package of a commit as a distribution would, in a fresh minimal
# Debian 12 made by debootstrap: the commit's git archive without debian/ as the upstream
# tarball, with the commit's debian/ added (as build_deb.sh has them), the build dependencies
# from debian/control, `dpkg-buildpackage -us -uc`, lintian on the source and the binary package,
# then autopkgtest's tests (debian/tests) on the installed package, run by autopkgtest itself on
# that machine (its null runner). Not part of the test command: it downloads, installs and
# builds everything, some 20 to 30 minutes.
#
#   bash scripts/check_source_package.sh [COMMIT] [FOLDER]   (as root)
#
# The machine is made in FOLDER (default: a new folder under /var/tmp) and removed when all
# passes; when something fails it stays for a look, the packages in FOLDER/build.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "check_source_package.sh: run it as root" >&2; exit 2; }
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
root=${2:-$(mktemp -d /var/tmp/discada-source-package.XXXXXX)}
bash scripts/setup.sh debootstrap
source scripts/fresh_debian.sh
version=$(git show "$commit:debian/changelog" | sed -n '1s/^discada (\([^)]*\)-[^-)]*).*/\1/p')

start=$SECONDS
make_fresh_debian "$root"
mkdir -p "$root/build"
git archive --format=tar --prefix="discada-$version/" "$commit" ':(exclude)debian' |
    gzip -9n >"$root/build/discada_$version.orig.tar.gz"
git archive --format=tar --prefix="discada-$version/" "$commit" debian |
    gzip -9n >"$root/build/debian.tar.gz"
echo "== the machine is made ($(elapsed $start))"

inside=$(
    cat <<EOF
apt-get install -y -qq --no-install-recommends dpkg-dev >/dev/null
cd /build
tar -xzf discada_$version.orig.tar.gz
tar -xzf debian.tar.gz
cd discada-$version
echo "== the build dependencies of debian/control"
apt-get build-dep -y -qq ./ >/dev/null
echo "== dpkg-buildpackage -us -uc"
dpkg-buildpackage -us -uc
echo "== lintian on the source and the binary package"
apt-get install -y -qq --no-install-recommends lintian autopkgtest >/dev/null
lintian --fail-on error,warning --info ../discada_${version}-*.changes
echo "== autopkgtest on the installed package"
autopkgtest ../discada_${version}-*_amd64.deb ./ -- null
EOF
)
start=$SECONDS
status=0
run_in_fresh_debian "$root" "$inside" || status=$?

if [ "$status" -ne 0 ]; then
    echo "== FAILED after $(elapsed $start); the machine stays in $root"
    exit 1
fi
echo "== passed in $(elapsed $start): the source package builds, lintian is content, autopkgtest passes"
rm -rf --one-file-system "$root"

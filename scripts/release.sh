#!/usr/bin/env bash
# Makes the release of the checked-out commit in build/release/, installing what is missing:
#
#   discada_VERSION-1_amd64.deb        the Debian package (packaging/build_deb.sh)
#   discada-VERSION-win64.msi, .zip    the Windows programs (scripts/build_windows.sh)
#   discada-VERSION-web.zip            the page (scripts/build_web.sh)
#   discada-VERSION-site/              the page's files for a web server
#   discada-VERSION.tar.gz             the sources (git archive)
#   discada-VERSION-release-notes.txt  the version's section of NEWS and what each file is for
#   SHA256SUMS                         the checksum of every file above
#
# It refuses to start, writing nothing, on a tree with changes that are not committed or when
# src/game/app_info.h, debian/changelog and NEWS disagree on the version. Everything is built from
# the source tarball alone, unpacked in build/release-work/, with SOURCE_DATE_EPOCH at the time of
# the commit: another build of the same commit, anywhere, makes the same bytes
# (scripts/check_reproducible.sh). build/release/ is replaced only once the whole set is made and
# every package is found to hold the licence and its notices.
set -euo pipefail
cd "$(dirname "$0")/.."

refuse() {
    echo "release.sh: $*" >&2
    exit 1
}

command -v git >/dev/null || bash scripts/setup.sh git ||
    refuse "git is missing and could not be installed"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
    refuse "$PWD is not a git clone: a release is made from a commit"
if [ -n "$(git status --porcelain)" ]; then
    git status --short >&2
    refuse "the tree has changes that are not committed (above):" \
        "commit them, or make the release from a clean clone"
fi
version=$(bash scripts/release_version.sh) || refuse "make the three versions agree first"

# The commands the release runs, each with the Debian package that has it. The build scripts
# install the libraries and fonts they need themselves.
tools=(
    dpkg-buildpackage dpkg-dev
    dh debhelper
    x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix
    icotool icoutils
    wixl wixl
    msiextract msitools
    em++ emscripten
    hb-subset libharfbuzz-bin
    /usr/bin/python3 python3
    unzip unzip
    gzip gzip
    sha256sum coreutils
)
packages=()
for ((i = 1; i < ${#tools[@]}; i += 2)); do packages+=("${tools[i]}"); done
bash scripts/setup.sh "${packages[@]}" ||
    refuse "could not install what the release needs (${packages[*]}): run it as root or with sudo"
for ((i = 0; i < ${#tools[@]}; i += 2)); do
    [ -x "$(command -v "${tools[i]}")" ] ||
        refuse "${tools[i]} is missing: install the Debian package ${tools[i + 1]}"
done

export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
name=discada-$version
work=build/release-work
stage=$work/release
rm -rf "$work"
mkdir -p "$stage"
echo "== $name from $(git rev-parse --short HEAD), in $work"

git archive --format=tar --prefix="$name/" HEAD | gzip -9n >"$stage/$name.tar.gz"
tar -xzf "$stage/$name.tar.gz" -C "$work"
tree=$work/$name
bash "$tree/packaging/build_deb.sh"
bash "$tree/scripts/build_windows.sh"
bash "$tree/scripts/build_web.sh"

cp "$tree/build/package/discada_$version"-*"_$(dpkg --print-architecture).deb" \
    "$tree/build/windows/$name-win64.msi" "$tree/build/windows/$name-win64.zip" \
    "$tree/build/web/$name-web.zip" "$stage/"
# The site goes out as a folder, as it is put on a server, with the licence and the notices of
# the page it serves.
site=$name-site
cp -r "$tree/build/web/site" "$stage/$site"

# The release notes: the version's section of NEWS, under a heading of its own, and the files.
deb=$(basename "$stage"/discada_*.deb)
{
    awk -v version="$version" '
        index($0, "Version " version " (") == 1 {
            heading = "DiscadaGame " substr($0, 9)
            underline = heading
            gsub(/./, "=", underline)
            print heading "\n" underline
            getline
            found = 1
            next
        }
        found && /^Version / { exit }
        found' NEWS
    printf '\nThe files\n---------\n\n'
    entry() { printf '%-36s %s\n' "$@"; }
    entry "$deb" "for Debian 12 and Ubuntu: sudo apt install ./$deb"
    entry "$name-win64.zip" "for Windows: unzip anywhere and start discada.exe"
    entry "$name-win64.msi" "for Windows: installs the game for the current user"
    entry "$name-web.zip" "for any browser: unzip and open index.html"
    entry "$site/" "the page for a web server: copy the folder to it"
    entry "$name.tar.gz" "the sources, from which the Debian source package builds"
    entry SHA256SUMS "the checksum of each: sha256sum -c SHA256SUMS"
} >"$stage/$name-release-notes.txt"

(cd "$stage" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
bash scripts/check_notices.sh "$stage/$name.tar.gz" "$stage/$deb" \
    "$stage/$name-win64.msi" "$stage/$name-win64.zip" "$stage/$name-web.zip" "$stage/$site"

rm -rf build/release
mv "$stage" build/release
rm -rf "$work"
echo "== the release of $name is in build/release:"
cat build/release/SHA256SUMS

#!/usr/bin/env bash
# Checks that each package holds Discada's licence and the notices of the others' work in it,
# reading the package as a user gets it:
#
#   check_notices.sh PACKAGE...
#
#   *.deb              /usr/share/doc/discada/copyright, with the MIT licence (the programs in it
#                      hold no one else's code but what the compiler puts in every program)
#   *-win64.zip, .msi  LICENSE.txt, and THIRD-PARTY-NOTICES.txt with the GCC and mingw-w64 runtimes
#   *-web.zip, *-site  LICENSE.txt, and THIRD-PARTY-NOTICES.txt with Emscripten's runtime, the C
#                      and C++ libraries and the M PLUS 1 font
#   *.tar.gz           LICENSE, debian/copyright and the notices' sources in packaging/notices/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/scripts/setup.sh" msitools unzip
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# A text as written, without the byte-order mark and the carriage returns Windows and browsers get.
plain() { sed '1s/^\xEF\xBB\xBF//; s/\r$//' "$1"; }

windows_notices=(gcc-runtime mingw-w64-runtime winpthreads)
web_notices=(emscripten musl llvm-runtime dlmalloc m-plus-1)

# FOLDER PACKAGE NOTICE...: FOLDER holds the files as PACKAGE installs or unpacks them. Each
# notice must be there whole: its title and its last line, the end of its licence text.
check_folder() {
    local folder=$1 package=$2 notice
    shift 2
    [ -f "$folder/LICENSE.txt" ] || fail "$package holds no LICENSE.txt"
    diff <(plain "$folder/LICENSE.txt") "$root/LICENSE" >/dev/null ||
        fail "$package: LICENSE.txt is not the licence in LICENSE"
    [ -f "$folder/THIRD-PARTY-NOTICES.txt" ] || fail "$package holds no THIRD-PARTY-NOTICES.txt"
    plain "$folder/THIRD-PARTY-NOTICES.txt" >"$work/notices"
    for notice in "$@"; do
        local source=$root/packaging/notices/$notice.txt
        grep -qF "$(head -1 "$source")" "$work/notices" || fail "$package: no notice for $notice"
        grep -qF "$(grep . "$source" | tail -1)" "$work/notices" ||
            fail "$package: the notice for $notice is cut short"
    done
}

check_deb() {
    dpkg-deb --fsys-tarfile "$1" | tar -xO ./usr/share/doc/discada/copyright >"$work/copyright" ||
        fail "$1 holds no copyright file"
    # The DEP-5 paragraph of the licence, as plain text: one space of indent, "." for a blank line.
    awk 'BEGIN { RS = "" } /^License: Expat\n/' "$work/copyright" | sed '1d; s/^ //; s/^\.$//' |
        diff - <(tail -n +5 "$root/LICENSE") >/dev/null ||
        fail "$1: the copyright file does not give the MIT licence as LICENSE has it"
}

check_tarball() {
    tar -tzf "$1" >"$work/listing"
    for file in LICENSE debian/copyright packaging/notices/third_party_notices.cmake; do
        grep -qx "[^/]*/$file" "$work/listing" || fail "$1 holds no $file"
    done
}

for package in "$@"; do
    rm -rf "$work/files"
    mkdir -p "$work/files"
    case $package in
        *.deb) check_deb "$package" ;;
        *-win64.zip)
            unzip -q "$package" -d "$work/files"
            check_folder "$work/files" "$package" "${windows_notices[@]}"
            ;;
        *-win64.msi)
            msi=$(realpath "$package")
            (cd "$work/files" && msiextract "$msi" >/dev/null)
            check_folder "$work/files/Programs/DiscadaGame" "$package" "${windows_notices[@]}"
            ;;
        *-web.zip)
            unzip -q "$package" -d "$work/files"
            check_folder "$work/files" "$package" "${web_notices[@]}"
            ;;
        *-site) check_folder "$package" "$package" "${web_notices[@]}" ;;
        *.tar.gz) check_tarball "$package" ;;
        *) fail "$package: not a package this script knows" ;;
    esac
    echo "$package: the licence and its notices are there"
done

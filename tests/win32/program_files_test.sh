#!/usr/bin/env bash
# What Windows reads of the built programs, read back from the .exe files: the manifest, the icon
# (the first icon of the file, in every size Windows asks for) and the version details (as
# Explorer's Details tab reads them, through the probe under wine).
#
#   program_files_test.sh VERSION WINDOW_PROBE.EXE PROGRAM.EXE...
set -euo pipefail

version=$1
probe=$2
shift 2
numbers=$(cut -d. -f1-4 <<<"$version.0.0.0")
wine_run=$(dirname "$0")/../../cmake/wine_run.sh
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

for program in "$@"; do
    name=$(basename "$program")
    manifest=$(wrestool -x --raw --type=24 --name=1 "$program")
    for needed in 'requestedExecutionLevel level="asInvoker"' \
        'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
        'WindowsSettings">PerMonitorV2, System</dpiAwareness>' \
        'WindowsSettings">true</dpiAware>'; do
        grep -qF "$needed" <<<"$manifest" || fail "$name: the manifest lacks $needed"
    done

    groups=$(wrestool -l --type=14 "$program" | grep -c group_icon || true)
    [ "$groups" -eq 1 ] || fail "$name has $groups icons, not 1"
    wrestool -x --type=14 -o "$work/$name.ico" "$program"
    sizes=$(icotool -l "$work/$name.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | xargs)
    [ "$sizes" = "16 24 32 48 64 128 256" ] || fail "$name: icon sizes $sizes"

    details=$(bash "$wine_run" "$probe" version "Z:$(realpath "$program")" | tr -d '\r')
    expected="FILEVERSION $numbers
PRODUCTVERSION $numbers
ProductName DiscadaGame
ProductVersion $version
FileVersion $version
OriginalFilename $name"
    diff <(grep -v '^FileDescription' <<<"$details") <(echo "$expected") ||
        fail "$name: version details"
    grep -q '^FileDescription DiscadaGame' <<<"$details" || fail "$name: no description"
done
echo "program files test passed"

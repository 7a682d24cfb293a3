#!/usr/bin/env bash
# The installer under wine, used as a player would: an older version installed first and replaced
# by this one; the programs, the help file and the Start-menu shortcut in place; the game started
# from the shortcut finds its help file; the uninstall leaves nothing behind.
#
#   installer_test.sh INSTALLER.MSI OLDER_INSTALLER.MSI VERSION WORK_FOLDER
#
# Every run makes a new wine prefix in WORK_FOLDER, so what is left after the uninstall can be
# told from what was there before the install.
set -euo pipefail

msi=Z:$(realpath "$1")
older_msi=Z:$(realpath "$2")
version=$3
work=$(realpath -m "$4")
wine_dir=/usr/lib/wine
wine=$wine_dir/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d WINEPREFIX=$work/wine LC_ALL=C.UTF-8

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR

xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    "$wine_dir/wineserver" --kill 2>/dev/null || true
}
trap cleanup EXIT

rm -rf "$WINEPREFIX"
mkdir -p "$work"
# Wine keeps the display it was first started with.
rm -f "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
"$wine" wineboot --init >/dev/null 2>&1
"$wine_dir/wineserver" --wait
user_files() { find "$WINEPREFIX/drive_c/users" -type f | sort; }
before=$(user_files)

unix_path() { "$wine" winepath -u "$1" | tr -d '\r'; }
known_folder() { unix_path "$("$wine" cmd /c echo "%$1%" | tr -d '\r')"; }
folder=$(known_folder LOCALAPPDATA)/Programs/DiscadaGame
shortcut="$(known_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/DiscadaGame.lnk"

"$wine" msiexec /i "$older_msi" /qn
"$wine" msiexec /i "$msi" /qn
for file in discada.exe discada-cli.exe readme.txt; do
    [ -f "$folder/$file" ] || fail "$file is not in $folder"
done
[ -f "$shortcut" ] || fail "no shortcut $shortcut"
products=$("$wine" uninstaller --list | tr -d '\r' | grep '|||DiscadaGame$')
[ "$(wc -l <<<"$products")" -eq 1 ] || fail "installed: $products"
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${products%%|*}"
"$wine" reg query "$uninstall_key" /v DisplayVersion | grep -q "REG_SZ *$version\\b" ||
    fail "the installed version is not $version"

# Started from the shortcut, the game's working folder is the install folder: help finds the
# readme there and opens it.
"$wine" start "$("$wine" winepath -w "$shortcut" | tr -d '\r')"
game=$(timeout 60 xdotool search --sync --name '^DiscadaGame$' | head -1) || fail "no game window"
sleep 1
xdotool key F1
viewer=$(timeout 30 xdotool search --sync --name readme | head -1) || fail "help opened no viewer"
kill "$(xdotool getwindowpid "$viewer")" "$(xdotool getwindowpid "$game")"
"$wine_dir/wineserver" --wait

"$wine" msiexec /x "$msi" /qn
"$wine_dir/wineserver" --wait
left=$(find "$WINEPREFIX/drive_c" -iname '*discada*')
[ -z "$left" ] || fail "left after the uninstall: $left"
[ "$(user_files)" = "$before" ] || fail "files changed: $(diff <(echo "$before") <(user_files))"
if grep -qi discada "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg"; then
    fail "the registry still names the game"
fi
echo "installer test passed"

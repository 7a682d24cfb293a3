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
export WINEPREFIX=$work/wine
source "$(dirname "$0")/wine_display.sh"

rm -rf "$WINEPREFIX"
mkdir -p "$work"
start_display 1024x768
make_prefix
user_files() { find "$WINEPREFIX/drive_c/users" -type f | sort; }
before=$(user_files)

unix_path() { "$wine" winepath -u "$1" | tr -d '\r'; }
known_folder() { unix_path "$("$wine" cmd /c echo "%$1%" | tr -d '\r')"; }
folder=$(known_folder LOCALAPPDATA)/Programs/DiscadaGame
shortcut="$(known_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/DiscadaGame.lnk"

"$wine" msiexec /i "$older_msi" /qn
"$wine" msiexec /i "$msi" /qn
for file in discada.exe discada-cli.exe readme.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
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
game=$(window_of 60 --onlyvisible --name '^DiscadaGame$') || fail "no game window"
# The key goes to the window under the pointer, which rests on the centred game; it is taken
# once the window has drawn its board, mostly violet.
board_drawn() {
    import -window "$game" "$work/game.png" &&
        [ "$(convert "$work/game.png" -fill black +opaque '#EE82EE' -fill white -opaque '#EE82EE' \
            -format '%[fx:int(mean*w*h)]' info:)" -ge 50000 ]
}
wait_until 30 board_drawn || fail "the game never drew its board"
xdotool key F1
viewer=$(window_of 30 --name readme) || fail "help opened no viewer"
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

#!/usr/bin/env bash
# The Windows program in a real window under Xvfb and wine, driven like a person would: the
# board's pixels, a click answered by the computer, the menu, the help and version boxes read
# back (help without a file, with a viewer, without a viewer), a second copy of the program
# beside the first, and closing with the X key.
#
#   window_test.sh DISCADA.EXE WINDOW_PROBE.EXE WORK_FOLDER
#
# The wine prefix lives in WORK_FOLDER and is made once; the screenshots land in
# WORK_FOLDER/screenshots.
set -euo pipefail

game=$(realpath "$1")
probe=$(realpath "$2")
work=$(realpath -m "$3")
title=DiscadaGame
mkdir -p "$work/screenshots" "$work/play"
shots=$work/screenshots
export WINEPREFIX=$work/wine
source "$(dirname "$0")/wine_display.sh"

start_display 1024x768
[ -f "$WINEPREFIX/system.reg" ] || make_prefix
# Text files open in Notepad; a run may have taken that away.
txt_open='HKCR\txtfile\shell\open\command'
"$wine" reg add "$txt_open" /ve /d '"C:\windows\system32\notepad.exe" "%1"' /f >/dev/null

# The game's copies end with the test, and with them the display and the wine server.
pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; cleanup' EXIT

probe() { "$wine" "$probe" "$@" | tr -d '\r'; }
expect_pixel() { pixel_is "$@" || fail "$5: pixel ($2, $3) is $(pixel "$1" "$2" "$3"), not $4"; }
expect_shade() { has_shade "$@" || fail "$5: ($2, $3) is $(pixel "$1" "$2" "$3")"; }
# On screenshots NAME taken until the pixel shows it: await_pixel NAME pixel_is|pixel_is_not X Y
# R,G,B MESSAGE and await_shade NAME X Y light|dark MESSAGE.
await_pixel() { await_shot "$@" || fail "$6: pixel ($3, $4) is $(pixel "$1" "$3" "$4")"; }
await_shade() { await_shot "$1" has_shade "${@:2}" || expect_shade "$@"; }
wait_for_window() {
    window_of 60 --onlyvisible --name "^$1\$" >/dev/null || fail "no window titled $1"
}
# Takes screenshot NAME once the screen has stopped changing: two shots in a row alike.
settled_shot() {
    shot "$1"
    wait_until 10 shot_again_alike "$1" || fail "the screen kept changing"
}
shot_again_alike() {
    mv "$shots/$1.png" "$work/previous.png" && shot "$1" &&
        [ "$(compare -metric AE "$work/previous.png" "$shots/$1.png" null: 2>&1 || true)" = 0 ]
}
# Reads the message box with this caption, checks its text and presses OK.
expect_box() {
    wait_for_window "$1"
    settled_shot "$3"
    local text
    text=$(probe box "$1")
    [ "$text" = "$2" ] || fail "the box \"$1\" says \"$text\", not \"$2\""
}
top_entry_holds() { probe list "$title" | head -1 | grep -qF "$1"; }
wait_for_top_entry() {
    wait_until 20 top_entry_holds "$1" ||
        fail "the move list never showed $1: $(probe list "$title" | tr '\n' '|')"
}

# Started from a folder without a help file.
cd "$work/play"
"$wine" "$game" &
first=$!
pids+=("$first")
wait_for_window "$title"
read -r ox oy <<<"$(probe origin "$title")"

background=238,130,238
await_pixel start pixel_is 10 10 $background "margin"
expect_pixel start 30 30 $background "an empty cell"
expect_pixel start 16 100 0,0,0 "frame"
expect_pixel start 57 30 0,0,0 "first vertical line"
expect_pixel start 30 100 0,0,0 "second horizontal line"
expect_shade start 163 163 light "white disc on (4, 4)"
expect_shade start 205 205 light "white disc on (5, 5)"
expect_shade start 205 163 dark "black disc on (5, 4)"
expect_shade start 163 205 dark "black disc on (4, 5)"
# The tiles' corners are red in the sheet and must show the board.
expect_pixel start 143 143 $background "corner of the disc tile on (4, 4)"
expect_pixel start 224 224 $background "corner of the disc tile on (5, 5)"
label_ink=$(convert "$shots/start.png" -crop "130x18+$((ox + 383))+$((oy + 20))" -colorspace Gray \
    -threshold 50% -format "%[fx:int(w*h*(1-mean))]" info:)
[ "$label_ink" -ge 150 ] || fail "the panel's label has only $label_ink dark pixels"

# Black opens at (4, 3); the computer answers at (3, 5).
xdotool mousemove $((ox + 163)) $((oy + 121)) click 1
wait_for_top_entry "白(3, 5)"
[ "$(probe list "$title" | tail -1)" = " 1手目 黒(4, 3)" ] || fail "first entry: $(probe list "$title")"
await_shade answered 121 205 light "white disc on (3, 5)"
expect_shade answered 163 121 dark "black disc on (4, 3)"

# The game menu drops over the board's corner, and goes again.
xdotool key alt+g
await_pixel menu pixel_is_not 10 10 $background "the game menu"
xdotool key Escape Escape
await_pixel menu_closed pixel_is 10 10 $background "the closed game menu"

xdotool key F1
expect_box Error "ヘルプファイルが見つかりません。" help_box
xdotool key alt+h
await_pixel help_menu pixel_is_not 100 10 $background "the help menu"
xdotool key Down Return
expect_box "バージョン情報" "$(printf '%s\t%s' "$title" Ver.1.2)" version_box

# With a help file the viewer opens it; without a viewer for text files the failure shows.
focus_game() { xdotool mousemove $((ox + 450)) $((oy + 100)) click 1; }
printf 'help\r\n' >readme.txt
focus_game
xdotool key F1
viewer=$(window_of 30 --name readme) || fail "help opened no viewer"
kill "$(xdotool getwindowpid "$viewer")"
"$wine" reg delete "$txt_open" /f >/dev/null
focus_game
xdotool key F1
expect_box Error "ヘルプファイルの表示に失敗しました。" viewer_failed_box
rm readme.txt

# A second copy runs a game of its own and closes alone.
"$wine" "$game" &
second=$!
pids+=("$second")
two_copies_shown() {
    [ "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l)" -eq 2 ]
}
wait_until 60 two_copies_shown || fail "the second copy shows no window"
# It opens over the first, with an empty board.
await_pixel second pixel_is 163 121 $background "the second copy's empty cell (4, 3)"
focus_game
xdotool key x
wait "$second" || fail "the second copy ended with $?"
kill -0 "$first" 2>/dev/null || fail "closing the second copy ended the first"
[ "$(probe list "$title" | wc -l)" -eq 2 ] || fail "the first copy's game changed"

focus_game
xdotool key x
wait "$first" || fail "the program ended with $?"
echo "window test passed; screenshots in $shots"

#!/usr/bin/env bash
# The Windows program on a screen scaled to 192 dpi (twice 96), under Xvfb and wine: the window
# twice its size, the controls where the layout puts them with the list showing whole rows, the
# board's frame and a disc drawn sharp from the fine disc sheet, and a click placing on the cell
# under it.
#
#   scaled_window_test.sh DISCADA.EXE WINDOW_PROBE.EXE FINE_DISC_SHEET.BMP WORK_FOLDER
#
# The wine prefix, set to 192 dpi, lives in WORK_FOLDER and is made once; the screenshot lands in
# WORK_FOLDER/screenshots.
set -euo pipefail

game=$(realpath "$1")
probe=$(realpath "$2")
fine_sheet=$(realpath "$3")
work=$(realpath -m "$4")
title=DiscadaGame
shots=$work/screenshots
mkdir -p "$shots" "$work/play"
export WINEPREFIX=$work/wine
source "$(dirname "$0")/wine_display.sh"

start_display 2048x1536
[ -f "$WINEPREFIX/system.reg" ] || make_prefix 192

probe() { "$wine" "$probe" "$@" | tr -d '\r'; }

cd "$work/play"
"$wine" "$game" &
pid=$!
window_of 60 --onlyvisible --name "^$title\$" >/dev/null || fail "no window titled $title"
read -r ox oy <<<"$(probe origin "$title")"

# Twice 530 x 413; the list at twice (385, 120) and 130 wide, its height cut to whole rows; the
# buttons at twice their places, once the window has made them.
read_layout() { layout=$(probe layout "$title"); }
wait_until 30 read_layout || fail "the window has no list or no buttons"
read -r _ list_x list_y list_width list_height inner row <<<"$(grep '^list ' <<<"$layout")"
[ "$(head -1 <<<"$layout")" = "window 1060 826" ] || fail "window: $layout"
[ "$list_x $list_y $list_width" = "770 240 260" ] || fail "list: $layout"
[ "$list_height" -le 400 ] && [ $((inner % row)) -eq 0 ] || fail "list rows: $layout"
expected_buttons="<< 770 660 40 40
< 842 660 40 40
> 914 660 40 40
>> 986 660 40 40"
[ "$(grep -v '^window \|^list ' <<<"$layout")" = "$expected_buttons" ] || fail "buttons: $layout"

# Black opens at (4, 3), once the board shows; the computer answers at (3, 5).
await_shot start pixel_is 20 20 238,130,238 || fail "the board was never drawn"
xdotool mousemove $((ox + 326)) $((oy + 242)) click 1
answered() { probe list "$title" | head -1 | grep -qF "白(3, 5)"; }
wait_until 20 answered || fail "no answer: $(probe list "$title" | tr '\n' '|')"
[ "$(probe list "$title" | tail -1)" = " 1手目 黒(4, 3)" ] || fail "moves: $(probe list "$title")"
await_shot scaled has_shade 242 410 light || fail "the answer on (3, 5) is not drawn"

# Sharp edges: across the frame's left band (x 15 and 16, now 30 to 33) in the first row of cells,
# every pixel is the board's violet or black, nothing between; the white disc on (5, 5) is the
# fine sheet's tile pixel for pixel, its red corners showing the board.
row=$(convert "$shots/scaled.png" -crop "8x1+$((ox + 28))+$((oy + 60))" -depth 8 txt:- |
    sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | xargs)
[ "$row" = "EE82EE EE82EE 000000 000000 000000 000000 EE82EE EE82EE" ] || fail "frame: $row"
convert "$shots/scaled.png" -crop "80x80+$((ox + 370))+$((oy + 370))" +repage "$work/drawn.png"
convert "$fine_sheet" -crop 80x80+0+0 +repage -fill '#EE82EE' -opaque red "$work/tile.png"
difference=$(compare -metric AE "$work/drawn.png" "$work/tile.png" null: 2>&1) || true
[ "$difference" = 0 ] || fail "the disc on (5, 5) differs from the sheet in $difference pixels"

xdotool key x
wait "$pid" || fail "the program ended with $?"
echo "scaled window test passed; screenshot in $shots"

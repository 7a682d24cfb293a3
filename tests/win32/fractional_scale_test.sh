#!/usr/bin/env bash
# The Windows program on a screen scaled to a fraction of 96 dpi (120: 125 %, 144: 150 %), under
# Xvfb and wine: along every row of cells without a disc the frame at both ends has one width and
# the seven lines between have one width, the cells differ by a pixel at most, and the white
# disc's edge is smooth, mixing its greys with the board's violet.
#
#   fractional_scale_test.sh DISCADA.EXE WINDOW_PROBE.EXE DPI WORK_FOLDER
#
# The wine prefix, set to DPI, lives in WORK_FOLDER and is made once; the screenshot lands in
# WORK_FOLDER/screenshots.
set -euo pipefail

game=$(realpath "$1")
probe=$(realpath "$2")
dpi=$3
work=$(realpath -m "$4")
title=DiscadaGame
shots=$work/screenshots
shot=$shots/scaled-$dpi.png
mkdir -p "$shots" "$work/play"
export WINEPREFIX=$work/wine
source "$(dirname "$0")/wine_display.sh"

start_display 1600x1200
[ -f "$WINEPREFIX/system.reg" ] || make_prefix "$dpi"

# A window coordinate in device pixels, rounded to the nearest.
device() { echo $(((2 * $1 * dpi + 96) / 192)); }
# The screenshot's pixels along the device rectangle WIDTHxHEIGHT+X+Y of the client area, one
# "RRGGBB" per line.
pixels() {
    convert "$shot" -crop "$1x$2+$((ox + $3))+$((oy + $4))" +repage -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}

cd "$work/play"
"$wine" "$game" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; cleanup' EXIT
window_of 60 --onlyvisible --name "^$title\$" >/dev/null || fail "no window titled $title"
read -r ox oy <<<"$("$wine" "$probe" origin "$title" | tr -d '\r')"

# The window shows the whole scene in one copy: it is there once the board's margin is violet.
painted() { import -window root "$shot" && [ "$(pixels 1 1 "$(device 10)" "$(device 100)")" = EE82EE ]; }
wait_until 10 painted || fail "the board was never painted"

# Two window pixels below the top of each row of cells without a disc at the start.
span=$(device 363)
for row in 1 2 3 6 7 8; do
    y=$(device $((42 * row - 23)))
    verdict=$(pixels "$span" 1 0 "$y" | awk '
        { dark = substr($0, 1, 2) < "64" && substr($0, 3, 2) < "64" && substr($0, 5, 2) < "64" }
        dark && !was { if (n) gap[n] = NR - last; width[++n] = 0 }
        dark { width[n]++; last = NR + 1 }
        { was = dark }
        END {
            for (i = 1; i <= n; i++) runs = runs " " width[i]
            bad = n != 9 || width[1] != width[9]
            for (i = 3; i <= 8; i++) bad = bad || width[i] != width[2]
            for (i = 1; i < n; i++) {
                if (min == "" || gap[i] < min) min = gap[i]
                if (gap[i] > max) max = gap[i]
            }
            print (bad || max - min > 1 ? "runs" runs "; cells from " min " to " max : "ok")
        }')
    [ "$verdict" = ok ] || fail "row $row at device y $y: $verdict"
done

# Pixels of the white disc on (4, 4) that are neither grey nor the board's violet.
size=$(device 40)
mixed=$(pixels "$size" "$size" "$(device 143)" "$(device 143)" |
    awk 'substr($0, 1, 2) != substr($0, 3, 2) || substr($0, 3, 2) != substr($0, 5, 2)' |
    grep -cv '^EE82EE$') || true
[ "$mixed" -gt "$size" ] || fail "the white disc's edge is stepped: $mixed mixed pixels"

xdotool key x
wait "$pid" || fail "the program ended with $?"
echo "fractional scale test at $dpi dpi passed; screenshot in $shot"

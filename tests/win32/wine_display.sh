# Sourced by the wine tests that show the game on a display of their own; sets nothing up by
# itself. Before sourcing, export WINEPREFIX and set `work`, the test's folder.
source "$(dirname "${BASH_SOURCE[0]}")/../wait_until.sh"
wine_dir=/usr/lib/wine
wine=$wine_dir/wine64
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d LC_ALL=C.UTF-8

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
# -E: a command that fails inside a function reports itself too, not only one at the top level.
set -E
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing: scripts/test.sh installs it"
done

xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    "$wine_dir/wineserver" --kill 2>/dev/null || true
}
trap cleanup EXIT

# start_display WIDTHxHEIGHT: a new X display of that size; wine keeps the display it was first
# started with, so this comes before any wine command.
start_display() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    wait_until 30 test -s "$work/display" || fail "Xvfb did not start"
    DISPLAY=:$(head -1 "$work/display")
    export DISPLAY
}

# make_prefix [DPI]: a new wine prefix whose windows show Japanese glyphs (IPA Gothic, linked
# behind the fonts wine draws its windows with) and whose frames wine draws itself, since no
# window manager runs; the display scaled to DPI when given.
make_prefix() {
    "$wine" wineboot --init >/dev/null 2>&1
    cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
        "$wine" reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null
    done
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null
    if [ $# -gt 0 ]; then
        "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
            >/dev/null
    fi
    "$wine_dir/wineserver" --wait
}

# Screenshots, read in the coordinates of the game's client area, whose screen position is
# (ox, oy); they land in the folder `shots`.
shot() { import -window root "$shots/$1.png"; }
# The colour of client pixel (x, y) in screenshot NAME, as "R,G,B".
pixel() {
    local x=$((ox + $2)) y=$((oy + $3))
    convert "$shots/$1.png" -format \
        "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info:
}
# pixel_is NAME X Y R,G,B and pixel_is_not NAME X Y R,G,B
pixel_is() { [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }
pixel_is_not() { [ "$(pixel "$1" "$2" "$3")" != "$4" ]; }
# has_shade NAME X Y light|dark: every channel at least 200, or none above 100.
has_shade() {
    local r g b
    IFS=, read -r r g b <<<"$(pixel "$1" "$2" "$3")"
    if [ "$4" = light ]; then
        [ "$r" -ge 200 ] && [ "$g" -ge 200 ] && [ "$b" -ge 200 ]
    else
        [ "$r" -le 100 ] && [ "$g" -le 100 ] && [ "$b" -le 100 ]
    fi
}
# await_shot NAME CHECK ARGS...: takes screenshot NAME until `CHECK NAME ARGS...` holds on it,
# for at most ten seconds; false if it never does.
await_shot() { wait_until 10 shot_and_check "$@"; }
shot_and_check() { shot "$1" && "$2" "$1" "${@:3}"; }

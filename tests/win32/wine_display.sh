# Sourced by the wine tests that show the game on a display of their own; sets nothing up by
# itself. Before sourcing, export WINEPREFIX and set `work`, the test's folder.
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
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
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

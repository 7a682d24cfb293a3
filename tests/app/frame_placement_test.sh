#!/usr/bin/env bash
# The desktop program under a real window manager (openbox on a 1024 x 768 Xvfb screen), started
# several times in a row: every time, the window's outer frame must stand at the centred corner
# (247, 177), whenever the manager makes the frame's size known.
#
#   frame_placement_test.sh DISCADA [STARTS]
set -euo pipefail

program=$(realpath "$1")
starts=${2:-5}
expected="247 177"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$work/display")

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"

# The frame's top-left corner: the client area's, less the frame's left and top extents.
frame_corner() {
    local x y extents
    read -r x y < <(xwininfo -id "$1" |
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
    [ -n "$extents" ] || fail "the window has no frame"
    read -r left _ top _ <<<"$extents"
    echo "$((x - left)) $((y - top))"
}

for start in $(seq "$starts"); do
    (cd "$work" && QT_QPA_PLATFORM=xcb exec "$program" >/dev/null 2>&1) &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^DiscadaGame$' |
        head -1) || fail "start $start: no window"
    # The window looks for its frame during the first second after it is shown.
    sleep 1.5
    corner=$(frame_corner "$window")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    [ "$corner" = "$expected" ] || fail "start $start: the frame stands at ($corner), not ($expected)"
    echo "start $start: frame at ($corner)"
done

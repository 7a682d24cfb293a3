#!/usr/bin/env bash
# The desktop program under a real window manager (openbox on a 1024 x 768 Xvfb screen), started
# several times in a row: every time, the window's outer frame must come to stand at the centred
# corner (247, 177), however late the manager makes the frame's size known. On the first start
# the manager is busy for a while after the window asks to be shown, as on a loaded machine.
#
#   frame_placement_test.sh DISCADA [STARTS]
set -euo pipefail
source "$(dirname "$0")/../wait_until.sh"

program=$(realpath "$1")
starts=${2:-5}
expected="247 177"
# Longer than a second: the time a window once waited for its frame before it gave up.
busy_manager_seconds=2

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
    # A stopped manager takes its end only once it runs again.
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null && kill -CONT "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_until 30 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$work/display")

openbox --sm-disable >/dev/null 2>&1 &
manager=$!
pids+=("$manager")
# Openbox names itself early in its start, but a window that asks to be shown before its event
# loop runs may never be: it is ready once it answers a request, here for one desktop.
manager_answers() {
    xdotool set_num_desktops 1 2>/dev/null &&
        xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | grep -q ' = 1$'
}
wait_until 30 manager_answers ||
    fail "openbox did not start$(kill -0 "$manager" 2>/dev/null && echo ' its event loop')"

# Sets `corner` to the frame's top-left corner: the client area's, less the frame's left and top
# extents; "none" while the window has no frame. True when it stands where it belongs.
frame_centred() {
    local x y extents left top
    read -r x y < <(xwininfo -id "$1" |
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
    corner=none
    [ -n "$extents" ] || return 1
    read -r left _ top _ <<<"$extents"
    corner="$((x - left)) $((y - top))"
    [ "$corner" = "$expected" ]
}

for start in $(seq "$starts"); do
    (cd "$work" && QT_QPA_PLATFORM=xcb exec "$program" >/dev/null 2>&1) &
    pid=$!
    if [ "$start" -eq 1 ]; then
        kill -STOP "$manager"
        window_of 30 --pid "$pid" --name '^DiscadaGame$' >/dev/null ||
            fail "start 1: no window asked to be shown"
        sleep "$busy_manager_seconds"
        kill -CONT "$manager"
    fi
    window=$(window_of 30 --onlyvisible --pid "$pid" --name '^DiscadaGame$') ||
        fail "start $start: no window"
    centred=true
    wait_until 20 frame_centred "$window" || centred=false
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    $centred || fail "start $start: the frame stands at ($corner), not ($expected)"
    echo "start $start: frame at ($corner)"
done

# Sourced by the shell tests, which wait for what they need, never for a fixed time.
#
# wait_until SECONDS COMMAND [ARGS...]: runs the command every tenth of a second until it
# succeeds; returns 1 once SECONDS have passed without. A failing try ends no test that runs
# under `set -e`.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# window_of SECONDS SEARCH...: prints the first window that `xdotool search SEARCH...` finds
# within SECONDS; fails when none comes. The search is repeated rather than left to wait
# (--sync): xdotool ends with an error when a window goes while it looks at the windows.
window_of() {
    local seconds=$1
    shift
    wait_until "$seconds" search_window "$@" && echo "${found_window%%$'\n'*}"
}
search_window() { found_window=$(xdotool search "$@" 2>/dev/null) && [ -n "$found_window" ]; }

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

# display and xvfb_pid are set for the caller; work is the caller's scratch folder.
# shellcheck shell=bash disable=SC2034,SC2154
# Sourced by the desktop tests. start_xvfb WIDTHxHEIGHT starts a virtual X server on a display
# number the server picks itself among those nobody holds (-displayfd), so that tests can run
# side by side, and sets display (":n") and xvfb_pid; it leaves both empty when no server
# came up. Server output goes to $work/xvfb.log.
start_xvfb() {
    display=''
    # -noreset: the server would otherwise reset, refusing connections for a moment, each
    # time its last client leaves.
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local i
    # The number is written once the server accepts connections.
    for ((i = 0; i < 200; i++)); do
        display=$(cat "$work/display")
        if [[ $display =~ ^[0-9]+$ ]]; then
            display=:$display
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    display=
}

# poll SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds, or fails
# once SECONDS have passed.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# display and xvfb_pid are set for the caller; work is the caller's scratch folder.
# shellcheck shell=bash disable=SC2034,SC2154
# Sourced by the desktop tests. start_xvfb WIDTHxHEIGHT starts a virtual X server on a display
# nobody uses and sets display (":n") and xvfb_pid; it leaves both empty when none of :90 to
# :189 could be had. Server output goes to $work/xvfb.log.
start_xvfb() {
    display=''
    xvfb_pid=''
    local n i
    for ((n = 90; n < 190; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        # -noreset: the server would otherwise reset, refusing connections for a moment, each
        # time its last client (xdpyinfo here) leaves.
        Xvfb ":$n" -screen 0 "$1x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for ((i = 0; i < 100; i++)); do
            # Another test may have won the number meanwhile: the server that answers must be
            # ours, as the lock file, which holds the winner's process id, tells.
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                [[ $(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null) == "$xvfb_pid" ]] || break
                display=:$n
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
}

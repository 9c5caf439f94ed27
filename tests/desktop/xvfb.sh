# shellcheck shell=bash disable=SC2034,SC2154
# Sourced by the desktop tests; $work is the caller's scratch folder.
# start_xvfb WIDTHxHEIGHT starts a virtual X server on a display number it picks itself among
# those nobody holds (-displayfd), so tests run side by side, and sets display (":n") and
# xvfb_pid, or leaves display empty when no server came up. Its output goes to $work/xvfb.log.
# -noreset: the server would otherwise reset, refusing connections for a moment, each time its
# last client leaves. -ardelay: keys never repeat; on a busy machine xdotool's release of a key
# can come later than the 660 ms a held key waits before it repeats.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset -ardelay 3600000 \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    # The number is written once the server accepts connections.
    poll 10 grep -qs '^[0-9]' "$work/display" && display=:$(cat "$work/display") || display=
}

# poll SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds; fails once
# SECONDS have passed.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

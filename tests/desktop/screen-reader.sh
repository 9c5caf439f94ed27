# shellcheck shell=bash
# Sourced by the screen-reader test and bench/measure-with-reader: the real screen reader in a
# session of one's own, beside other such sessions on the same machine.

# reader_home DIR makes DIR a HOME for one session: Orca's default settings, and
# speech-dispatcher speaking through espeak-ng into the null device of libao (without a sound
# device it hangs otherwise). Orca keeps what it turns on in the desktop's settings under HOME,
# so each session needs a HOME of its own.
reader_home() {
    mkdir -p "$1/.config/speech-dispatcher"
    {
        cat /etc/speech-dispatcher/speechd.conf
        echo 'AudioOutputMethod "libao"'
        echo 'DefaultModule espeak-ng'
        echo 'AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"'
    } >"$1/.config/speech-dispatcher/speechd.conf"
    ln -s /etc/speech-dispatcher/clients "$1/.config/speech-dispatcher/clients"
    echo 'default_driver=null' >"$1/.libao"
}

# start_orca LOG, in a session bus with an accessibility bus, HOME from reader_home and a
# private XDG_RUNTIME_DIR: starts speech-dispatcher and Orca, adds their pids to the caller's
# array pids, and returns once Orca is ready (1 if it is not within 40 s). Orca writes what it
# says to LOG, "SPEECH OUTPUT: '...'" a line.
start_orca() {
    local log=$1 deadline=$((SECONDS + 40))
    # Orca would start speech-dispatcher as a daemon of its own; as a child of the caller it
    # ends with the caller's session.
    speech-dispatcher --run-single --timeout 0 >"$log.speech" 2>&1 &
    pids+=($!)
    until [[ -S $XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    : >"$log"
    # /usr/bin/orca itself, with three changes: it does not look for other Orcas of this user
    # (they belong to other sessions, which it would stop), it does not rename itself "orca"
    # (for the same reason, the other way round), and it writes its log a line at a time, at
    # the level that holds what it says, so that the log can be read while it runs.
    /usr/bin/python3 - "$log" >"$log.out" 2>&1 <<'PYTHON' &
import builtins, sys
log = sys.argv[1]
sys.argv = ["orca", "--debug-file=" + log]
source = open("/usr/bin/orca").read()
orca = {"__name__": "screen_reader_session", "__file__": "/usr/bin/orca"}
exec(compile(source, "/usr/bin/orca", "exec"), orca)
from orca import debug
def line_buffered_open(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        debug.debugLevel = debug.LEVEL_INFO
        return builtins.open(file, mode, buffering=1, encoding="utf-8")
    return builtins.open(file, mode, *args, **kwargs)
orca["open"] = line_buffered_open
orca["otherOrcas"] = lambda: []
orca["setProcessName"] = lambda name: False
sys.exit(orca["main"]())
PYTHON
    pids+=($!)
    until grep -aq "SPEECH OUTPUT: 'Screen reader on" "$log"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    # A desktop that starts its screen reader says so on the accessibility bus
    # (ScreenReaderEnabled); Orca started by hand does not, so the session does it here.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:ScreenReaderEnabled \
        variant:boolean:true >/dev/null
}

# stop_session: ends whatever is in pids, the last started first, each after what it started
# in turn, so that every process is reaped by its parent. Orca may hang in its handler of
# TERM, so KILL follows after 3 seconds.
stop_session() {
    local i p all=()
    tree() { local c; for c in $(pgrep -P "$1"); do tree "$c"; done; echo "$1"; }
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        mapfile -t -O "${#all[@]}" all < <(tree "${pids[i]}")
    done
    for p in "${all[@]}"; do kill "$p" 2>/dev/null || true; done
    for _ in $(seq 30); do
        for p in "${all[@]}"; do kill -0 "$p" 2>/dev/null && break; done
        kill -0 "$p" 2>/dev/null || break
        sleep 0.1
    done
    for p in "${all[@]}"; do kill -9 "$p" 2>/dev/null || true; done
}

# start_accessibility_bus: the bus a desktop session has, on the current session bus.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    local deadline=$((SECONDS + 10))
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# kill_home HOME: anything still running with that HOME, say a service the session bus
# started for Orca, belongs to the session that made it.
kill_home() {
    local p
    for p in $(grep -lsxF "HOME=$1" --null-data /proc/[0-9]*/environ | cut -d/ -f3); do
        kill -9 "$p" 2>/dev/null || true
    done
}

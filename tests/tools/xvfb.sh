#!/usr/bin/env bash
# Starts or stops the one Xvfb server that the display tests share.
#   xvfb.sh start <state-dir>   prints nothing; writes <state-dir>/display and xvfb.pid
#   xvfb.sh stop <state-dir>
set -euo pipefail
action=$1
state=$2
mkdir -p "$state"

case "$action" in
start)
    if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
        exit 0
    fi
    rm -f "$state/display"
    # The server's own output goes to a file: ctest waits for every holder of
    # the test's pipes, and the server outlives this script. Without
    # -noreset the server resets whenever its last client leaves, and a test
    # that connects during the reset cannot open the display.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$state/display" ] && exit 0
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$state/xvfb.log" >&2
    exit 1
    ;;
stop)
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
*)
    echo "usage: $0 start|stop <state-dir>" >&2
    exit 2
    ;;
esac

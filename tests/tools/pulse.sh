#!/usr/bin/env bash
# Starts or stops the one PulseAudio server that the audio tests share: a
# private server with a null sink, so that tests play real PCM without a sound
# card and without touching the operator's own sound server.
#   pulse.sh start <state-dir>   writes <state-dir>/pulse/native (the socket) and pulse.pid
#   pulse.sh stop <state-dir>
# Tests reach it with PULSE_SERVER=unix:<state-dir>/pulse/native; the sink is
# "qelm_null" and what it plays can be recorded from "qelm_null.monitor".
set -euo pipefail
action=$1
state=$2
dir="$state/pulse"
mkdir -p "$dir"

case "$action" in
start)
    if [ -f "$state/pulse.pid" ] && kill -0 "$(cat "$state/pulse.pid")" 2>/dev/null; then
        exit 0
    fi
    rm -f "$dir/native"
    mkdir -p "$dir/runtime" "$dir/home"
    chmod 700 "$dir/runtime"
    # -n: no default script, so nothing but the null sink and the socket is
    # loaded; the server's output goes to a file because it outlives this
    # script and ctest waits for every holder of the test's pipes.
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home" \
        pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disallow-exit \
        --load="module-null-sink sink_name=qelm_null rate=48000" \
        --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
        </dev/null >"$dir/pulse.log" 2>&1 &
    echo $! >"$state/pulse.pid"
    for _ in $(seq 100); do
        if PULSE_SERVER="unix:$dir/native" pactl info >/dev/null 2>&1; then
            exit 0
        fi
        sleep 0.1
    done
    echo "PulseAudio did not start:" >&2
    cat "$dir/pulse.log" >&2
    exit 1
    ;;
stop)
    if [ -f "$state/pulse.pid" ]; then
        kill "$(cat "$state/pulse.pid")" 2>/dev/null || true
        rm -f "$state/pulse.pid" "$dir/native"
    fi
    ;;
*)
    echo "usage: $0 start|stop <state-dir>" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Runs a test program on the shared Xvfb server started by xvfb.sh.
set -euo pipefail
state=$1
shift
DISPLAY=":$(tr -d '[:space:]' <"$state/display")"
export DISPLAY
exec "$@"

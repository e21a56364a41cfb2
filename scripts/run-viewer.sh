#!/usr/bin/env bash
# Installs what is missing, builds the viewer and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --parallel "$(nproc)" --target viewer
exec "$root/build/viewer/qelm" "$@"

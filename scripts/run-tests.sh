#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   scripts/run-tests.sh          the normal build, in build/
#   scripts/run-tests.sh asan     AddressSanitizer and UBSan, in build-asan/
#   scripts/run-tests.sh tsan     ThreadSanitizer, in build-tsan/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

variant=${1:-}
case "$variant" in
"") build="$root/build"; options=() ;;
asan) build="$root/build-asan"; options=(-DQELM_ASAN=ON -DQELM_BENCHMARKS=OFF) ;;
tsan) build="$root/build-tsan"; options=(-DQELM_TSAN=ON -DQELM_BENCHMARKS=OFF) ;;
*) echo "usage: $0 [asan|tsan]" >&2; exit 2 ;;
esac

jobs=$(nproc)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELM_WERROR=ON "${options[@]}"
cmake --build "$build" --parallel "$jobs"
cd "$build"
ctest --output-on-failure --parallel "$jobs"

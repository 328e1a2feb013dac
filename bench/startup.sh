#!/usr/bin/env bash
# Start-up benchmark under a private Xvfb: ゾキ's main window against a minimal
# Qt window, both started as fresh processes. Not a test: it only reports.
# Usage: bench/startup.sh [BUILD] [RUNS] [DRAWS] [SETS]
#   BUILD  a build folder configured with -DZOKI_BENCH=ON (default: build-bench,
#          configured as Release and built here)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-}
if [ -z "$build" ]; then
    build="$root/build-bench"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZOKI_BENCH=ON -DZOKI_TESTS=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" --target startup_qbench >/dev/null
fi
# shellcheck source=../scripts/lib/xsession.sh
source "$root/scripts/lib/xsession.sh"
xs_start
# A private runtime folder keeps Qt quiet about a missing one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"; xs_stop' EXIT
"$build/bench/startup_qbench" "${2:-21}" "${3:-12}" "${4:-1}"

#!/usr/bin/env bash
# The crash soak: builds the practice driver and the soak (release, in build-bench unless told
# otherwise), then kills a scripted practice with SIGKILL at random moments, 200 times by default,
# checking the database and the exported records after every kill. Prints the summary.
# Usage: bench/crash_soak.sh [build-dir] [--kills N] [--seed N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-bench}
shift || true
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQOR_BENCH=ON -DQOR_TESTS=OFF >&2
cmake --build "$build" --parallel "$(nproc)" --target crash_soak qor-practice-driver >&2
export QT_QPA_PLATFORM=offscreen
exec "$build/bench/crash_soak" --driver "$build/driver/qor-practice-driver" \
  --work "$build/soak-work" "$@"

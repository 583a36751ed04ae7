#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12, configures the build and
# builds the given targets (everything when none is given).
# Usage: scripts/setup.sh [build-dir] [target...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true

. "$here/scripts/packages.sh"
install_missing "${base_packages[@]}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"

#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12, configures the build and
# builds the given targets (everything when none is given).
# Usage: scripts/setup.sh [build-dir] [target...]
# QOR_WERROR=ON in the environment fails the build on any compiler warning (CI sets it).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true

. "$here/scripts/packages.sh"
install_missing "${base_packages[@]}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQOR_WERROR="${QOR_WERROR:-OFF}"
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"

#!/usr/bin/env bash
# Installs what the build and the program need on Debian 12 (and the tests, unless QOR_TESTS=OFF),
# configures the build and builds the given targets (everything when none is given).
# Usage: scripts/setup.sh [build-dir] [target...]
# QOR_WERROR=ON in the environment fails the build on any compiler warning (CI sets it);
# QOR_TESTS=OFF leaves the tests out of the build, and their packages uninstalled; unset, a build
# folder configured before keeps its choice, and a new one builds the tests.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
tests=${QOR_TESTS:-$(sed -n 's/^QOR_TESTS:BOOL=//p' "$build/CMakeCache.txt" 2>/dev/null || true)}
tests=${tests:-ON}

. "$here/scripts/packages.sh"
packages=("${base_packages[@]}")
[ "$tests" != OFF ] && packages+=("${test_packages[@]}")
install_missing "${packages[@]}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQOR_WERROR="${QOR_WERROR:-OFF}" -DQOR_TESTS="$tests"
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"

#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12, then builds the program
# and its sample program folder. Usage: scripts/setup.sh [build-dir] [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true

. "$here/scripts/packages.sh"
install_missing "${base_packages[@]}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" --parallel "$(nproc)"

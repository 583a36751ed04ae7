#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (offscreen, no display needed).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
# The set-up installs the tests' packages beside those of the build.
QOR_TESTS=ON "$here/scripts/setup.sh" "$build"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300

#!/usr/bin/env bash
# Installs what is missing, builds the program with its sample program folder (not the tests) and
# starts it. Without a display the program runs on an X display of its own with a window manager,
# served over VNC (scripts/headless.sh says how and how to stop it).
#   VNC_PORT=5901   the VNC port (default 5900)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
program="$build/app/qor-practice"

headless=0
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && headless=1

. "$here/scripts/packages.sh"
[ "$headless" = 1 ] && install_missing "${headless_packages[@]}"
# A new build folder leaves the tests out (and their packages); one configured before keeps its
# choice, so that the tests a developer builds there stay.
[ -f "$build/CMakeCache.txt" ] || export QOR_TESTS=OFF
"$here/scripts/setup.sh" "$build" qor-practice sample-content

[ "$headless" = 1 ] && exec "$here/scripts/headless.sh" "$program"
exec "$program"

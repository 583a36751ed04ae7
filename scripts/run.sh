#!/usr/bin/env bash
# Installs what is missing, builds the program with its sample content and starts it.
# Without a display the program serves its window over VNC (address printed below).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
"$here/scripts/setup.sh" "$build"

program="$build/app/qor-practice"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  port=${VNC_PORT:-5900}
  echo "No display found: the program is served over VNC."
  echo "Connect a VNC viewer to $(hostname -I 2>/dev/null | awk '{print $1}'):$port (or localhost:$port)."
  export QT_QPA_PLATFORM="vnc:size=1280x1024:port=$port"
fi
exec "$program"

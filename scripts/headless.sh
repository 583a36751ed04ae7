#!/usr/bin/env bash
# Installs what is missing, builds the program with its sample program folder (not the tests) and
# starts it. Without a display the program runs on an X display of its own (Xvfb) served over VNC
# by x11vnc, to this machine only; QOR_VNC_OPEN=1 serves it to the network too.
#   VNC_PORT=5901   the VNC port (default 5900)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
program="$build/app/qor-practice"

headless=0
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && headless=1

. "$here/scripts/packages.sh"
[ "$headless" = 1 ] && install_missing xvfb x11vnc
"$here/scripts/setup.sh" "$build" qor-practice sample-content

if [ "$headless" = 0 ]; then
  exec "$program"
fi

port=${VNC_PORT:-5900}
work=$(mktemp -d "${TMPDIR:-/tmp}/qor-vnc-XXXXXX")
pids=()
cleanup() {
  local i
  # The VNC server before the X server it serves.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to ten seconds for a line matching $2 in the file $1 while process $3 runs.
wait_for() {
  local _
  for _ in $(seq 100); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    kill -0 "$3" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Xvfb picks a free display number and writes it once it accepts clients.
Xvfb -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
if ! wait_for "$work/display" '[0-9]' "${pids[0]}"; then
  echo "Could not start the X server for the program:" >&2
  sed 's/^/  /' "$work/xvfb.log" >&2
  exit 1
fi
display=":$(tr -d '[:space:]' <"$work/display")"

# Without a password the screen is served to this machine only, unless asked for on purpose.
listen=(-localhost -noipv6)
[ "${QOR_VNC_OPEN:-0}" = 1 ] && listen=()
x11vnc -display "$display" -rfbport "$port" "${listen[@]}" -nopw -forever -shared -quiet \
  >"$work/x11vnc.log" 2>&1 &
pids+=($!)
if ! wait_for "$work/x11vnc.log" '^PORT=' "${pids[1]}"; then
  echo "Could not serve the display over VNC on port $port:" >&2
  sed 's/^/  /' "$work/x11vnc.log" >&2
  exit 1
fi

echo "No display found: the program runs on a display of its own, served over VNC."
if [ "${#listen[@]}" -gt 0 ]; then
  echo "Connect a VNC viewer on this machine to 127.0.0.1:$port (vncviewer 127.0.0.1::$port)."
  echo "From another machine, tunnel through SSH, then connect a viewer there to 127.0.0.1:$port:"
  echo "  ssh -N -L $port:127.0.0.1:$port $(id -un)@$(hostname -f 2>/dev/null || hostname)"
  echo "(QOR_VNC_OPEN=1 bash scripts/run.sh serves it to the network instead, without a password.)"
else
  echo "Served to the network WITHOUT A PASSWORD (QOR_VNC_OPEN=1): connect a VNC viewer to" \
    "$(hostname -I 2>/dev/null | awk '{print $1}'):$port."
fi
status=0
DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" || status=$?
exit "$status"

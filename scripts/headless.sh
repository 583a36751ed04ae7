#!/usr/bin/env bash
# Runs a program on an X display of its own (Xvfb) with a small window manager (Openbox: title
# bars, borders, moving and closing windows), served over VNC by x11vnc to this machine only
# (QOR_VNC_OPEN=1: to the network, without a password). When the program ends, or on Ctrl-C, or
# on SIGTERM or SIGHUP to this script, everything it started stops: the program, the VNC server,
# the window manager and the X server. Ends with the program's exit status.
# Usage: scripts/headless.sh PROGRAM [ARGUMENT...]
#   VNC_PORT=5901   the VNC port (default 5900)
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 PROGRAM [ARGUMENT...]" >&2; exit 2; }

port=${VNC_PORT:-5900}
work=$(mktemp -d "${TMPDIR:-/tmp}/qor-vnc-XXXXXX")
pids=() # in the order started: X server, window manager, VNC server, program

# Stops one process: SIGTERM, then SIGKILL if it is still there after three seconds.
stop() {
  local _
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 30); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null || true
}

# In the reverse order of their start: the program first, the X server they all use last.
cleanup() {
  local i
  trap '' HUP INT TERM # a second Ctrl-C must not cut the stopping short
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts a command in the background in a session of its own, so that Ctrl-C in the terminal
# reaches this script alone, which then stops everything in order. Every command here is started
# through this, so `wait` below is interrupted by a signal at once, not when the program ends.
start() {
  setsid "$@" &
  pids+=($!)
}

# Waits up to ten seconds for a line matching $2 in the file $1 while the last started process
# runs; when it does not come, says $3 and shows the file.
wait_for() {
  local _
  for _ in $(seq 100); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  echo "$3" >&2
  sed 's/^/  /' "$1" >&2
  exit 1
}

# Xvfb picks a free display number and writes it once it accepts clients.
start Xvfb -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$work/display" >"$work/xvfb.log" 2>&1
wait_for "$work/display" '[0-9]' "Could not start the X server for the program:"
display=":$(tr -d '[:space:]' <"$work/display")"
export DISPLAY=$display

# The window manager says it is ready by running its start-up command.
start openbox --startup "echo window-manager-ready" >"$work/openbox.log" 2>&1
wait_for "$work/openbox.log" '^window-manager-ready$' "Could not start the window manager (Openbox):"

# Without a password the screen is served to this machine only, unless asked for on purpose.
listen=(-localhost -noipv6)
[ "${QOR_VNC_OPEN:-0}" = 1 ] && listen=()
start x11vnc -display "$display" -rfbport "$port" "${listen[@]}" -nopw -forever -shared -quiet \
  >"$work/x11vnc.log" 2>&1
wait_for "$work/x11vnc.log" '^PORT=' "Could not serve the display over VNC on port $port:"

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
echo "To stop the program and all of the above: Ctrl-C here, or kill $$."

start env QT_QPA_PLATFORM=xcb "$@"
status=0
wait "${pids[-1]}" || status=$?
exit "$status"

#!/usr/bin/env bash
# Checks that scripts/headless.sh, which the run command uses without a display, leaves nothing
# running: on SIGTERM to it, on Ctrl-C (SIGINT to its process group) and when the program ends by
# itself (its exit status passed on). A stand-in program waits in place of the real one, so no
# build is needed. Installs what is missing (Xvfb, Openbox, x11vnc). CI runs it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/packages.sh"
install_missing "${headless_packages[@]}"

work=$(mktemp -d "${TMPDIR:-/tmp}/qor-headless-check-XXXXXX")
runner=    # the process id of the headless.sh under test
processes= # it and what it started: Xvfb, Openbox, x11vnc and the program
every_process= # of every launch, for a check that fails
cleanup() {
  # shellcheck disable=SC2086
  [ -z "$every_process" ] || kill -KILL $every_process 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A VNC port nothing listens on.
free_port() {
  local port
  for port in $(seq 5990 6090); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
  done
  echo "no free port between 5990 and 6090" >&2
  exit 1
}

# The process ids whose parent is $1 (read from /proc: no ps needed).
children_of() {
  local status
  for status in /proc/[0-9]*/status; do
    grep -qs "^PPid:[[:space:]]*$1\$" "$status" && basename "$(dirname "$status")"
  done | tr '\n' ' '
}

# Starts headless.sh with the given stand-in program in a process group of its own, as a terminal
# starts a command (job control on: a background job would ignore SIGINT), and waits until it
# says how to stop it; then notes the processes it started.
launch() {
  : >"$work/out"
  set -m
  VNC_PORT=$(free_port) bash "$here/scripts/headless.sh" "$@" >"$work/out" 2>&1 &
  runner=$!
  set +m
  local _
  for _ in $(seq 200); do
    if grep -q '^To stop' "$work/out"; then
      processes="$runner $(children_of "$runner")"
      every_process+=" $processes"
      return 0
    fi
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.1
  done
  echo "headless.sh did not come up:" >&2
  sed 's/^/  /' "$work/out" >&2
  return 1
}

# Succeeds when, within ten seconds, no process of the given ids is left.
all_gone_within_10s() {
  local _ pid alive
  for _ in $(seq 100); do
    alive=0
    for pid in "$@"; do kill -0 "$pid" 2>/dev/null && alive=1; done
    [ "$alive" = 0 ] && return 0
    sleep 0.1
  done
  for pid in "$@"; do
    [ -r "/proc/$pid/cmdline" ] && echo "left running: $pid $(tr '\0' ' ' <"/proc/$pid/cmdline")" >&2
  done
  return 1
}

passed=0
failed=0
check() {
  local name=$1
  shift
  if "$@"; then
    echo "ok: $name"
    passed=$((passed + 1))
  else
    echo "FAILED: $name"
    failed=$((failed + 1))
  fi
}

# Stopped by the signal $1 sent to $2 ("runner" or "group"); every process must go.
stops_on() {
  launch sleep 600 || return 1
  [ "$(wc -w <<<"$processes")" = 5 ] || { echo "started: $processes" >&2; return 1; }
  if [ "$2" = group ]; then kill -"$1" -- "-$runner"; else kill -"$1" "$runner"; fi
  # shellcheck disable=SC2086
  all_gone_within_10s $processes
}

ends_with_the_program() {
  launch sh -c 'sleep 1; exit 3' || return 1
  local status=0
  wait "$runner" || status=$?
  [ "$status" = 3 ] || { echo "exit status $status, not the program's 3" >&2; return 1; }
  # shellcheck disable=SC2086
  all_gone_within_10s $processes
}

check "SIGTERM to headless.sh stops the program, x11vnc, Openbox and Xvfb" stops_on TERM runner
check "Ctrl-C (SIGINT to the process group) stops them all" stops_on INT group
check "the program's end stops them all, with its exit status" ends_with_the_program
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]

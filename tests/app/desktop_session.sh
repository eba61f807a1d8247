#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program on a Wayland session, in a headless compositor of its own:
# with the session's X11 layer (MODE xwayland) it takes X11, without it (MODE
# wayland) Wayland. Either way its main menu shows, it polls the simulated meter,
# and SIGTERM ends it cleanly. Exit 77 (skipped) where the compositor is missing.
# Usage: desktop_session.sh PROGRAM MODE
set -uo pipefail
program=$1
mode=$2

if ! command -v weston >/dev/null; then
  echo "SKIP: weston is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
if [ "$mode" = xwayland ] && ! { command -v Xwayland && command -v xwininfo; } >/dev/null; then
  echo "SKIP: Xwayland or xwininfo is not installed (scripts/install-deps.sh installs them)"
  exit 77
fi

dir=$(mktemp -d)
compositor=
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program's output (last lines)"
  tail -n 40 "$dir/program.log"
  echo "--- compositor's log (last lines)"
  tail -n 20 "$dir/weston.log"
  exit 1
}
# Waits up to LIMIT seconds for a command to succeed: generous, as the machine may be busy.
wait_for() {
  local limit=$1
  shift
  for _ in $(seq "$limit"); do
    "$@" && return 0
    sleep 1
  done
  return 1
}

runtime=$dir/runtime
mkdir -p "$runtime" "$dir/home" "$dir/config" "$dir/data"
chmod 700 "$runtime"
xwayland=()
[ "$mode" = xwayland ] && xwayland=(--xwayland)
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-test \
  --no-config --idle-time=0 "${xwayland[@]}" --log="$dir/weston.log" >/dev/null 2>&1 &
compositor=$!
wait_for 60 test -S "$runtime/wayland-test" || fail "the compositor did not start"
display=
if [ "$mode" = xwayland ]; then
  wait_for 60 grep -q 'xserver listening on display' "$dir/weston.log" ||
    fail "the compositor offers no X11 layer"
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$dir/weston.log" | head -n1)
fi

expected=wayland
[ "$mode" = xwayland ] && expected=xcb
# Starts the program as a Wayland desktop would (no platform chosen by the user),
# in the test's own home, and waits for its platform and its main menu.
start() {
  : >"$dir/program.log"
  env -u QT_QPA_PLATFORM -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP -u QT_SCALE_FACTOR \
    HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" \
    XDG_RUNTIME_DIR="$runtime" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-test \
    DISPLAY="$display" WAYLAND_DEBUG=client \
    QT_LOGGING_RULES="brackwater.link.info=true;brackwater.search.info=true;qt.qpa.plugin.debug=true" \
    "$program" --demo 303 >"$dir/program.log" 2>&1 &
  pid=$!
  wait_for 120 grep -q "Successfully loaded Qt platform plugin \"$expected\"" "$dir/program.log" ||
    fail "the program did not start on $expected"
  wait_for 120 shown "Main Menu" || fail "the main menu did not show"
}
if [ "$mode" = xwayland ]; then
  shown() { xwininfo -display "$display" -root -tree 2>/dev/null | grep -qF "\"$1\""; }
else
  shown() { grep -qF "set_title(\"$1\")" "$dir/program.log"; }
fi
# SIGTERM ends the program through its shut-down, with exit code 0 and no failure
# of the window system on the way.
stop() {
  kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
  kill -TERM "$pid"
  wait_for 120 eval '! kill -0 "$pid" 2>/dev/null' || fail "SIGTERM did not end the program"
  wait "$pid"
  local status=$?
  pid=
  [ "$status" -eq 0 ] || fail "the program ended with exit code $status"
  if grep -E 'QPA|Could not (load|find) the Qt platform|failed to start|connection broke' \
    "$dir/program.log" | grep -qv 'qt.qpa.plugin: '; then
    fail "the window system reported a failure"
  fi
}

# The first start: the port search's window finds the simulated meter.
start
wait_for 120 shown "Link Test" || fail "the port search's window did not show"
wait_for 120 grep -q 'answered .*(a meter)' "$dir/program.log" ||
  fail "the port search did not find the simulated meter"
stop
# A later start polls the meter found last time at once, its place taken from the settings.
start
wait_for 120 grep -q 'link up: frames from' "$dir/program.log" ||
  fail "the simulated meter was not polled"
stop
echo "PASS: on $expected: windows shown, meter found and polled, ended by SIGTERM with exit code 0"

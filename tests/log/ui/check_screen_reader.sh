#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The recording log as a screen reader reads it: the real program with its simulated
# meter on a virtual X display, its windows on the desktop's accessibility bus; a
# client of that bus (read_log_table.py) opens the Tabular window as a user would
# and reads its table cell by cell while the program records, against the rows the
# program wrote to its journal. Skipped (exit 77) without Xvfb, D-Bus, the
# accessibility bus or Python's pyatspi (scripts/install-deps.sh installs them).
# Usage: check_screen_reader.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?build folder}")
here=$(dirname "$(realpath "$0")")

skip() {
  echo "skipped: $1 (scripts/install-deps.sh installs it)"
  exit 77
}
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "the accessibility bus (at-spi2-core) is missing"
command -v Xvfb >/dev/null || skip "Xvfb is missing"
command -v dbus-run-session >/dev/null || skip "dbus-run-session (dbus) is missing"
python=
for candidate in python3 /usr/bin/python3; do
  if command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
[ -n "$python" ] || skip "Python's pyatspi (python3-pyatspi) is missing"
[ -x "$build/brackwater" ] || { echo "$build/brackwater is missing: build it first" >&2; exit 1; }

# Everything runs on a session bus of its own, started here.
if [ -z "${BRACKWATER_OWN_BUS:-}" ]; then
  BRACKWATER_OWN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display: the server picks it and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 300); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)

home=$work/home
mkdir -p "$home/.config" "$home/data"
mkdir -m 700 "$work/runtime"
printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=100\nMinScale=0\nShowReso=0\nLastConnectedPort=0\nLastModel=303\n' \
  >"$home/.config/BRACKWATER.conf"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$work/runtime \
  LC_ALL=C.UTF-8 LANGUAGE=en QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$build/brackwater" --demo 303 >"$work/program.log" 2>&1 &
pids+=($!)

if ! "$python" "$here/read_log_table.py" "$home/data/Brackwater"; then
  echo "the program's output ends:" >&2
  tail -n 20 "$work/program.log" >&2
  exit 1
fi

# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the screenshot and CPU scripts: starts Xvfb on $display and stops it,
# and the program in $pid, when the script ends.
pid=
Xvfb $display -screen 0 ${screen_size:-1280x1024}x24 >/dev/null 2>&1 &
xvfb=$!
# The server is waited for, so that a next run can take the same display.
trap 'kill "$pid" "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
sleep 1
if ! kill -0 "$xvfb" 2>/dev/null; then
  echo "Xvfb could not start on display $display (is it taken?)" >&2
  exit 1
fi

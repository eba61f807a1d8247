#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the panel for each model, against the simulated meter, on a virtual
# X display. Usage: scripts/panel_screenshots.sh [BUILD_DIR] [OUT_DIR] [DISPLAY_NUMBER]
set -eu
build=${1:-build}
out=${2:-shots}
display=${3:-91}
Xvfb ":$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
DISPLAY=":$display" QT_QPA_PLATFORM=xcb BRACKWATER_SHOT_DIR="$out" \
    "$build/tests/tst_panel_window" faceFollowsTheMeter
ls "$out"/panel-30?.png

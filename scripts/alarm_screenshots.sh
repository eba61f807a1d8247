#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of an alarm in the real program against its simulated meter, on a
# virtual X display with a notification area (trayer): the main menu's status line
# and the tray's notification when the alarm rises, the live graph with its limit
# lines and the marked span, and the Alarms dialog. The stored rules put the
# simulated meter's main display (about 23.5 C) above its high limit at once.
# Needs: xvfb, xdotool, imagemagick (import), trayer.
# Usage: scripts/alarm_screenshots.sh [BUILD_DIR] [OUT_DIR] [DISPLAY_NUMBER]
set -euo pipefail
build=${1:-build}
out=${2:-shots}
display=:${3:-95}
mkdir -p "$out"
source "$(dirname "$0")/virtual_display.sh"
x() { DISPLAY=$display xdotool "$@"; }
shot() { DISPLAY=$display import -window root "$out/$1.png"; }
window() { x search --name "$1" | head -n1; }

DISPLAY=$display trayer --edge bottom --align right --widthtype pixel --width 120 \
  --heighttype pixel --height 28 --SetDockType true >/dev/null 2>&1 &
tray=$!
trap 'kill "$pid" "$tray" "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; rm -rf "${home:-}"' EXIT
sleep 1

home=$(mktemp -d)
mkdir -p "$home/.config"
printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=40\nMinScale=0\nShowReso=0\nLastConnectedPort=0\nLastModel=303\n[Alarms]\nMainHigh=20\nMainHysteresis=1\nSecondLow=45\nUnit=C\n' \
  > "$home/.config/BRACKWATER.conf"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home DISPLAY=$display \
  "$build/brackwater" --demo 303 >/dev/null 2>&1 &
pid=$!
sleep 6
ok=$(window '^Link Test$')
eval "$(x getwindowgeometry --shell "$ok")"
x mousemove $((X + 113)) $((Y + 245)) click 1
sleep 4
shot alarm-rises

# The arrange picture shows panel, graph and log.
main=$(window '^Main Menu$')
eval "$(x getwindowgeometry --shell "$main")"
x mousemove $((X + 420)) $((Y + 144)) click 1
sleep 20
shot alarm-live-graph
graph=$(window '^Real Time Graph$')
x windowfocus --sync "$graph" key alt+a
sleep 2
shot alarm-dialog
ls "$out"

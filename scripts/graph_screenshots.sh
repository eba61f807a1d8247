#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the graphs in the real program against its simulated meter, on a
# virtual X display: the live graph beside the panel and the log, the log graph of 10 minutes of readings, zoomed, with a
# two-point read-out, the Range and Title dialogs, and the log graph of a month of
# one-second rows (2.6 million).
# Usage: scripts/graph_screenshots.sh [BUILD_DIR] [OUT_DIR] [DISPLAY_NUMBER]
set -euo pipefail
build=${1:-build}
out=${2:-shots}
display=:${3:-93}
mkdir -p "$out"
source "$(dirname "$0")/virtual_display.sh"
x() { DISPLAY=$display xdotool "$@"; }
shot() { DISPLAY=$display import -window root "$out/$1.png"; }
window() { x search --name "$1" | head -n1; }

# Waits until the program uses less than a fifth of a core for two seconds running.
settle() {
  local hz t0 t1 quiet=0
  hz=$(getconf CLK_TCK)
  for _ in $(seq 300); do
    t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 1
    t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    if [ $((5 * (t1 - t0))) -lt "$hz" ]; then quiet=$((quiet + 1)); else quiet=0; fi
    [ $quiet -ge 2 ] && return
  done
}

# Starts the program with SECONDS of the simulated meter's past and draws the log graph.
start() {
  home=$(mktemp -d)
  mkdir -p "$home/.config"
  printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=100\nMinScale=0\nShowReso=0\nLastConnectedPort=0\nLastModel=303\n' \
    > "$home/.config/BRACKWATER.conf"
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home DISPLAY=$display \
    "$build/brackwater" --demo 303 --demo-history "$1" >/dev/null 2>&1 &
  pid=$!
  sleep 6
  local ok
  ok=$(window '^Link Test$')
  eval "$(x getwindowgeometry --shell "$ok")"
  x mousemove $((X + 113)) $((Y + 245)) click 1
  settle
  # The arrange picture shows panel, graph and log; Alt+O in the log is Output To Graph.
  local main log
  main=$(window '^Main Menu$')
  eval "$(x getwindowgeometry --shell "$main")"
  x mousemove $((X + 420)) $((Y + 144)) click 1
  sleep 2
  shot "live-graph-$1"
  log=$(window '^Tabular$')
  x windowfocus --sync "$log" key alt+o
  settle
  graph=$(window '^Graphing from  Tabular$')
  x windowmove --sync "$graph" 0 0 windowfocus --sync "$graph"
  sleep 1
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
  rm -rf "$home"
}

# Pixel positions in the graph window, from its design size of 602 x 420.
at() { x mousemove "$1" "$2"; }

start 600
shot log-graph-10-minutes
at 200 250
x mousedown 1
at 330 330
x mouseup 1
sleep 1
shot log-graph-zoomed
x windowfocus --sync "$graph" key alt+u
sleep 1
x keydown ctrl
at 150 280
x click 1
at 460 280
x click 1
x keyup ctrl
at 560 120
sleep 1
shot log-graph-two-points
x windowfocus --sync "$graph" key alt+r
sleep 1
shot range-dialog
x key Escape
sleep 1
x windowfocus --sync "$graph" key alt+t
sleep 1
shot title-dialog
x key Escape
stop

start 2600000
shot log-graph-month
at 300 200
x mousedown 1
at 320 330
x mouseup 1
sleep 1
shot log-graph-month-zoomed
stop
ls "$out"

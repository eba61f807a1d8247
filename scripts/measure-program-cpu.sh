#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU used by the whole program (built-in simulated meter included) while it records
# one row and one point a second with the panel, the log and the live graph visible,
# under Xvfb: once with an empty live graph, once with it full. For the full graph
# --demo-history 5000 puts 5,000 seconds of the simulated meter's past into the log
# and the live graph when recording starts (a one-off, before the measured span);
# the graph then holds 4,999 points and records live, dropping 100 every 100 s.
# With a baseline build (one that knows --demo-history) its two figures are measured
# in the same run, with the ratios. Screenshots: /tmp/brackwater-cpu-run-*.png.
# Usage: scripts/measure-program-cpu.sh [BUILD_DIR] [SECONDS] [BASELINE_BUILD_DIR]
set -euo pipefail
build=${1:-build}
seconds=${2:-60}
baseline=${3:-}
display=:97
source "$(dirname "$0")/virtual_display.sh"

# Prints the program's CPU as a percentage of one core over the measured span.
measure() {
  local binary=$1 history=$2 name=$3 home
  home=$(mktemp -d)
  mkdir -p "$home/.config"
  # Both rates at one second; LastModel missing, so the start runs the port search.
  printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=100\nMinScale=0\nShowReso=0\nLastConnectedPort=0\n' \
    > "$home/.config/BRACKWATER.conf"
  local extra=()
  [ "$history" -gt 0 ] && extra=(--demo-history "$history")
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home DISPLAY=$display \
    "$binary" --demo 301 "${extra[@]}" >/dev/null 2>&1 &
  pid=$!
  sleep 8
  # OK of the port search window (a click: a synthetic key press may autorepeat under Xvfb).
  local ok main
  ok=$(DISPLAY=$display xdotool search --name '^Link Test$' | head -n1)
  eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$ok")"
  DISPLAY=$display xdotool mousemove $((X + 113)) $((Y + 245)) click 1
  sleep 1
  # Filling the past takes a while (long in a build that redraws everything per point):
  # wait until the program uses less than a fifth of a core for two seconds running.
  local hz t0 t1 quiet=0
  hz=$(getconf CLK_TCK)
  for _ in $(seq 180); do
    t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 1
    t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    if [ $((5 * (t1 - t0))) -lt "$hz" ]; then quiet=$((quiet + 1)); else quiet=0; fi
    [ $quiet -ge 2 ] && break
  done
  # The arrange picture shows panel, graph and log together.
  main=$(DISPLAY=$display xdotool search --name '^Main Menu$' | head -n1)
  eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$main")"
  DISPLAY=$display xdotool mousemove $((X + 420)) $((Y + 144)) click 1
  sleep 10
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  DISPLAY=$display import -window root "/tmp/brackwater-cpu-run-$name.png" 2>/dev/null || true
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
  rm -rf "$home"
  echo "scale=3; 100 * ($t1 - $t0) / $hz / $seconds" | bc
}

empty=$(measure "$build/brackwater" 0 empty)
full=$(measure "$build/brackwater" 5000 full)
echo "program_cpu_percent_of_core: $empty"
echo "program_cpu_percent_of_core_graph_full: $full"
if [ -n "$baseline" ]; then
  base_empty=$(measure "$baseline/brackwater" 0 baseline-empty)
  base_full=$(measure "$baseline/brackwater" 5000 baseline-full)
  echo "baseline_program_cpu_percent_of_core: $base_empty"
  echo "baseline_program_cpu_percent_of_core_graph_full: $base_full"
  echo "empty_to_baseline_ratio: $(echo "scale=2; $empty / $base_empty" | bc)"
  echo "graph_full_to_baseline_ratio: $(echo "scale=2; $full / $base_full" | bc)"
fi

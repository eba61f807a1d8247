#!/usr/bin/env bash
# CPU used by the whole program (built-in simulated meter included) while it records
# one sample a second with the panel, the log and the live graph visible, under Xvfb.
# Usage: scripts/measure-program-cpu.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-60}
home=$(mktemp -d)
trap 'kill "$pid" "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
mkdir -p "$home/.config"
# Both rates at one second; LastModel missing, so the start runs the port search.
printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=100\nMinScale=0\nShowReso=0\nLastConnectedPort=0\n' \
  > "$home/.config/BRACKWATER.conf"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home DISPLAY=$display \
  "$build/brackwater" --demo 301 >/dev/null 2>&1 &
pid=$!
sleep 8
# OK of the port search window (a click: a synthetic key press may autorepeat under Xvfb).
ok=$(DISPLAY=$display xdotool search --name '^Link Test$' | head -n1)
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$ok")"
DISPLAY=$display xdotool mousemove $((X + 113)) $((Y + 245)) click 1
sleep 1
# The arrange picture shows panel, graph and log together.
main=$(DISPLAY=$display xdotool search --name '^Main Menu$' | head -n1)
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$main")"
DISPLAY=$display xdotool mousemove $((X + 420)) $((Y + 144)) click 1
sleep 10
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks)
sleep "$seconds"
t1=$(ticks)
echo "program_cpu_percent_of_core: $(echo "scale=3; 100 * ($t1 - $t0) / $hz / $seconds" | bc)"
DISPLAY=$display import -window root /tmp/brackwater-cpu-run.png 2>/dev/null || true

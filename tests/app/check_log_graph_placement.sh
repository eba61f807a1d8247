#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the log graph opens on a desktop with window frames: the real program with
# its simulated meter on a virtual X display under the openbox window manager, the
# main menu where it opens, the log opened from it and Output To Graph chosen, as a
# user would. The graph's frame must lie on the screen and cover neither the main
# menu's frame nor the log's. Skipped (exit 77) without Xvfb, openbox, xdotool or
# xwininfo and xprop (x11-utils).
# Usage: check_log_graph_placement.sh PROGRAM
set -euo pipefail
program=$(realpath "${1:?the program}")

skip() {
  echo "skipped: $1"
  exit 77
}
for tool in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $1" >&2
  echo "the program's output ends:" >&2
  tail -n 20 "$work/program.log" >&2
  exit 1
}

# A free display: the server picks it and writes its number.
width=1920 height=1080
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 300); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

home=$work/home
mkdir -p "$home/.config" "$home/data"
mkdir -m 700 "$work/runtime"
HOME=$home XDG_CONFIG_HOME=$home/.config openbox >/dev/null 2>&1 &
pids+=($!)
printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=100\nMinScale=0\nShowReso=0\nLastConnectedPort=0\nLastModel=303\n' \
  >"$home/.config/BRACKWATER.conf"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$work/runtime \
  LC_ALL=C.UTF-8 LANGUAGE=en QT_QPA_PLATFORM=xcb \
  "$program" --demo 303 --demo-history 120 >"$work/program.log" 2>&1 &
pids+=($!)

# Waits (up to two minutes, for a loaded machine) for a shown window of that title.
find_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\" appeared"
}
# The outer rectangle (frame included) as "left top width height".
frame() {
  local x y w h extents l r t b
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
# Waits until the window's frame stays put for a second: the manager has placed it.
settled_frame() {
  local last now
  last=$(frame "$1")
  for _ in $(seq 600); do
    sleep 1
    now=$(frame "$1")
    [ "$now" = "$last" ] && { echo "$now"; return; }
    last=$now
  done
  fail "window $1 kept moving"
}

# The port search's result: OK starts recording (it takes the key once the search ends).
link_test=$(find_window '^Link Test$')
for _ in $(seq 240); do
  [ -z "$(xdotool search --onlyvisible --name '^Link Test$' 2>/dev/null)" ] && break
  xdotool windowactivate --sync "$link_test" key Return 2>/dev/null || true
  sleep 0.5
done
main=$(find_window '^Main Menu$')
read -r mx my mw mh <<<"$(settled_frame "$main")"
# The Tabular picture in the main menu (its client area is of a fixed size).
cx=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
cy=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
xdotool mousemove $((cx + 492)) $((cy + 264)) click 1
log=$(find_window '^Tabular$')
read -r lx ly lw lh <<<"$(settled_frame "$log")"
xdotool windowactivate --sync "$log" key alt+o
graph=$(find_window '^Graphing from  Tabular$')
read -r gx gy gw gh <<<"$(settled_frame "$graph")"

echo "main menu $mx,$my ${mw}x$mh; log $lx,$ly ${lw}x$lh; log graph $gx,$gy ${gw}x$gh"
overlap() { # two rectangles as left top width height: the area they share
  local w=$(($(min $(($1 + $3)) $(($5 + $7))) - $(max "$1" "$5")))
  local h=$(($(min $(($2 + $4)) $(($6 + $8))) - $(max "$2" "$6")))
  ((w > 0 && h > 0)) && echo $((w * h)) || echo 0
}
min() { echo $(($1 < $2 ? $1 : $2)); }
max() { echo $(($1 > $2 ? $1 : $2)); }
menu_covered=$(overlap "$gx" "$gy" "$gw" "$gh" "$mx" "$my" "$mw" "$mh")
log_covered=$(overlap "$gx" "$gy" "$gw" "$gh" "$lx" "$ly" "$lw" "$lh")
((menu_covered == 0)) || fail "the log graph covers $menu_covered px² of the main menu"
((log_covered == 0)) || fail "the log graph covers $log_covered px² of the log"
((gx >= 0 && gy >= 0 && gx + gw <= width && gy + gh <= height)) || fail "the log graph is not on the screen"
echo "the log graph covers neither the main menu nor the log"

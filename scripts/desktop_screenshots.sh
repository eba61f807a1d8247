#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the program against its simulated meter on a virtual X display, at a
# screen scale and with a light or a dark desktop palette: the port search's result,
# the main menu beside panel, live graph and log (the status line in the link's
# colour), then, once an alarm has risen, the same with the Alarms dialog. The dark
# palette is the one a desktop hands every program through its colour scheme file.
# Needs: xvfb, xdotool, imagemagick (import).
# The program's language follows LANGUAGE (en, de, es).
# Usage: [LANGUAGE=de] scripts/desktop_screenshots.sh [BUILD_DIR] [OUT_DIR] [SCALE] [light|dark] [DISPLAY_NUMBER]
set -euo pipefail
build=${1:-build}
out=${2:-shots}
scale=${3:-1}
look=${4:-light}
display=:${5:-97}
mkdir -p "$out"
language=${LANGUAGE:-en}
name=$out/$language-scale$scale-$look
# The windows are found by their titles, which are translated.
case $language in
  de) main_title=Hauptmenü graph_title=Echtzeitdiagramm ;;
  es) main_title="Menú principal" graph_title="Gráfico en tiempo real" ;;
  *) main_title="Main Menu" graph_title="Real Time Graph" ;;
esac
# Design pixels in the screen's pixels.
px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'; }
screen_size=$(px 1280)x$(px 1024)
source "$(dirname "$0")/virtual_display.sh"
x() { DISPLAY=$display xdotool "$@"; }
shot() { DISPLAY=$display import -window root "$name-$1.png"; }
window() { x search --name "$1" | head -n1; }
# Clicks a point of a window's design.
click() {
  eval "$(x getwindowgeometry --shell "$1")"
  x mousemove $((X + $(px "$2"))) $((Y + $(px "$3"))) click 1
}

home=$(mktemp -d)
trap 'kill "$pid" "$xvfb" 2>/dev/null; wait "$pid" "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/.config"
# The simulated meter shows about 23.5 C: the alarm rises 25 seconds after the link.
printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=40\nMinScale=0\nShowReso=0\n[Alarms]\nMainHigh=20\nMainDelaySeconds=25\nUnit=C\n' \
  > "$home/.config/BRACKWATER.conf"
desktop=()
if [ "$look" = dark ]; then
  cat > "$home/.config/kdeglobals" <<'EOF'
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=35,38,41
BackgroundAlternate=49,54,59
ForegroundNormal=239,240,241
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
EOF
  desktop=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5)
fi
env "${desktop[@]}" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  XDG_RUNTIME_DIR="$home" LANGUAGE="$language" DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" \
  "$build/brackwater" --demo 303 >"$name.log" 2>&1 &
pid=$!
sleep 8
shot link-test
x key Return
sleep 3
main=$(window "^$main_title\$")
click "$main" 124 256 # the panel
click "$main" 240 68  # the live graph
click "$main" 492 264 # the log
x windowmove --sync "$main" "$(px 660)" "$(px 560)"
sleep 2
shot windows
sleep 30
graph=$(window "^$graph_title\$")
x windowfocus --sync "$graph" key alt+a
sleep 2
shot alarm
ls "$name"*

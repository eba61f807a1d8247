#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A month in the window, measured as a user would meet it, under Xvfb: a month of
# one-second rows (2.6 million, tab-separated) is opened through the Tabular
# window's File > Open, graphed with Output To Graph and exported with File >
# Export CSV..., and the program's memory is read once the month is open and
# graphed. The same run first measures the library on the same file (bench
# program month_bench: opening it, saving it again into a folder in memory) as
# the baselines. Prints "name: value" lines; the program's own log of what the
# grid shows and what the chart drew times the window's steps from the key press
# that starts them.
# Needs Xvfb and xdotool. Usage: scripts/measure-month.sh [BUILD_DIR] [ROWS]
set -euo pipefail
build=$(realpath "${1:-build}")
rows=${2:-2600000}
display=:96
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is needed (apt install xvfb xdotool)" >&2; exit 1; }
done
for program in "$build/brackwater" "$build/bench/month_bench"; do
  [ -x "$program" ] || { echo "$program is missing: build it first" >&2; exit 1; }
done
source "$(dirname "$0")/virtual_display.sh"

work=$(mktemp -d)
home=$work/home
mkdir -p "$home/.config"
mkdir -m 700 "$work/runtime"
cleanup_work() { rm -rf "$work"; }
trap 'kill "$pid" "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; cleanup_work' EXIT

x() { DISPLAY=$display xdotool "$@"; }
now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", b - a}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
# Waits up to a minute for a visible window with this exact name; prints its id.
window() {
  local id
  for _ in $(seq 600); do
    id=$(x search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window \"$1\" appeared" >&2
  exit 1
}
# Waits for a line of the program's log matching the pattern; prints its time in seconds.
logged() {
  local line
  for _ in $(seq 1200); do
    line=$(grep -m1 -E "$1" "$work/log" || true)
    if [ -n "$line" ]; then
      date -d "$(cut -c1-23 <<<"$line")" +%s.%N
      return
    fi
    sleep 0.05
  done
  echo "the program never logged \"$1\"; its log ends:" >&2
  tail -n 5 "$work/log" >&2
  exit 1
}
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
megabytes() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$pid/status"; }

# The file, and the library's figures on it.
month=$work/month.txt
"$build/bench/month_bench" --write "$month" --rows "$rows"
"$build/bench/month_bench" --library "$month" | tee "$work/library"
library() { awk -v name="$1:" '$1 == name {print $2}' "$work/library"; }

# The program without a meter: the port search finds none, OK closes it. Its
# locale's short dates are d/M/yy, so the dates read as written (d/M/yyyy).
printf '[General]\nGraphingRate=1\nListingRate=1\nMaxScale=120\nMinScale=0\nShowReso=0\nLastConnectedPort=0\n' \
  > "$home/.config/BRACKWATER.conf"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$work/runtime DISPLAY=$display \
  LC_ALL=en_AU.UTF-8 LANG=en_AU.UTF-8 \
  QT_LOGGING_RULES="brackwater.grid.debug=true;brackwater.graph.debug=true" \
  QT_MESSAGE_PATTERN="%{time yyyy-MM-dd HH:mm:ss.zzz} %{category} %{message}" \
  "$build/brackwater" >/dev/null 2>"$work/log" &
pid=$!
# OK answers only once the search has ended: pressed until the window goes.
link=$(window "Link Test")
for _ in $(seq 60); do
  x search --onlyvisible --name '^Link Test$' >/dev/null 2>&1 || break
  eval "$(x getwindowgeometry --shell "$link")"
  x mousemove $((X + 113)) $((Y + 245)) click 1
  sleep 1
done
# The Tabular picture of the main menu opens the log window.
main=$(window "Main Menu")
eval "$(x getwindowgeometry --shell "$main")"
x mousemove $((X + 492)) $((Y + 264)) click 1
tabular=$(window "Tabular")
sleep 1
# File > Open (the menu's second item), the file's path, Return.
file_menu() {
  eval "$(x getwindowgeometry --shell "$tabular")"
  x mousemove $((X + 15)) $((Y + 10)) click 1
  sleep 0.5
  x key --delay 80 $(for _ in $(seq "$1"); do echo Down; done) Return
}
file_menu 2
window "Open" >/dev/null
sleep 0.5
x type --delay 5 "$month"
sleep 0.5
cpu0=$(cpu)
t0=$(now)
x key Return
shown=$(logged "brackwater.grid shows rows [0-9]+ to [0-9]+ of $rows\$")
open=$(seconds "$t0" "$shown")
sleep 2
open_cpu=$(awk -v a="$cpu0" -v b="$(cpu)" -v hz="$hz" 'BEGIN {printf "%.3f", (b - a) / hz}')

# Output To Graph, in the menu bar after File and Run: the build and the chart's first drawing.
eval "$(x getwindowgeometry --shell "$tabular")"
x mousemove $((X + 131)) $((Y + 10))
sleep 0.5
cpu0=$(cpu)
t0=$(now)
x click 1
drawn=$(logged "brackwater.graph drew [0-9]+ series of $rows points")
graph=$(seconds "$t0" "$drawn")
sleep 2
graph_cpu=$(awk -v a="$cpu0" -v b="$(cpu)" -v hz="$hz" 'BEGIN {printf "%.3f", (b - a) / hz}')
rss=$(megabytes)
hwm=$(awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$pid/status")

# File > Export CSV... (the fifth item) into a file that appears when complete.
x windowraise "$tabular"
csv=$work/month.csv
file_menu 5
window "Export CSV" >/dev/null
sleep 0.5
x type --delay 5 "$csv"
sleep 0.5
t0=$(now)
x key Return
for _ in $(seq 12000); do
  [ -e "$csv" ] && break
  sleep 0.01
done
exported=$(now)
[ -e "$csv" ] || { echo "the export never appeared" >&2; exit 1; }
export_s=$(seconds "$t0" "$exported")
rss_export=$(megabytes)

echo "month_open_window_s: $open"
echo "month_open_window_cpu_s: $open_cpu"
echo "month_open_to_library_ratio: $(ratio "$open" "$(library open_2_6m_s)")"
echo "month_graph_window_s: $graph"
echo "month_graph_window_cpu_s: $graph_cpu"
echo "month_rss_mb: $rss"
echo "month_peak_rss_mb: $hwm"
echo "export_2_6m_s: $export_s"
echo "save_2_6m_nosync_s: $(library save_2_6m_nosync_s)"
echo "export_to_save_ratio: $(ratio "$export_s" "$(library save_2_6m_nosync_s)")"
echo "month_rss_after_export_mb: $rss_export"

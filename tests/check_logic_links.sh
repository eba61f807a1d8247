#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a program built on the logic library alone needs a window-system
# library: Qt Gui, Widgets, PrintSupport or Svg, or the chart library.
set -euo pipefail
[ $# -gt 0 ] || { echo "no programs given" >&2; exit 2; }
status=0
for program in "$@"; do
  needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  grep -q 'libQt6Core' <<<"$needed" || { echo "$program: no Qt Core? ($needed)" >&2; status=1; }
  if bad=$(grep -E 'libQt6(Gui|Widgets|PrintSupport|Svg|OpenGL)|qcustomplot' <<<"$needed"); then
    echo "$program needs the window system: $bad" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "$# logic programs checked: none needs the window system"
exit $status

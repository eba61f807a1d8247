#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the source files without the licence identifier line in their first five
# lines, with the line each one needs, and checks that LICENSE holds the licence's
# text; fails when anything is missing.
# Usage: check_spdx.sh SOURCE_DIR
set -euo pipefail
cd "$1"
licence=GPL-3.0-or-later
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files)
else
  files=$(find . -path './build*' -prune -o -type f -print | sed 's|^\./||')
fi

# The comment that carries the line in each kind of source file; nothing for data
# (pictures, fuzz seeds, the licence, the Debian copyright and changelog).
comment_for() {
  case $1 in
    *.cpp | *.h | *.h.in) echo '//' ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py | .ci/* | *.desktop.in | \
      *.service.in | packaging/*.conf | packaging/deb/*) echo '#' ;;
    *.1.in) echo '.\"' ;;
    *.xml.in | *.qrc | *.htm) echo '<!--' ;;
    *) echo '' ;;
  esac
}

missing=0
checked=0
while IFS= read -r file; do
  comment=$(comment_for "$file")
  [ -n "$comment" ] || continue
  checked=$((checked + 1))
  # Software centres merge AppStream metadata, so it has a permissive licence of its own.
  want=$licence
  [[ $file == *.metainfo.xml.in ]] && want=CC0-1.0
  if ! head -n 5 -- "$file" | grep -qE "SPDX-License-Identifier: $want( |$)"; then
    line="$comment SPDX-License-Identifier: $want"
    [ "$comment" = '<!--' ] && line="$line -->"
    echo "$file: $line"
    missing=$((missing + 1))
  fi
done <<<"$files"
echo "$checked source files checked, $missing without the licence line"

licence_ok=1
if [ -f /usr/share/common-licenses/GPL-3 ]; then
  cmp -s LICENSE /usr/share/common-licenses/GPL-3 || licence_ok=0
else
  head -n 2 LICENSE | tr -s ' ' | grep -qx ' Version 3, 29 June 2007' || licence_ok=0
fi
[ "$licence_ok" -eq 1 ] || echo "LICENSE is not the text of the GNU General Public License version 3"
[ "$missing" -eq 0 ] && [ "$licence_ok" -eq 1 ]

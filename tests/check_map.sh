#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a product header is not named in MAP.md, as `dir/name.h` or, for a
# header with its source file, `dir/name.*`.
# Usage: tests/check_map.sh SOURCE_DIR
set -euo pipefail
root=${1:?source folder}
map="$root/MAP.md"
[ -r "$map" ] || { echo "cannot read $map" >&2; exit 1; }
missing=0
checked=0
cd "$root"
for header in $(find base platform meter alarm link log graph publish recording app \
                  -name '*.h' 2>/dev/null | sort); do
  checked=$((checked + 1))
  stem=${header%.h}
  if ! grep -qF -e "\`$header\`" -e "\`$stem.*\`" "$map"; then
    echo "MAP.md does not name $header" >&2
    missing=$((missing + 1))
  fi
done
if [ "$checked" -eq 0 ]; then
  echo "no headers found under $root" >&2
  exit 1
fi
echo "$checked headers, $missing missing from MAP.md"
[ "$missing" -eq 0 ]

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a translation is not complete: a text of the sources missing from a
# translation file, an entry left unfinished, or one kept for a text no longer used;
# when a text a user reads is not marked for translation; and when a caption ends in
# the one-character ellipsis, where the captions that open a dialog end in "...".
# Usage: tests/check_translations.sh SOURCE_DIR
set -euo pipefail
root=${1:?source folder}
cd "$root"
status=0
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
cp translations/*.ts "$fresh/"
bash scripts/update-translations.sh "$fresh" >/dev/null 2>&1
for ts in translations/*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$fresh/$name"; then
    echo "$ts is not up to date with the sources (run scripts/update-translations.sh):" >&2
    diff "$ts" "$fresh/$name" | head -20 >&2 || true
    status=1
  fi
  unfinished=$(grep -c 'type="unfinished"' "$fresh/$name" || true)
  stale=$(grep -cE 'type="(obsolete|vanished)"' "$fresh/$name" || true)
  entries=$(grep -c '<message' "$fresh/$name" || true)
  echo "$name: $entries entries, $unfinished unfinished, $stale no longer used"
  if [ "$unfinished" -ne 0 ] || [ "$stale" -ne 0 ]; then
    grep -B3 -E 'type="(unfinished|obsolete|vanished)"' "$fresh/$name" | grep '<source>' |
      head -20 >&2 || true
    status=1
  fi
done
if grep -E '…</(source|translation|numerusform)>' translations/*.ts >&2; then
  echo 'texts above end in "…": captions that open a dialog end in "..."' >&2
  status=1
fi
python3 tests/check_translatable.py "$root" || status=1
exit $status

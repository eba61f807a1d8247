#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/*.ts up to date with the texts marked in the sources (Qt's lupdate):
# new texts come in unfinished, texts no longer used are dropped. The English file holds
# only the plural forms ("%n rows" as "1 row", "2 rows"). Translate the unfinished
# entries with Qt Linguist (`linguist translations/brackwater_de.ts`) or any editor.
# Usage: scripts/update-translations.sh [TS_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-translations}
folders=(base platform meter alarm link log graph publish recording app)
options=(-I . -locations none -no-obsolete -no-ui-lines -silent -extensions cpp,h)
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate)
for language in de es; do
  "$lupdate" "${options[@]}" "${folders[@]}" -target-language "$language" \
    -ts "$out/brackwater_$language.ts"
done
"$lupdate" "${options[@]}" -pluralonly "${folders[@]}" -target-language en \
  -ts "$out/brackwater_en.ts"

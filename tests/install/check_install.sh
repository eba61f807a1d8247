#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a user gets: the installed
# programs answer, the program finds its help page there (also after the prefix has
# been moved), and the desktop entry, metadata and manual pages pass their validators.
# Usage: check_install.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$(realpath "$1")
version=$2
app_id=$3
work=$(realpath "$(mktemp -d)")
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}
# The command-line answers must not need a display.
unset DISPLAY WAYLAND_DISPLAY

# A space in the prefix catches unquoted paths.
prefix="$work/first prefix"
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null

check_programs() {
  local p=$1 out help
  out=$("$p/bin/brackwater" --version) || fail "brackwater --version exited with $?"
  [ "$out" = "brackwater $version" ] || fail "brackwater --version printed '$out'"
  help=$("$p/bin/brackwater" --help) || fail "brackwater --help exited with $?"
  [[ $help == "Usage: brackwater"* ]] || fail "brackwater --help printed no usage: $help"
  out=$(tail -n 1 <<<"$help")
  [ "$out" = "Help page: $p/share/brackwater/BrackWater.htm" ] ||
    fail "installed in $p, the program names another help page: $out"
  out=$("$p/bin/meter-emulator" --help) || fail "meter-emulator --help exited with $?"
  [[ $out == *--model* ]] || fail "meter-emulator --help lists no --model: $out"
}
check_programs "$prefix"

# In the build folder the page beside the program is the one.
out=$("$build/brackwater" --help | tail -n 1)
[ "$out" = "Help page: $build/BrackWater.htm" ] || fail "in the build folder: $out"

share="$prefix/share"
desktop="$share/applications/$app_id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
[ -z "$out" ] || fail "desktop-file-validate: $out"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop" | sort -u)
[ "$exec_program" = brackwater ] && [ -x "$prefix/bin/$exec_program" ] ||
  fail "the desktop entry starts '$exec_program', which is not the installed program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ] ||
  fail "the desktop entry's icon '$icon' is not installed in the hicolor theme"

metainfo="$share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.txt" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.txt")"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"

for page in brackwater meter-emulator; do
  file="$share/man/man1/$page.1.gz"
  [ -s "$file" ] || fail "manual page $file missing"
  zcat "$file" | grep -q "^\.TH .*\"Brackwater $version\"" || fail "$page(1) is not for $version"
  zcat "$file" | groff -man -ww -Tutf8 -P-c -P-b -P-u >"$work/$page.txt" 2>"$work/groff.txt"
  [ ! -s "$work/groff.txt" ] || fail "groff on $page(1): $(cat "$work/groff.txt")"
done
for option in --port --demo --record --every --help --version; do
  grep -qE -- "^ +$option( |$)" "$work/brackwater.txt" || fail "brackwater(1) does not describe $option"
done

# Nothing in the installation may depend on where it was installed.
mv "$prefix" "$work/moved"
check_programs "$work/moved"

# The help line reports a missing page rather than a path that is not there.
rm "$work/moved/share/brackwater/BrackWater.htm"
out=$("$work/moved/bin/brackwater" --help | tail -n 1)
[[ $out == "Help page: missing"* ]] || fail "with the page removed: $out"

exit $failed

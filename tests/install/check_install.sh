#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary prefix and checks what a user gets: the installed
# programs answer, the program finds its help page there (also after the prefix has
# been moved), the desktop entry, metadata, manual pages and the recorder's service
# pass their validators, and the service's command records a meter. Then makes the
# Debian package from the build and checks it: its contents, lintian (no error or
# warning), and that removing it leaves only its configuration, purging nothing.
# Usage: check_install.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$(realpath "$1")
version=$2
app_id=$3
work=$(realpath "$(mktemp -d)")
background=()
trap 'kill "${background[@]}" 2>/dev/null; rm -rf "$work"' EXIT
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

# The recorder's service, installed for this prefix. systemd-analyze checks its keys,
# that its program is there and that its manual page exists.
unit="$prefix/lib/systemd/system/brackwater-record@.service"
[ -s "$unit" ] || fail "the recorder's service is not installed"
[ -s "$prefix/etc/brackwater/record.conf" ] || fail "the service's options file is not installed"
if command -v systemd-analyze >/dev/null; then
  # The manual page is looked up with man, where it is installed.
  man_check=--man=yes
  command -v man >/dev/null || man_check=--man=no
  # It warns about unknown keys and still succeeds: any output is a failure.
  if ! (cd "$work" && MANPATH="$share/man" systemd-analyze verify "$man_check" "$unit") \
    >"$work/verify.txt" 2>&1 || [ -s "$work/verify.txt" ]; then
    fail "systemd-analyze verify: $(cat "$work/verify.txt")"
  fi
else
  echo "SKIP: systemd-analyze is not installed; the service's unit was not verified"
fi

# The service's command, as systemd would expand it for an emulated meter's device,
# must find the meter and record rows into the state folder, and end cleanly on
# systemd's SIGTERM.
check_service_records() {
  local emulator_out="$work/emulator.txt" device instance state conf line options pid status
  "$prefix/bin/meter-emulator" --model 301 >"$emulator_out" 2>"$work/emulator-errors.txt" &
  background+=($!)
  for _ in $(seq 50); do
    [ -s "$emulator_out" ] && break
    sleep 0.1
  done
  device=$(head -n 1 "$emulator_out")
  [[ $device == /dev/* ]] ||
    { fail "the meter emulator gave no device: $(cat "$work/emulator-errors.txt")"; return; }
  instance=${device#/dev/}
  state="$work/state"
  mkdir -p "$state/brackwater" "$work/home"
  conf="$prefix/etc/brackwater/record-${instance//\//-}.conf"
  echo "BRACKWATER_OPTIONS=--every 1" >"$conf"
  line=$(sed -n 's/^ExecStart=//p' "$unit")
  line=${line//%S/$state}
  line=${line//%i/${instance//\//-}}
  line=${line//%I/$instance}
  options=$(sed -n 's/^BRACKWATER_OPTIONS=//p' "$prefix/etc/brackwater/record.conf" "$conf" | tail -n 1)
  local -a command
  eval "command=(${line//\$BRACKWATER_OPTIONS/$options})"
  HOME="$work/home" "${command[@]}" </dev/null 2>"$work/service.txt" &
  pid=$!
  background+=("$pid")
  local rows="$state/brackwater/${instance//\//-}.tsv"
  for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || break
    [ -f "$rows" ] && [ "$(wc -l <"$rows")" -ge 2 ] && break
    sleep 0.1
  done
  status=0
  if kill -TERM "$pid" 2>/dev/null; then
    wait "$pid" || status=$?
    [ $status -eq 0 ] || fail "the service's recorder ended with $status on SIGTERM"
  else
    wait "$pid" || status=$?
    fail "the service's recorder ended by itself with $status"
  fi
  [ -f "$rows" ] && [ "$(wc -l <"$rows")" -ge 2 ] ||
    fail "the service's command recorded no rows into $rows: $(cat "$work/service.txt")"
  grep -q "meter found: model 301" "$work/service.txt" ||
    fail "the service's recorder did not find the meter: $(cat "$work/service.txt")"
  rm -f "$conf"
}
check_service_records

# Nothing in the installation may depend on where it was installed.
mv "$prefix" "$work/moved"
check_programs "$work/moved"

# The help line reports a missing page rather than a path that is not there.
rm "$work/moved/share/brackwater/BrackWater.htm"
out=$("$work/moved/bin/brackwater" --help | tail -n 1)
[[ $out == "Help page: missing"* ]] || fail "with the page removed: $out"

# The Debian package, made from this build as scripts/package.sh makes it.
(cd "$build" && "${CPACK:-cpack}" -G DEB -B "$work/package") >"$work/cpack.txt" 2>&1 ||
  { fail "cpack: $(cat "$work/cpack.txt")"; exit 1; }
deb=$(ls "$work"/package/brackwater_*.deb)
deb_version=$(dpkg-deb -f "$deb" Version)
[[ $deb_version == "$version-"* ]] || fail "the package's version $deb_version is not $version"
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/contents.txt"
for path in /usr/bin/brackwater /usr/bin/meter-emulator /usr/share/brackwater/BrackWater.htm \
  /usr/lib/systemd/system/brackwater-record@.service /etc/brackwater/record.conf \
  /usr/share/doc/brackwater/copyright /usr/share/doc/brackwater/changelog.Debian.gz \
  /usr/share/lintian/overrides/brackwater; do
  grep -qxF "$path" "$work/contents.txt" || fail "the package has no $path"
done
outside=$(grep -vE '^/(usr|etc)(/|$)' "$work/contents.txt" | grep -vx '/' || true)
[ -z "$outside" ] || fail "the package installs outside /usr and /etc: $outside"
if grep -q '^/usr/local' "$work/contents.txt"; then fail "the package installs into /usr/local"; fi

dpkg-deb -R "$deb" "$work/unpacked"
unpacked="$work/unpacked"
for file in $(cd "$unpacked" && find etc -type f); do
  grep -qxF "/$file" "$unpacked/DEBIAN/conffiles" || fail "/$file is not marked as a conffile"
done
head -n 1 "$unpacked/usr/share/doc/brackwater/copyright" |
  grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
zcat "$unpacked/usr/share/doc/brackwater/changelog.Debian.gz" >"$work/changelog"
out=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$out" = "$deb_version" ] || fail "the changelog's last entry is $out, the package $deb_version"
packaged_unit="$unpacked/usr/lib/systemd/system/brackwater-record@.service"
grep -q '^ExecStart=/usr/bin/brackwater --record ' "$packaged_unit" ||
  fail "the packaged service does not run /usr/bin/brackwater: $(grep ExecStart "$packaged_unit")"
grep -qxF 'EnvironmentFile=-/etc/brackwater/record.conf' "$packaged_unit" ||
  fail "the packaged service does not read /etc/brackwater/record.conf"

# The package checker: no error and no warning (overrides, with their reasons, are
# in the package). It takes the package as any user would get it.
if command -v lintian >/dev/null; then
  lintian --fail-on none "$deb" >"$work/lintian.txt" 2>&1
  if grep -E '^[EW]: ' "$work/lintian.txt" >"$work/lintian-bad.txt"; then
    fail "lintian: $(cat "$work/lintian-bad.txt")"
  fi
else
  fail "lintian is not installed (bash scripts/install-deps.sh installs it)"
fi

# Installed into an empty scratch root, removed, purged: a removal leaves only the
# configuration (with the link that enabled a service), a purge nothing at all. The
# maintainer scripts see DPKG_ROOT and leave the running system's services alone.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(fakeroot)
scratch_dpkg() {
  "${as_root[@]}" dpkg --root="$root" --log=/dev/null --force-script-chrootless \
    --force-depends --force-not-root "$@" >>"$work/dpkg.txt" 2>&1
}
scratch_dpkg --install "$deb" || fail "dpkg --install: $(cat "$work/dpkg.txt")"
[ -x "$root/usr/bin/brackwater" ] || fail "the scratch installation has no program"
# As "systemctl enable brackwater-record@ttyUSB0" links it.
wants="$root/etc/systemd/system/dev-ttyUSB0.device.wants"
mkdir -p "$wants"
ln -s /usr/lib/systemd/system/brackwater-record@.service "$wants/brackwater-record@ttyUSB0.service"
scratch_dpkg --remove brackwater || fail "dpkg --remove: $(cat "$work/dpkg.txt")"
left=$(cd "$root" && find . -path ./var/lib/dpkg -prune -o ! -type d -print | sort)
[ "$left" = "$(printf '%s\n' ./etc/brackwater/record.conf \
  ./etc/systemd/system/dev-ttyUSB0.device.wants/brackwater-record@ttyUSB0.service)" ] ||
  fail "after removal these are left: $left"
scratch_dpkg --purge brackwater || fail "dpkg --purge: $(cat "$work/dpkg.txt")"
left=$(cd "$root" && find . -path ./var/lib/dpkg -prune -o ! -type d -print | sort)
[ -z "$left" ] || fail "after purging these are left: $left"

exit $failed

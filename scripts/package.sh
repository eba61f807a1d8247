#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build-rel/brackwater_<version>_<architecture>.deb: an
# optimised build with Debian's hardening flags, installed under /usr.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Every hardening feature, bind-now included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBRACKWATER_TESTS=OFF -DBRACKWATER_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-rel
rm -f build-rel/brackwater_*.deb
(cd build-rel && cpack -G DEB)
ls build-rel/brackwater_*.deb

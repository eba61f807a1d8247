#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Brackwater. With no arguments it runs
# the built-in simulated meter; any arguments go to the program instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRACKWATER_TESTS=OFF -DBRACKWATER_BENCH=OFF
cmake --build build
if [ $# -eq 0 ]; then set -- --demo; fi
exec ./build/brackwater "$@"

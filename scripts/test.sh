#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# (warnings are errors), and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRACKWATER_SANITIZE=ON -DBRACKWATER_BENCH=OFF \
  -DBRACKWATER_WERROR=ON
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Two at a time: most tests wait on a meter's real seconds rather than compute, and
# each keeps its files, ports, displays and settings to itself.
ctest --test-dir build-asan --output-on-failure --timeout 300 -j2

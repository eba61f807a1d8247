#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds optimised and runs every benchmark under bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRACKWATER_TESTS=OFF
cmake --build build-bench
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for b in build-bench/bench/*_bench; do
  echo "== $(basename "$b")"
  "$b"
done

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for a bounded time (seconds per
# target, default 20), from its seeds in fuzz/seeds/<target> (the frame decoder's
# are in fuzz/corpus).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBRACKWATER_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  seeds=fuzz/seeds/$name
  [ -d "$seeds" ] || seeds=fuzz/corpus
  mkdir -p "$work/$name"
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$work/$name" "$seeds"
done

#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest. Windows open offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
# The benchmarks are built, not run: they follow every change of the code.
cmake --build build --target benchmarks -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 "$@"

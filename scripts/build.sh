#!/usr/bin/env bash
# Configures and builds QUDO into build/ (two jobs: the machines have two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2

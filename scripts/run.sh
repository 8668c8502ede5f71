#!/usr/bin/env bash
# Sets up, builds and starts QUDO from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/qudo

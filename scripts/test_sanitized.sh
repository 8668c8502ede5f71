#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, in build-sanitize/, the build the fuzz targets use too) and runs
# them through CTest. A fault a test meets stops it with its report.
#
#     bash scripts/test_sanitized.sh [ctest options, e.g. -LE long]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh sanitizers
cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUDO_FUZZ=ON >/dev/null
cmake --build build-sanitize -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-sanitize --output-on-failure -j2 "$@"

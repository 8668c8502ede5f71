#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, the CMake preset "sanitize" in build-sanitize/, the build the fuzz
# targets use too) and runs them through CTest. A fault a test meets stops
# it with its report.
#
#     bash scripts/test_sanitized.sh [ctest options, e.g. -LE long]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh sanitizers
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize "$@"

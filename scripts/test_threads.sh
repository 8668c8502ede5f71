#!/usr/bin/env bash
# Builds the tests of the work shared between two threads (the money sort,
# the estimates of the whole space, the singles sorts) with ThreadSanitizer
# (clang, -DQUDO_TSAN=ON, in build-tsan/) and runs them; a data race stops
# the test with its report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh sanitizers
cmake -S . -B build-tsan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUDO_TSAN=ON >/dev/null
tests=(test_support_quicksort test_evaluation_tmoney test_singles_singlesort)
cmake --build build-tsan -j2 --target "${tests[@]}"
for test in "${tests[@]}"; do
    QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 suppressions=scripts/tsan-qt.supp" "build-tsan/bin/$test"
done

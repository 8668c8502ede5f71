#!/usr/bin/env bash
# Builds the tests of the work shared between two threads (the money sort,
# the estimates of the whole space, the singles sorts, the job runner that
# runs long work beside the window) with ThreadSanitizer
# (clang, -DQUDO_TSAN=ON, in build-tsan/) and runs them; a data race stops
# the test with its report.
#
# First it runs a race planted in our own code, built only here, and stops
# unless ThreadSanitizer reports it: the suppressions kept for the Qt
# libraries must never hide a race of ours.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh sanitizers
cmake -S . -B build-tsan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUDO_TSAN=ON >/dev/null
tests=(test_support_quicksort test_evaluation_prizeestimator test_singles_singlesort test_app_jobrunner)
cmake --build build-tsan -j2 --target tsan_planted_race "${tests[@]}"

export QT_QPA_PLATFORM=offscreen
export TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/scripts/tsan-qt.supp"
# A whole-space sort runs many times slower under ThreadSanitizer than in a
# plain build: the test library's limit of 5 minutes a function is lifted to 30.
export QTEST_FUNCTION_TIMEOUT=1800000

planted=$(build-tsan/bin/tsan_planted_race 2>&1) && planted_status=0 || planted_status=$?
if [ "$planted_status" -eq 0 ] || ! grep -q 'WARNING: ThreadSanitizer: data race' <<<"$planted" \
        || ! grep -q 'raceOnUnguardedCounter' <<<"$planted"; then
    echo "$planted"
    echo "test_threads.sh: ThreadSanitizer did not report the race planted in tsan_planted_race;" >&2
    echo "the suppressions in scripts/tsan-qt.supp hide races of our own code." >&2
    exit 1
fi
echo "tsan_planted_race: the planted race was reported, as it must be"

for test in "${tests[@]}"; do
    "build-tsan/bin/$test"
done

#!/usr/bin/env bash
# Builds the fuzz targets of the readers (clang's libFuzzer with ASan and
# UBSan) in build-sanitize/ and runs each for the given number of seconds, on
# its seeds (the fixtures of tests/data it reads, and those made from them in
# fuzz/corpus/<target>/) and on what earlier runs found.
#
#     bash scripts/fuzz.sh [seconds per target (default 60)] [target ...]
#
# Inputs that reach new code are kept in fuzz/found/<target>/ and seed the
# next run. An input that crashes a target or fails one of its checks is kept
# in fuzz/crashes/<target>/, its log in build-sanitize/fuzz-logs/<target>.log, and
# the script fails once every target has run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")

# The fixtures each target starts from, besides fuzz/corpus/<target>/.
seed_folders() {
    case "$1" in
        inifile) echo tests/data/settings tests/data/teamnames ;;
        xml*) echo tests/data/rounddata tests/data/official/expected ;;
        htmllines) echo tests/data/official ;;
        versiondat) echo tests/data/official/quorvel ;;
    esac
}

bash scripts/setup.sh sanitizers
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target fuzzers
if [ ${#targets[@]} -eq 0 ]; then
    for program in build-sanitize/bin/fuzz_*; do
        target=$(basename "$program")
        target=${target#fuzz_}
        [ "$target" = make_seeds ] || targets+=("$target")
    done
fi

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
# The targets write a file or two per input: in memory they run many times faster.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-sanitize/fuzz-logs
failed=()
for target in "${targets[@]}"; do
    mkdir -p "fuzz/found/$target" "fuzz/crashes/$target"
    seeds=()
    [ -d "fuzz/corpus/$target" ] && seeds+=("fuzz/corpus/$target")
    for folder in $(seed_folders "$target"); do
        seeds+=("$folder")
    done
    log="build-sanitize/fuzz-logs/$target.log"
    # One input that takes a minute is a hang; less may be a busy machine.
    if build-sanitize/bin/"fuzz_$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="fuzz/crashes/$target/" \
        "fuzz/found/$target" "${seeds[@]}" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: ${runs:-?} inputs in ${seconds} s, no fault"
    else
        echo "fuzz_$target: FAULT, see $log and fuzz/crashes/$target/"
        grep -m1 -E 'ERROR|check failed|runtime error' "$log" || true
        failed+=("$target")
    fi
done
[ ${#failed[@]} -eq 0 ] || { echo "faults in: ${failed[*]}"; exit 1; }

#!/usr/bin/env bash
# Builds the file tests (saves, killed saves, refused and failing writes) with
# the portable save path that Windows and macOS builds use
# (-DQUDO_PORTABLE_SAVE=ON, in build-portable/) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
tests=(
    test_support_files
    test_support_inifile
    test_singles_singlescsvfile
    test_acquisition_bigsettings
    test_acquisition_teamnameupdate
    test_robustness_savessurvivekill
)
cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUDO_PORTABLE_SAVE=ON >/dev/null
cmake --build build-portable -j2 --target "${tests[@]}"
pattern=$(IFS='|'; echo "${tests[*]}")
ctest --test-dir build-portable --output-on-failure -j2 -R "^(${pattern})\$"

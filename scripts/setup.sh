#!/usr/bin/env bash
# Installs the Debian 12 packages QUDO needs to build, run and test, without
# questions. Runs apt-get as root, or through sudo.
#
#     bash scripts/setup.sh              the program and its tests
#     bash scripts/setup.sh sanitizers   also clang with libFuzzer and the
#                                        sanitizer run-times (fuzz targets,
#                                        sanitized test run)
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-qpa-plugins qt6-translations-l10n
    fonts-ipafont-gothic
    python3 ca-certificates
)
if [ "${1:-}" = sanitizers ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo -n)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

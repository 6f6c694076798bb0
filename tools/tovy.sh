#!/usr/bin/env bash
# Installs what is missing, builds, then starts the calendar (run) or runs
# the whole test suite (test). Fast when everything is already in place.
set -euo pipefail
cd "$(dirname "$0")/.."

mode="${1:-}"
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
          libgl1-mesa-dev fonts-ipafont-gothic)
if [ "$mode" = test ]; then
    packages+=(xvfb xauth xdotool x11-utils x11-apps faketime)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq "${missing[@]}"
fi

if [ "$mode" = run ]; then
    # A first run builds the program alone, not the tests.
    [ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build --target tovy
    exec build/bin/tovy
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVY_BUILD_BENCH=ON
cmake --build build
cd build
ctest --output-on-failure -j"$(nproc)"

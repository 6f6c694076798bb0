#!/usr/bin/env bash
# Draws the button pictures, the logo and the icon into resources/.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S tools/artwork -B build-artwork -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-artwork
QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts build-artwork/tovy-artwork resources

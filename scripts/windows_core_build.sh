#!/usr/bin/env bash
# The calculation core and its unit tests as Windows programs: cross-compiled with MinGW-w64 and
# run by ctest under Wine (cmake/mingw-w64.cmake), in build-windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DRESHALKIN_GUI=OFF \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows -j "$(nproc)"
ctest --test-dir build-windows --output-on-failure -j "$(nproc)"

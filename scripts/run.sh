#!/usr/bin/env bash
# Installs what the program needs, builds it without the tests, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh scripts/packages.txt
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-run -j "$(nproc)" --target reshalkin
exec build-run/reshalkin

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the main build under ctest (with the
# installation, the Debian and RPM packages, Wayland and the random user among them), the GUI
# tests again with AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets of the
# calculation core and the solution's text in a clang build with the sanitizers, the whole
# program for Windows: its tests under Wine, the smoke test and the installer (the first run
# builds Qt for Windows, about 20 minutes); and the self-contained Linux program in clean Debian
# 11 and 13 chroots (the first run makes the chroots and builds its static Qt, about an hour).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"

scripts/sanitized_gui_build.sh

# The calculation core and the solution's text alone, with no Qt: proves they need none, and
# fuzzes both.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRESHALKIN_GUI=OFF -DRESHALKIN_FUZZ=ON
cmake --build build-fuzz -j "$(nproc)"
ctest --test-dir build-fuzz --output-on-failure -j "$(nproc)"

scripts/windows_build.sh

scripts/linux_test.sh

#!/usr/bin/env bash
# The GUI tests (those labelled gui) again, in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer: only what they run (the target gui_tests), at -O1 so it stays quick.
set -euo pipefail
cd "$(dirname "$0")/.."
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g $sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build build-asan -j "$(nproc)" --target gui_tests

# LeakSanitizer is left out: its tracer itself fails on these programs' threads at exit.
# Memory that grows while the program runs is the random user's to find.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -L gui

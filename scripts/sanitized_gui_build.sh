#!/usr/bin/env bash
# The GUI tests again, in a build with AddressSanitizer and UndefinedBehaviorSanitizer: only
# the GUI test programs, the program and the libraries they need, at -O1 so it stays quick.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(screens_tests app_tests high_density_tests random_user_tests wayland_tests reshalkin control_place)
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g $sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build build-asan -j "$(nproc)" --target "${targets[@]}"

# LeakSanitizer is left out: its tracer itself fails on these programs' threads at exit.
# Memory that grows while the program runs is the random user's to find.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The calculation core's own tests and the packaging checks belong to the other builds.
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" \
    -E '_NOT_BUILT$|^pictures_drawn_again$|^calc_locale$|^make_russian_locale$|^installation_validates$|_package_holds_the_files$'

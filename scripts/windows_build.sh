#!/usr/bin/env bash
# The whole program for Windows, in build-windows/: builds (once per machine) and reuses a static
# Qt for Windows (windows_qt.sh), cross-compiles the program and its tests with MinGW-w64, checks
# the program file (windows_program_check.sh), runs the tests under Wine (the GUI ones on a test
# display; Wine's set-up is in testing/wine/), the smoke test and the installer test
# (app/tests/windows_smoke_test.sh), and leaves the program file and the installer in
# build-windows/ (named in build-windows/identity.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows
started=$SECONDS

fail() {
    echo "windows_build.sh: $*" >&2
    exit 1
}
need() {
    command -v "$1" >/dev/null || fail "$1 is missing; run: apt-get install $2"
}
[[ -x /usr/lib/wine/wine64 ]] || fail "Wine is missing; run: apt-get install wine64"
need x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix
need x86_64-w64-mingw32-objdump binutils-mingw-w64-x86-64
need makensis nsis
need wrestool icoutils
need xdotool xdotool
need xclip xclip
need Xvfb xvfb

qt=$(bash scripts/windows_qt.sh | tail -n1)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DRESHALKIN_GUI=ON -DRESHALKIN_WINDOWS_QT="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
cmake --build "$build" --target installer bare_window >/dev/null
# shellcheck source=../cmake/identity.sh.in
source "$build/identity.sh"
program="$build/$program_file"
installer="$build/$installer_file"

bash scripts/windows_program_check.sh "$program"

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
read -r under_wine gui < <(ctest --test-dir "$build" --show-only=json-v1 | python3 scripts/ctest_tally.py)

timeout 600 bash app/tests/windows_smoke_test.sh "$build" "$build/wine-prefix-smoke"

echo "Under Wine: $under_wine tests ($gui of the program's GUI, $((under_wine - gui)) of the" \
    "calculation core), the smoke test and the installer test"
echo "Windows build: $program ($(du -h "$program" | cut -f1)), $installer" \
    "($(du -h "$installer" | cut -f1)), in $((SECONDS - started)) s"

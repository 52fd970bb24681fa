#!/usr/bin/env bash
# The whole program for Windows, in build-windows/: builds (once per machine) and reuses a static
# Qt for Windows (windows_qt.sh), cross-compiles the program and its tests with MinGW-w64, checks
# the program file, runs the tests under Wine (the GUI ones on a test display), the smoke test
# and the installer test (windows_smoke_test.sh), and leaves the program file and the installer
# in build-windows/ (named in build-windows/identity.sh).
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

# The program file, read back with tools that did not write it: Windows's own DLLs only, the
# GUI subsystem, the icon and the version record as resources.
headers=$(x86_64-w64-mingw32-objdump -p "$program")
imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | sort -u)
others=$(sed -E 's/\.dll$//I' <<<"$imports" |
    grep -vixEf <(grep -v '^#' scripts/windows_system_dlls.txt) || true)
[[ -z "$others" ]] || fail "the program file imports DLLs that are not Windows's own: $others"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "the program file is not a GUI program"
grep -q 'Magic.*20b' <<<"$headers" || fail "the program file is not 64-bit"
# Printing goes through Qt's Windows printer support, a plug-in that Qt's print module builds in
# and imports itself: its class name is in the file where it is linked.
grep -qa QWindowsPrinterSupportPlugin "$program" || fail "the program file cannot print on Windows"
resources=$(wrestool --list "$program")
grep -q -- '--type=14 --name=1 ' <<<"$resources" || fail "the program file carries no icon group"
# The icon's images (resources 1, 2, ... of type 3), in order, are those of assets/icon.ico after
# its header (which counts the images in its bytes 4 and 5) and its directory.
icon=assets/icon.ico ico_header_bytes=6 ico_directory_entry_bytes=16
icon_images=$(od -An -tu2 -j4 -N2 "$icon" | tr -d ' ')
first_image_byte=$((ico_header_bytes + ico_directory_entry_bytes * icon_images + 1))
for image in $(seq "$icon_images"); do wrestool -x --raw --type=3 --name="$image" "$program"; done |
    cmp -s - <(tail -c "+$first_image_byte" "$icon") || fail "the program file's icon is not $icon"
wrestool -x --raw --type=16 "$program" | iconv -c -f UTF-16LE -t UTF-8 | tr -d '\0' |
    grep -a 'OriginalFilename' | grep -qF "$program_file" ||
    fail "no version record naming $program_file"
echo "program file: $(stat -c %s "$program") bytes, imports $(tr '\n' ' ' <<<"$imports")"

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
read -r under_wine gui < <(ctest --test-dir "$build" --show-only=json-v1 | python3 scripts/ctest_tally.py)

timeout 600 bash scripts/windows_smoke_test.sh "$build" "$build/wine-prefix-smoke"

echo "Under Wine: $under_wine tests ($gui of the program's GUI, $((under_wine - gui)) of the" \
    "calculation core), the smoke test and the installer test"
echo "Windows build: $program ($(du -h "$program" | cut -f1)), $installer" \
    "($(du -h "$installer" | cut -f1)), in $((SECONDS - started)) s"

#!/usr/bin/env bash
# The whole program for Windows, in build-windows/: builds (once per machine) and reuses a static
# Qt for Windows (windows_qt.sh), cross-compiles the program and its tests with MinGW-w64, checks
# the program file, runs the tests under Wine (the GUI ones on a test display), the smoke test
# and the installer test (windows_smoke_test.sh), and leaves Решалкин.exe and
# Reshalkin-<version>-setup.exe in build-windows/.
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
program="$build/Решалкин.exe"
installer=$(ls "$build"/Reshalkin-*-setup.exe)

# The program file, read back with tools that did not write it: Windows's own DLLs only, the
# GUI subsystem, the icon and the version record as resources.
headers=$(x86_64-w64-mingw32-objdump -p "$program")
imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | sort -u)
system_dlls='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|imm32|winmm|ws2_32|uxtheme|dwmapi|shcore|shlwapi|version|netapi32|userenv|setupapi|wtsapi32|msvcrt|mpr|authz|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|uuid|comctl32|cfgmgr32|api-ms-win-[a-z0-9-]+)\.dll$'
others=$(grep -viE "$system_dlls" <<<"$imports" || true)
[[ -z "$others" ]] || fail "the program file imports DLLs that are not Windows's own: $others"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "the program file is not a GUI program"
grep -q 'Magic.*20b' <<<"$headers" || fail "the program file is not 64-bit"
resources=$(wrestool --list "$program")
grep -q -- '--type=14 --name=1 ' <<<"$resources" || fail "the program file carries no icon group"
# The icon's eight images, in order, are those of assets/icon.ico after its header and directory.
for image in 1 2 3 4 5 6 7 8; do wrestool -x --raw --type=3 --name=$image "$program"; done |
    cmp -s - <(tail -c +135 assets/icon.ico) || fail "the program file's icon is not assets/icon.ico"
wrestool -x --raw --type=16 "$program" | iconv -c -f UTF-16LE -t UTF-8 | tr -d '\0' |
    grep -aq 'OriginalFilename.*Решалкин\.exe' || fail "no version record naming Решалкин.exe"
echo "program file: $(stat -c %s "$program") bytes, imports $(tr '\n' ' ' <<<"$imports")"

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
total=$(ctest --test-dir "$build" -N | sed -n 's/^Total Tests: //p')
# Every test but the display's start and stop runs under Wine; those on the display are the
# program's GUI tests.
gui=$(ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys
tests = json.load(sys.stdin)["tests"]
print(sum(1 for t in tests for p in t.get("properties", [])
          if p["name"] == "FIXTURES_REQUIRED" and "test_display" in p["value"]))')

timeout 600 bash scripts/windows_smoke_test.sh "$program" "$installer" "$build/wine-prefix-smoke"

echo "Under Wine: $((total - 2)) tests ($gui of the program's GUI, $((total - 2 - gui)) of the" \
    "calculation core), the smoke test and the installer test"
echo "Windows build: $program ($(du -h "$program" | cut -f1)), $installer" \
    "($(du -h "$installer" | cut -f1)), in $((SECONDS - started)) s"

#!/usr/bin/env bash
# Qt for Windows, built here once per machine: a static, release Qt (only what the program uses)
# cross-compiled with MinGW-w64 (posix threads) from Debian's own qt6-base source package, the
# same version as the installed qt6-base-dev, whose host tools (moc, rcc, uic) the build reuses.
#
# The result lives in a cache folder outside the checkout, keyed by the Qt version, the compiler
# and the configure options, and is reused whenever it is there. It is built in a temporary
# folder and moved into place only once installed, so a half-built Qt is never taken for a
# finished one. The last line printed is the Qt folder.
#
#   bash scripts/windows_qt.sh            # RESHALKIN_QT_CACHE overrides /var/cache/reshalkin
set -euo pipefail
cd "$(dirname "$0")/.."
toolchain="$PWD/cmake/mingw-w64.cmake"

fail() {
    echo "windows_qt.sh: $*" >&2
    exit 1
}

debian_version=$(dpkg-query -W -f '${Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed; run: bash scripts/install-deps.sh"
qt_version=${debian_version%%+*}
compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null ||
    fail "$compiler is missing; run: apt-get install g++-mingw-w64-x86-64-posix"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
# shellcheck source=qt_source.sh
source scripts/qt_source.sh

# Only what the program and its tests use (print support included: the solution goes on paper
# and into PDF). Debian's source lacks the tablet header, so tablet events are off; the image formats, zlib, fonts and regular expressions come bundled, so that
# the program needs no DLL beside Windows's own.
options=(
    -release -static -static-runtime
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-feature-vulkan
    -no-feature-network -no-feature-sql -no-feature-tabletevent
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
    -qt-host-path /usr
)
key=$(printf '%s\n' "$debian_version" "$("$compiler" --version | head -n1)" "${options[@]}" |
    sha256sum | cut -c1-12)
cache=${RESHALKIN_QT_CACHE:-/var/cache/reshalkin}
prefix="$cache/qt-$qt_version-mingw-$key"

qt_build_begin "$prefix" "$cache/qt-build.lock"
cd "$work"
echo "windows_qt.sh: building Qt $qt_version for Windows (about 20 minutes; log: $log)" >&2
source_dir=$(qt_source_fetch "$debian_version" "$log")

mkdir build
cd build
"$source_dir/configure" -prefix "$prefix" "${options[@]}" -- \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" >>"$log" 2>&1 ||
    fail "Qt's configure failed; see $log"
# A line now and then, so that a long build is seen to go on.
cmake --build . --parallel "$(nproc)" 2>&1 | tee -a "$log" |
    awk '/^\[[0-9]+\/[0-9]+\]/ && ++n % 100 == 0 { print "windows_qt.sh: " $1 > "/dev/stderr" }' ||
    fail "the Qt build failed; see $log"
DESTDIR="$work/stage" cmake --install . >>"$log" 2>&1 || fail "Qt's install failed; see $log"
mv "$work/stage$prefix" "$prefix.tmp"
mv "$prefix.tmp" "$prefix"
echo "windows_qt.sh: Qt $qt_version for Windows is in $prefix ($(du -sh "$prefix" | cut -f1))" >&2
echo "$prefix"

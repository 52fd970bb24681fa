#!/usr/bin/env bash
# Qt for the self-contained Linux program, built here once per machine: a static, release Qt of
# only what the program uses, from Debian's own qt6-base source package (the same version as the
# installed qt6-base-dev, as for Windows), compiled in a Debian 11 chroot (linux_chroot.sh) so
# that the program runs on older C libraries than this machine's.
#
# The result lives in the cache folder, keyed by the Qt version, the chroot, the configure options
# and the C-library header, and is reused whenever it is there; it is built in a temporary folder
# and moved into place only once installed. The last line printed is the Qt folder, the same
# path in the chroot as here.
#
#   bash scripts/linux_qt.sh            # RESHALKIN_QT_CACHE overrides /var/cache/reshalkin
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
# shellcheck source=linux_lib.sh
source scripts/linux_lib.sh
# shellcheck source=qt_source.sh
source scripts/qt_source.sh
fail() { linux_fail "$@"; }

debian_version=$(dpkg-query -W -f '${Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed; run: bash scripts/install-deps.sh"
qt_version=${debian_version%%+*}
chroot=$(bash scripts/linux_chroot.sh bullseye build | tail -n1)
glibc_header=cmake/glibc_2_28.h

# Core, Gui, Widgets and PrintSupport (the solution goes into PDF; without CUPS, which would
# make the program need libcups), the xcb platform on the system's X client libraries with its
# X input extension bundled, fontconfig and FreeType from the system, everything else bundled.
# D-Bus is loaded when the program starts, not linked: with it the screen readers' AT-SPI bridge
# works wherever the desktop has libdbus (every desktop that runs a screen reader), and without
# it the program still starts. No OpenGL, ICU, GLib, session management (libSM) or GTK theme.
options=(
    -release -static -gc-binaries
    -nomake examples -nomake tests
    -no-opengl -no-feature-vulkan -no-icu -no-glib -no-zstd -no-libudev -dbus-runtime
    -xcb -no-feature-xcb-xlib -no-feature-xcb-sm -bundled-xcb-xinput -no-feature-gtk3
    -fontconfig -system-freetype -qt-zlib -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-pcre
    -no-feature-network -no-feature-sql -no-feature-testlib -no-feature-concurrent
    -no-feature-xml -no-feature-cups
    -no-feature-linuxfb -no-feature-vnc -no-feature-eglfs -no-feature-kms -no-feature-evdev
    -no-feature-libinput -no-feature-tslib -no-feature-mtdev
)
key=$(printf '%s\n' "$debian_version" "$chroot" "${options[@]}" "$(cat "$glibc_header")" |
    sha256sum | cut -c1-12)
cache=$(linux_cache)
prefix="$cache/qt-$qt_version-linux-$key"

qt_build_begin "$prefix" "$cache/qt-linux-build.lock"
cd "$work"
echo "linux_qt.sh: building Qt $qt_version for the self-contained Linux program" \
    "(about an hour on two cores; log: $log)" >&2
source_dir=$(qt_source_fetch "$debian_version" "$log")
cp "$repo/$glibc_header" "$work/glibc.h"

# The cache folder is seen at the same path in the chroot, so the installed Qt's paths hold in
# both; ccache keeps its own folder there for Debian 11's compiler.
mkdir -p "$cache/ccache-linux"
# shellcheck disable=SC2034 # read by linux_in_chroot
linux_binds=("$cache:$cache")
# shellcheck disable=SC2016 # expanded in the chroot
linux_in_chroot "$chroot" env CCACHE_DIR="$cache/ccache-linux" bash -c '
    set -e
    work=$1 prefix=$2 source_dir=$3
    shift 3
    mkdir -p "$work/build"
    cd "$work/build"
    "$source_dir/configure" -prefix "$prefix" "$@" -- \
        -DCMAKE_C_FLAGS="-include $work/glibc.h" -DCMAKE_CXX_FLAGS="-include $work/glibc.h" \
        -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    nice -n 5 cmake --build . --parallel 2
    DESTDIR="$work/stage" cmake --install .' linux_qt "$work" "$prefix" "$source_dir" \
    "${options[@]}" >>"$log" 2>&1 || fail "the Qt build failed; see $log"
mv "$work/stage$prefix" "$prefix.tmp"
mv "$prefix.tmp" "$prefix"
echo "linux_qt.sh: Qt $qt_version for Linux is in $prefix ($(du -sh "$prefix" | cut -f1))" >&2
echo "$prefix"

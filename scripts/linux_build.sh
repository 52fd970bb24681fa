#!/usr/bin/env bash
# The self-contained Linux program, in build-linux/: builds (once per machine) and reuses a static
# Qt (linux_qt.sh) and a Debian 11 chroot (linux_chroot.sh), builds the program there against
# that Qt, and packs build-linux/reshalkin-<version>-linux-x86_64.tar.gz: the program, its desktop
# entry, AppStream file and icons (as CMake installs them), the licence, a short Russian README
# and install.sh. The last line printed is the tarball.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=linux_lib.sh
source scripts/linux_lib.sh
build="build-linux"
started=$SECONDS

qt=$(bash scripts/linux_qt.sh | tail -n1)
chroot=$(bash scripts/linux_chroot.sh bullseye build | tail -n1)
linux_host_tools "$chroot" cpp-12 gcc-12 g++-12 libgcc-12-dev libstdc++-12-dev
# The exception unwinder linked in is Debian 11's (GCC 10): GCC 12's finds the exception tables
# with _dl_find_object, which C libraries have only from 2.35 on. Its interface is the same.
gcc_lib=/usr/lib/gcc/x86_64-linux-gnu
ln -sfn ../10/libgcc_eh.a "$chroot$gcc_lib/12/libgcc_eh.a"
cache=$(linux_cache)
translations=/usr/share/qt6/translations
[[ -f $translations/qtbase_ru.qm ]] ||
    linux_fail "Qt's Russian texts are missing; run: apt-get install qt6-translations-l10n"

# The checkout, the cache and Qt's translations are seen at the same paths in the chroot.
mkdir -p "$cache/ccache-linux"
rm -rf "$build/root"
# shellcheck disable=SC2034 # read by linux_in_chroot
linux_binds=("$PWD:$PWD" "$cache:$cache" "$translations:$translations")
# shellcheck disable=SC2016 # expanded in the chroot
linux_in_chroot "$chroot" env CCACHE_DIR="$cache/ccache-linux" bash -c '
    set -e
    cd "$1"
    cmake -S . -B "$2" -G Ninja -C cmake/linux-static.cmake -DCMAKE_PREFIX_PATH="$3" \
        -DRESHALKIN_QT_TRANSLATIONS="$4" >/dev/null
    nice -n 5 cmake --build "$2" --parallel 2 --target reshalkin >/dev/null
    DESTDIR="$PWD/$2/root" cmake --install "$2" --prefix /usr >/dev/null' \
    linux_build "$PWD" "$build" "$qt" "$translations" || linux_fail "the build failed"

# shellcheck source=../cmake/identity.sh.in
source "$build/identity.sh"
name=reshalkin-$version-linux-x86_64
stage=$build/tarball/$name
rm -rf "$build/tarball"
mkdir -p "$stage/share"
cp "$build/root/usr/bin/reshalkin" "$stage/"
cp -r "$build/root/usr/share/applications" "$build/root/usr/share/metainfo" \
    "$build/root/usr/share/icons" "$stage/share/"
cp LICENSE dist/linux/README.txt dist/linux/install.sh "$stage/"
tarball=$build/$name.tar.gz
tar -C "$build/tarball" --owner=0 --group=0 -czf "$tarball" "$name"
echo "Linux build: $build/root/usr/bin/reshalkin ($(du -h "$stage/reshalkin" | cut -f1))," \
    "$tarball ($(du -h "$tarball" | cut -f1)), in $((SECONDS - started)) s" >&2
echo "$tarball"

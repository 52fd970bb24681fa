#!/usr/bin/env bash
# A Debian chroot made once per machine and reused: the self-contained Linux program is built in
# Debian 11 (the oldest C library this archive still has) and tried in clean Debian 11 and 13.
#
#   bash scripts/linux_chroot.sh SUITE ROLE    # ROLE: build, or run (a pupil's computer)
#
# The bare system of a suite (debootstrap's minbase) is made once; each role's chroot is a copy
# of it with the role's packages, kept under a hash of the suite and that list, so changing the
# list makes a new one. Both are made in a temporary folder and moved into place when complete.
# The archive is the machine's own Debian archive, read from APT's sources. The last line
# printed is the chroot's folder. RESHALKIN_QT_CACHE overrides /var/cache/reshalkin.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=linux_lib.sh
source scripts/linux_lib.sh

suite=${1:?suite}
role=${2:?role}
case $role in
build)
    # The compiler, Qt's build tools, the xcb platform's and the fonts' headers, Boost's
    # header-only arithmetic for the program, AT-SPI's constants for the screen-reader bridge. CMake comes from this machine
    # (linux_host_tools in linux_lib.sh).
    packages=(g++ make ninja-build perl pkg-config ccache file libboost-dev
        libx11-dev libx11-xcb-dev libxcb1-dev libxcb-icccm4-dev libxcb-image0-dev
        libxcb-keysyms1-dev libxcb-randr0-dev libxcb-render0-dev libxcb-render-util0-dev
        libxcb-shape0-dev libxcb-shm0-dev libxcb-sync-dev libxcb-xfixes0-dev
        libxcb-xinerama0-dev libxcb-xinput-dev libxcb-xkb-dev libxcb-util-dev
        libxkbcommon-dev libxkbcommon-x11-dev libfontconfig1-dev libfreetype6-dev libatspi2.0-dev)
    ;;
run)
    # Nothing but the X client libraries and fontconfig with one font (the base system has
    # what the installer's test uses: ldd, runuser, useradd).
    packages=(libx11-6 libx11-xcb1 libxcb1 libxcb-icccm4 libxcb-image0 libxcb-keysyms1
        libxcb-randr0 libxcb-render0 libxcb-render-util0 libxcb-shape0 libxcb-shm0 libxcb-sync1
        libxcb-xfixes0 libxcb-xinerama0 libxcb-xkb1 libxkbcommon0
        libxkbcommon-x11-0 libfontconfig1 libfreetype6 fonts-dejavu-core)
    ;;
*) linux_fail "unknown role $role (build or run)" ;;
esac

cache=$(linux_cache)
archive=$(linux_archive)
tools=""
[[ $role != build ]] || tools=$(cmake --version | head -n1)
key=$(printf '%s\n' "$suite" "${packages[@]}" "$tools" | sha256sum | cut -c1-12)
root="$cache/chroot-$suite-$role-$key"
base="$cache/chroot-$suite-base"
exec 9>"$cache/chroot-$suite.lock"
flock 9 # two runs at once make the chroot once
if [[ -f "$root/.complete" ]]; then
    echo "$root"
    exit 0
fi
command -v debootstrap >/dev/null || linux_fail "debootstrap is missing; run: apt-get install debootstrap"

log="$cache/chroot-$suite-$role.log"
: >"$log"
if [[ ! -f "$base/.complete" ]]; then
    echo "linux_chroot.sh: making a bare Debian $suite (a few minutes; log: $log)" >&2
    rm -rf "$base.tmp"
    debootstrap --variant=minbase "$suite" "$base.tmp" "$archive" >>"$log" 2>&1 ||
        linux_fail "debootstrap of $suite failed (no access to Debian's archive?); see $log"
    touch "$base.tmp/.complete"
    mv "$base.tmp" "$base"
fi

echo "linux_chroot.sh: making the $role chroot of Debian $suite (log: $log)" >&2
rm -rf "$root.tmp"
cp -a "$base" "$root.tmp"
rm "$root.tmp/.complete"
# Packages only, no documentation or manual pages: the chroots stay small.
printf '%s\n' 'path-exclude /usr/share/doc/*' 'path-include /usr/share/doc/*/copyright' \
    'path-exclude /usr/share/man/*' 'path-exclude /usr/share/locale/*' \
    >"$root.tmp/etc/dpkg/dpkg.cfg.d/no-docs"
linux_in_chroot "$root.tmp" sh -c "apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ${packages[*]} &&
    apt-get clean" >>"$log" 2>&1 ||
    linux_fail "installing the $role packages into Debian $suite failed; see $log"
[[ $role != build ]] || linux_host_tools "$root.tmp" cmake cmake-data
touch "$root.tmp/.complete"
mv "$root.tmp" "$root"
echo "$root"

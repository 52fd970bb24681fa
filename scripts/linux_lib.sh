# Shared by the scripts of the self-contained Linux program (sourced, not run).
# shellcheck shell=bash

linux_fail() {
    echo "$(basename "$0"): $*" >&2
    exit 1
}

# The per-machine cache of chroots, Qt and the program's build tools.
linux_cache() {
    local cache=${RESHALKIN_QT_CACHE:-/var/cache/reshalkin}
    mkdir -p "$cache"
    echo "$cache"
}

# The machine's own Debian archive: the first URI of APT's sources that serves a plain suite
# (not security updates), in deb822 form (debian.sources) or one-line form (sources.list).
linux_archive() {
    local uri
    uri=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
        awk '/^URIs:/ { u = $2 } /^Suites:/ && u != "" && $0 !~ /-security/ { print u; exit }')
    [[ -n "$uri" ]] || uri=$(grep -shE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list |
        grep -v -- '-security' | sed -E 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?//' |
        awk '{ print $1; exit }')
    [[ -n "$uri" ]] || linux_fail "no Debian archive in APT's sources to make a chroot from"
    echo "$uri"
}

# Runs a command in a chroot, in a mount namespace of its own, so that /proc, /dev, the X
# sockets and the folders named in linux_binds (host:guest, made in the chroot if missing) are
# seen there and vanish with the command, whatever way it ends.
linux_binds=()
linux_in_chroot() {
    local root=$1
    shift
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
    # shellcheck disable=SC2016 # expanded in the new namespace
    unshare --mount --propagation private bash -c '
        set -e
        root=$1 binds=$2
        shift 2
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        if [[ -d /tmp/.X11-unix ]]; then
            mkdir -p "$root/tmp/.X11-unix"
            mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
        fi
        for bind in $binds; do
            mkdir -p "$root/${bind#*:}"
            mount --bind "${bind%%:*}" "$root/${bind#*:}"
        done
        exec chroot "$root" "$@"' linux_in_chroot "$root" "${linux_binds[*]}" "$@"
}

# Newer build tools than Debian 11 has, taken from this machine's own packages: Qt's static
# build and the program need CMake 3.21 or later (Debian 11 has 3.18, and its backports are no
# longer in the archive), and the program needs GCC 11 or later's C++ library, whose
# floating-point to_chars and from_chars GCC 10 lacks. Each package's files go to the same paths
# in the chroot; the libraries its programs run on (this machine's C library among them) go to
# /opt/host-tools/lib, where those programs' loader and library path are pointed. So they run
# there as they do here, while what they build is linked against Debian 11's C library.
# A stamp per package version makes this once per chroot.
linux_host_tools() {
    local root=$1 lib=/opt/host-tools/lib package version file loader
    shift
    mkdir -p "$root$lib"
    for package in "$@"; do
        version=$(dpkg-query -W -f '${Version}' "$package" 2>/dev/null) ||
            linux_fail "$package is not installed here; run: apt-get install $package"
        [[ $(cat "$root/opt/host-tools/$package.stamp" 2>/dev/null) != "$version" ]] || continue
        command -v patchelf >/dev/null || linux_fail "patchelf is missing; run: apt-get install patchelf"
        dpkg -L "$package" | grep -vE '^/usr/share/(doc|man|lintian|bash-completion)/' |
            while read -r file; do
                [[ -f "$file" && ! -L "$file" ]] || continue
                mkdir -p "$root$(dirname "$file")"
                cp -p --remove-destination "$file" "$root$file"
                # A program (not a shared library) that runs on this machine's libraries.
                loader=$(patchelf --print-interpreter "$file" 2>/dev/null) || continue
                ldd "$file" | awk '$2 == "=>" && $3 ~ /^\// { print $3 }' |
                    while read -r library; do cp -L "$library" "$root$lib/"; done
                cp -L "$loader" "$root$lib/"
                patchelf --set-interpreter "$lib/$(basename "$loader")" --force-rpath \
                    --set-rpath "$lib" "$root$file"
            done
        dpkg -L "$package" | while read -r file; do
            [[ -L "$file" && ! -e "$root$file" ]] || continue
            mkdir -p "$root$(dirname "$file")"
            cp -P "$file" "$root$file"
        done
        echo "$version" >"$root/opt/host-tools/$package.stamp"
    done
}

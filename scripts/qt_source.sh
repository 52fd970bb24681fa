# What the builds of Qt for Windows and for the self-contained Linux program share: the cache's
# lock and Debian's qt6-base source package (sourced; the sourcing script defines fail).
# shellcheck shell=bash

# apt-get source needs a deb-src entry, which a machine set up only to install packages lacks.
# Where there is none, this derives them from the machine's own Debian entries (the same archive,
# suites and components) into a file of its own, leaving APT's other lists as they were. It reads
# both forms: debian.sources (deb822, where only the type changes) and a one-line sources.list
# ("deb [options] URI SUITE COMPONENT...", whose options a source entry does not need).
add_deb_src_entries() {
    local list=/etc/apt/sources.list.d/reshalkin-deb-src.sources
    grep -rqsE '^[[:space:]]*deb-src[[:space:]]|^Types:.*deb-src' \
        /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
    [[ -w /etc/apt/sources.list.d ]] ||
        fail "no deb-src entry in APT's sources; add one (as root) for Debian's archive"
    {
        if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
            sed -E 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources
        fi
        if [[ -f /etc/apt/sources.list ]]; then
            grep -E '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list |
                sed -E 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?//' |
                awk '{print "Types: deb-src"; print "URIs: " $1; print "Suites: " $2;
                      c = ""; for (i = 3; i <= NF; i++) c = c " " $i; print "Components:" c; print ""}'
        fi
    } >"$list"
    grep -q '^URIs:' "$list" || {
        rm -f "$list"
        fail "no Debian entry in APT's sources to derive a deb-src entry from; add one by hand"
    }
    echo "$(basename "$0"): added $list (source packages of this machine's Debian archive)" >&2
}

# Unpacks qt6-base of the given Debian version into the current folder and prints its folder.
qt_source_fetch() {
    local version=$1 log=$2 dir
    add_deb_src_entries
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $version"; then
        apt-get update -qq >>"$log" 2>&1 ||
            fail "apt-get update failed (no network access to Debian's archive?); see $log"
    fi
    apt-get source "qt6-base=$version" >>"$log" 2>&1 ||
        fail "cannot fetch the source package qt6-base $version (no network access to Debian's archive?); see $log"
    dir=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    [[ -n "$dir" ]] || fail "the qt6-base source package did not unpack"
    echo "$PWD/${dir#./}"
}

# Begins a Qt build into the cache folder $1 under the lock file $2 (two runs at once build Qt
# once): where that Qt is installed already, prints its folder and ends the script; otherwise
# sets log (emptied) and work, a temporary folder beside it, removed on exit.
qt_build_begin() {
    local prefix=$1
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$2"
    flock 9
    if [[ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
        echo "$prefix"
        exit 0
    fi
    log=$prefix.log
    : >"$log"
    work=$(mktemp -d "$(dirname "$prefix")/build-$(basename "$prefix").XXXXXX")
    trap 'rm -rf "$work"' EXIT
}

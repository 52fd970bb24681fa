#!/usr/bin/env bash
# Checks what `cmake --install` puts into a fresh prefix (install) or what CPack's Debian
# package (package) or RPM package (rpm) holds: the program, the desktop entry, the metainfo and
# every icon size, each accepted by the desktop's own validators.
#
#   check_installation.sh install|package|rpm BUILD_DIR WORK_DIR
set -euo pipefail
mode=$1 build=$2 work=$3
id=${RESHALKIN_APP_ID:?} product=${RESHALKIN_PRODUCT:?} sizes=${RESHALKIN_ICON_SIZES:?}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

expected_files() {
    echo "bin/reshalkin"
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    for size in $sizes; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
    echo "share/doc/reshalkin/copyright"
}

# A PNG states its width and height as big-endian words at bytes 16 and 20.
png_size() {
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
    echo "${w}x${h}"
}

check_tree() {
    local root=$1
    while read -r file; do
        [ -f "$root/$file" ] || fail "missing $file"
    done < <(expected_files)
    for size in $sizes; do
        local icon="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ -f "$icon" ] && [ "$(png_size "$icon")" != "${size}x${size}" ] &&
            fail "icon $icon is $(png_size "$icon"), not ${size}x${size}"
    done
    local entry="$root/share/applications/$id.desktop"
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    grep -qx "Name=$product" "$entry" || fail "desktop entry lacks Name=$product"
    grep -qx 'Categories=Education;Math;' "$entry" || fail "desktop entry lacks its categories"
    grep -q '^Comment=.*треугольника' "$entry" || fail "desktop entry lacks a Russian comment"
    grep -qx "Icon=$id" "$entry" || fail "desktop entry names another icon"
    grep -qx 'Exec=reshalkin --scale fit' "$entry" || fail "desktop entry lacks the projector's action"
    local metainfo="$root/share/metainfo/$id.metainfo.xml"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
    grep -q '<summary>Школьные' "$metainfo" || fail "metainfo lacks a Russian summary"
    grep -q '<screenshot' "$metainfo" || fail "metainfo names no screenshot"
    grep -q '<project_license>GPL-3.0-or-later<' "$metainfo" || fail "metainfo names no licence"
    grep -q 'GPL-3.0-or-later' "$root/share/doc/reshalkin/copyright" || fail "no licence installed"
    [ -x "$root/bin/reshalkin" ] || fail "the program is not executable"
}

rm -rf "$work"
mkdir -p "$work"
case $mode in
    install)
        cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
        check_tree "$work/prefix"
        ;;
    package)
        (cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >cpack.log) ||
            { cat "$work/cpack.log" >&2; exit 1; }
        deb=$(ls "$work"/*.deb)
        dpkg-deb -x "$deb" "$work/root"
        listing=$(dpkg-deb -c "$deb")
        while read -r file; do
            grep -q " \./usr/$file\$" <<<"$listing" || fail "package lacks /usr/$file"
        done < <(expected_files)
        check_tree "$work/root/usr"
        depends=$(dpkg-deb -f "$deb" Depends)
        echo "Depends: $depends"
        for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 \
            qt6-translations-l10n; do
            grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library"
        done
        grep -q qt6-wayland <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks qt6-wayland"
        ;;
    rpm)
        (cd "$work" && cpack --config "$build/CPackConfig.cmake" -G RPM -B "$work" >cpack.log) ||
            { cat "$work/cpack.log" >&2; exit 1; }
        rpm=$(ls "$work"/*.rpm)
        # Exactly the installed files: the folders they go into belong to other packages, but
        # for the package's own licence folder.
        diff <( (expected_files && echo share/doc/reshalkin) | sed 's|^|/usr/|' | sort) \
            <(rpm -qlp "$rpm" | sort) ||
            fail "the package holds other files than the installation"
        mkdir "$work/root"
        (cd "$work/root" && rpm2cpio "$rpm" | cpio -idm --quiet)
        check_tree "$work/root/usr"
        [ "$(rpm -qp --qf '%{LICENSE}' "$rpm")" = GPL-3.0-or-later ] || fail "RPM names no licence"
        requires=$(rpm -qp --requires "$rpm")
        echo "Requires: $(tr "\n" " " <<<"$requires")"
        for library in libc.so.6 libstdc++.so.6 libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Core.so.6 \
            libQt6PrintSupport.so.6 hicolor-icon-theme qt6-qttranslations; do
            grep -q "^$library" <<<"$requires" || fail "Requires lacks $library"
        done
        # Signing is the distribution's business; anything else rpmlint calls an error is ours.
        rpmlint "$rpm" >"$work/rpmlint.log" 2>&1 || true
        cat "$work/rpmlint.log"
        grep ': E: ' "$work/rpmlint.log" | grep -v ': E: no-signature' && fail "rpmlint finds errors"
        ;;
    *) echo "usage: $0 install|package|rpm BUILD_DIR WORK_DIR" >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ] && echo "all files present and valid"
exit $((failures > 0))

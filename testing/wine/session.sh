# Sourced by the scripts that drive Windows programs under Wine on a display of their own: the
# GUI tests' display (Xvfb with openbox) and a Wine server of the session's own for WINEPREFIX,
# whose prefix is made on first use (cmake/wine-prefix.sh).
# wine_session_end, which the caller traps on exit, ends every process the session started.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
wine_session_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine_session_dir=$(mktemp -d)
wine_server=''
# shellcheck source=../cmake/wine-prefix.sh
source "$wine_session_root/cmake/wine-prefix.sh"

wine_session_start() {
    "$wine_session_root/testing/test_display.sh" start "$wine_session_dir/display" >/dev/null
    DISPLAY=$(cat "$wine_session_dir/display/display")
    export DISPLAY
    mkdir -p "$WINEPREFIX"
    "$wineserver" --foreground --persistent &
    wine_server=$!
    wine_prefix_make "$wine" || return 1
    wine_session_own_folders
}

# Wine links the Windows user's desktop and documents to the home folder; a prefix of the tests
# keeps what its programs put there (shortcuts made by the installer) to itself.
wine_session_own_folders() {
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        [[ -L "$link" ]] && rm "$link" && mkdir "$link"
    done
    return 0
}

# The server ends the Windows processes of the prefix (Wine's own services among them).
wine_session_end() {
    if [[ -n "$wine_server" ]]; then
        "$wineserver" -k 2>/dev/null || true
        kill "$wine_server" 2>/dev/null || true
        wait "$wine_server" 2>/dev/null || true
    fi
    "$wine_session_root/testing/test_display.sh" stop "$wine_session_dir/display"
    rm -rf "$wine_session_dir"
}

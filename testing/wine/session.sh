# Sourced by the scripts that drive Windows programs under Wine on a display of their own: the
# GUI tests' display (Xvfb with openbox) and a Wine server of the session's own for WINEPREFIX,
# whose prefix is made on first use (prefix.sh).
# wine_session_end, which the caller traps on exit, ends every process the session started.
# shellcheck shell=bash
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
wine_session_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_session_dir=$(mktemp -d)
wine_server=''
# shellcheck source=prefix.sh
source "$wine_session_here/prefix.sh"

wine_session_start() {
    "$wine_session_here/../test_display.sh" start "$wine_session_dir/display" >/dev/null
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

# Writes a launcher in the session's folder that starts the Windows program $2 through Wine as
# a Unix program, for a caller that starts programs by file name; prints its path. Wine hides the
# Unix QT_ variables from Windows programs and hands on WINEQT_ ones as QT_: the launcher hands
# on Qt's logging rules, and Qt's log goes to the error output rather than to Windows's debugger.
wine_session_launcher() {  # name, Windows program
    local launcher=$wine_session_dir/$1
    cat >"$launcher" <<END
#!/bin/sh
WINEQT_LOGGING_RULES=\$QT_LOGGING_RULES WINEQT_FORCE_STDERR_LOGGING=1 exec "$wine" "$2" "\$@"
END
    chmod +x "$launcher"
    echo "$launcher"
}

# The server ends the Windows processes of the prefix (Wine's own services among them).
wine_session_end() {
    if [[ -n "$wine_server" ]]; then
        "$wineserver" -k 2>/dev/null || true
        kill "$wine_server" 2>/dev/null || true
        wait "$wine_server" 2>/dev/null || true
    fi
    "$wine_session_here/../test_display.sh" stop "$wine_session_dir/display"
    rm -rf "$wine_session_dir"
}

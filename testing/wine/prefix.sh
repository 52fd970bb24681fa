# Sourced by the scripts that run Windows programs under Wine: run.sh (the Windows build's tests)
# and session.sh (the smoke test and the start-up benchmark). The settings of their Wine
# prefixes, and how one is made.
# shellcheck shell=bash

# No debug output; no Mono or Gecko installer, which the programs do not need and nobody is there
# to answer; no menu entries on the host desktop for what an installer installs.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_prefix_fonts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/fonts.reg

# Makes the prefix WINEPREFIX with the Wine runner $1 unless it is there; of several programs
# started at once, one makes it and the others wait. Windows's interface fonts become FreeSans:
# Debian's Wine finds no Tahoma of its own, and Qt's text would fall back to a serif face.
wine_prefix_make() {
    [[ -f "$WINEPREFIX/system.reg" ]] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    flock "$WINEPREFIX.lock" bash -c '[[ -f "$WINEPREFIX/system.reg" ]] ||
        { timeout 120 "$1" wineboot --init && timeout 60 "$1" regedit /S "$2"; }' - \
        "$1" "$wine_prefix_fonts" </dev/null >/dev/null 2>&1
}

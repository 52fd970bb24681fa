#!/usr/bin/env bash
# The start-up benchmark under Wine: the Windows program file against the bare windows built the
# same way, each started through Wine on a display of its own; Wine's windows are X11 windows, so
# the Linux build's benchmark times them to their first painted frame. Build first:
#
#   bash scripts/windows_build.sh && cmake --build build --target startup_bench
#   bash bench/windows_startup_bench.sh [LINUX_BUILD [WINDOWS_BUILD]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux=$(cd "${1:-$root/build}" && pwd)
windows=$(cd "${2:-$root/build-windows}" && pwd)
# shellcheck source=../cmake/identity.sh.in
source "$windows/identity.sh"
export WINEPREFIX=$windows/wine-prefix-smoke
# shellcheck source=../testing/wine/session.sh
source "$root/testing/wine/session.sh"
trap wine_session_end EXIT
trap 'exit 1' INT TERM
wine_session_start

# The benchmark starts programs by file name and reads Qt's painting log from their output.
"$linux/bench/startup_bench" "$(wine_session_launcher bare_window "$windows/bench/bare_window.exe")" \
    "$root/assets/menu.jpg" "$(wine_session_launcher reshalkin "$windows/$program_file")"

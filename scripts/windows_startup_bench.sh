#!/usr/bin/env bash
# The start-up benchmark (app/bench) under Wine: the Windows program file against the bare
# windows built the same way, each started through Wine on a display of its own; Wine's windows
# are X11 windows, so the Linux build's benchmark times them. Build first:
#
#   bash scripts/windows_build.sh && cmake --build build --target startup_bench
#   bash scripts/windows_startup_bench.sh [LINUX_BUILD [WINDOWS_BUILD]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux=$(cd "${1:-$root/build}" && pwd)
windows=$(cd "${2:-$root/build-windows}" && pwd)
export WINEPREFIX=$windows/wine-prefix-smoke
source "$root/scripts/wine_session.sh"
# Qt's painting log, by which the benchmark sees the first frame, goes to the error output
# rather than to Windows's debugger.
export QT_FORCE_STDERR_LOGGING=1

work=$wine_session_dir
trap wine_session_end EXIT
trap 'exit 1' INT TERM
wine_session_start

# The benchmark starts programs by file name: one small launcher for each Windows program.
launcher() {
    printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$wine" "$2" >"$work/$1"
    chmod +x "$work/$1"
}
launcher bare_window "$windows/app/bare_window.exe"
launcher reshalkin "$windows/Решалкин.exe"
"$linux/app/startup_bench" "$work/bare_window" "$root/assets/menu.jpg" "$work/reshalkin"

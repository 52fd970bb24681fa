#!/usr/bin/env bash
# The start-up benchmark (bench/) under Wine: the Windows program file against the bare
# windows built the same way, each started through Wine on a display of its own; Wine's windows
# are X11 windows, so the Linux build's benchmark times them to their first painted frame.
# Build first:
#
#   bash scripts/windows_build.sh && cmake --build build --target startup_bench
#   bash scripts/windows_startup_bench.sh [LINUX_BUILD [WINDOWS_BUILD]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux=$(cd "${1:-$root/build}" && pwd)
windows=$(cd "${2:-$root/build-windows}" && pwd)
# shellcheck source=../cmake/identity.sh.in
source "$windows/identity.sh"
export WINEPREFIX=$windows/wine-prefix-smoke
source "$root/testing/wine_session.sh"
trap wine_session_end EXIT
trap 'exit 1' INT TERM
wine_session_start

# The benchmark starts programs by file name and reads Qt's painting log from their output: one
# small launcher for each Windows program. Wine hides the Unix QT_ variables from Windows
# programs and hands on WINEQT_ ones as QT_; Qt's log goes to the error output rather than to
# Windows's debugger.
launcher() {
    cat >"$wine_session_dir/$1" <<END
#!/bin/sh
WINEQT_LOGGING_RULES=\$QT_LOGGING_RULES WINEQT_FORCE_STDERR_LOGGING=1 exec "$wine" "$2" "\$@"
END
    chmod +x "$wine_session_dir/$1"
}
launcher bare_window "$windows/bench/bare_window.exe"
launcher reshalkin "$windows/$program_file"
"$linux/bench/startup_bench" "$wine_session_dir/bare_window" "$root/assets/menu.jpg" \
    "$wine_session_dir/reshalkin"

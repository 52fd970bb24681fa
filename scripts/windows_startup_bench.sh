#!/usr/bin/env bash
# Start-up under Wine: the Windows program file against the bare windows of app/bench built the
# same way (empty; with a captioned button; with the button over the main menu's JPEG), started
# alternately through Wine on a display of its own. Each run is timed from starting the program
# to its window standing visible on the X display (Wine's windows are X11 windows): Qt's painting
# log, by which the Linux benchmark sees the first frame, does not leave a Windows process.
# Prints the median of each and the program's ratio to each. Build first:
#
#   bash scripts/windows_build.sh && bash scripts/windows_startup_bench.sh [WINDOWS_BUILD]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
windows=$(cd "${1:-$root/build-windows}" && pwd)
runs=11
export WINEPREFIX=$windows/wine-prefix-smoke
source "$root/scripts/wine_session.sh"
app=''
finish() {
    if [[ -n "$app" ]]; then kill "$app" 2>/dev/null || true; fi
    wine_session_end
}
trap finish EXIT
trap 'exit 1' INT TERM
wine_session_start

# Milliseconds until a visible window's name matches $1 (at most 20 s) for the program $2...
visible_ms() {
    local pattern=$1 start ms=-1
    shift
    start=$(date +%s%N)
    "$wine" "$@" >/dev/null 2>&1 &
    app=$!
    for _ in $(seq 2000); do
        if xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then
            ms=$((($(date +%s%N) - start) / 1000000))
            break
        fi
        sleep 0.005
    done
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=''
    # The next run starts once this one's window is gone and the display is quiet.
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || break
        sleep 0.05
    done
    sleep 0.5
    echo "$ms"
}

bare=$windows/app/bare_window.exe
names=(bare bare+button bare+button+picture program)
declare -A times
for run in $(seq "$runs"); do
    times[bare]+="$(visible_ms '^bare window$' "$bare") "
    times[bare+button]+="$(visible_ms '^bare window$' "$bare" --button) "
    times[bare+button+picture]+="$(visible_ms '^bare window$' "$bare" --button --picture \
        "$root/assets/menu.jpg") "
    times[program]+="$(visible_ms '^Решалкин ' "$windows/Решалкин.exe") "
    echo "run $run of $runs" >&2
done
median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | sed -n "$(((runs + 1) / 2))p"; }
program=$(median "${times[program]}")
for name in "${names[@]}"; do
    m=$(median "${times[$name]}")
    printf '%-22s median %5d ms to a visible window under Wine; program / this: %s\n' "$name" "$m" \
        "$(awk -v p="$program" -v m="$m" 'BEGIN { printf "%.2f", p / m }')"
done

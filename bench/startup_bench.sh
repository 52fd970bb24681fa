#!/usr/bin/env bash
# Runs the start-up benchmark on a display of its own (Xvfb with openbox, as the GUI tests
# use). Build first: cmake --build build --target reshalkin bare_window startup_bench
#
#   bash bench/startup_bench.sh [BUILD_DIR [PROGRAM...]]
#
# PROGRAMs are other builds of the program to compare, started alternately with the rest; the
# self-contained Linux program (scripts/linux_build.sh) is one of them wherever it is built.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
shift || true
shopt -s nullglob
self_contained=("$here"/../build-linux/tarball/*/reshalkin)
state=$(mktemp -d)
trap '"$here/../testing/test_display.sh" stop "$state"; rm -rf "$state"' EXIT
"$here/../testing/test_display.sh" start "$state" >/dev/null
DISPLAY=$(cat "$state/display") QT_QPA_PLATFORM=xcb \
    "$build/bench/startup_bench" "$build/bench/bare_window" "$here/../assets/menu.jpg" \
    "$build/reshalkin" "${self_contained[@]}" "$@"

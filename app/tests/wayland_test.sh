#!/usr/bin/env bash
# Runs a test program under a headless weston, with Qt's Wayland plugin.
#
#   wayland_test.sh TEST_PROGRAM [ARGUMENTS...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=reshalkin-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
    </dev/null >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
[ -S "$runtime/$socket" ] || { echo "weston did not start" >&2; cat "$runtime/weston.log" >&2; exit 1; }
unset DISPLAY RESHALKIN_TEST_DISPLAY_FILE
# The headless compositor has no seat: keys typed by the tests come from no keyboard, and Qt's
# text-input support would look for one.
export QT_IM_MODULE=none
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"

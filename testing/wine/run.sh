#!/usr/bin/env bash
# Runs a Windows program under Wine, in a Wine prefix of the build's own:
#   run.sh PREFIX WINE64 PROGRAM [ARGUMENTS...]
# With no display, unless RESHALKIN_TEST_DISPLAY_FILE names the file that holds the GUI tests'
# display: Wine's windows are X11 windows on it. Those programs get a prefix of their own
# (PREFIX-gui), as a Wine server started for a program with no display serves every later one.
export WINEPREFIX="$1"
wine=$2
shift 2
# shellcheck source=prefix.sh
source "$(dirname "$0")/prefix.sh"
unset DISPLAY WAYLAND_DISPLAY
if [ -n "$RESHALKIN_TEST_DISPLAY_FILE" ] && [ -s "$RESHALKIN_TEST_DISPLAY_FILE" ]; then
    DISPLAY=$(cat "$RESHALKIN_TEST_DISPLAY_FILE")
    export DISPLAY WINEPREFIX="$WINEPREFIX-gui"
fi

wine_prefix_make "$wine"

# Wine's server and services outlive the program by seconds and keep its output open; through
# files, whoever reads the output (ctest) gets it as soon as the program ends.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$wine" "$@" >"$out" 2>"$err"
status=$?
# A Wine client that loses its server midway ("wine client error") says nothing of the program:
# it runs once more, and Wine starts a new server.
if [ $status -ne 0 ] && grep -q '^wine client error' "$err"; then
    "$wine" "$@" >"$out" 2>"$err"
    status=$?
fi
cat "$out"
cat "$err" >&2
exit $status

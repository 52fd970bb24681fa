#!/bin/sh
# Runs a Windows program under Wine, with no display and a Wine prefix of the build's own:
#   wine-run.sh PREFIX WINE64 PROGRAM [ARGUMENTS...]
export WINEPREFIX="$1"
wine=$2
shift 2
export WINEDEBUG=-all
# No Mono or Gecko installer: the programs need neither, and there is nobody to answer it.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# The prefix is made once, by whichever program comes first; the others wait for it.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    flock "$WINEPREFIX.lock" sh -c '[ -f "$1/system.reg" ] || "$2" wineboot --init' - \
        "$WINEPREFIX" "$wine" </dev/null >/dev/null 2>&1
fi

# Wine's server and services outlive the program by seconds and keep its output open; through
# files, whoever reads the output (ctest) gets it as soon as the program ends.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$wine" "$@" >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
exit $status

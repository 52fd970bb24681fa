# Sourced by the tests that drive the real program on the test display (X11 with openbox):
# the display, failures counted, and windows found by title; the product's name, which starts the
# main menu's title and is an error box's whole title, is in $RESHALKIN_PRODUCT.
DISPLAY=$(cat "${RESHALKIN_TEST_DISPLAY_FILE:?}")
export DISPLAY QT_QPA_PLATFORM=xcb
product=${RESHALKIN_PRODUCT:?}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# Where the screen tables put a control (its centre) or how large a screen is: "x y".
place() { "${RESHALKIN_CONTROL_PLACE:?}" "$@"; }
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1; }
# Ends the test: passed when nothing failed.
finish() {  # what was checked
    [ "$failures" -eq 0 ] && echo "$1 passed"
    exit $((failures > 0))
}

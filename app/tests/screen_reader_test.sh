#!/usr/bin/env bash
# The real program on the test display as a screen reader gets it, read with python3-pyatspi on
# an accessibility bus of the test's own.
#
#   screen_reader_test.sh PROGRAM      (the display is named in $RESHALKIN_TEST_DISPLAY_FILE)
set -uo pipefail
here=$(dirname "$0")
# shellcheck source=../../testing/x11_drive.sh
source "$here/../../testing/x11_drive.sh"
on_test_display
# shellcheck source=../../testing/accessibility_bus.sh
source "$here/../../testing/accessibility_bus.sh"
trap accessibility_bus_stop EXIT
accessibility_bus_start || exit 1
# Debian's own Python, which has the AT-SPI bindings, whatever else is first on the path.
/usr/bin/python3 "$here/screen_reader_test.py" "$1"

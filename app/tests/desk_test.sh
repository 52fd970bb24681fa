#!/usr/bin/env bash
# The real program on a desk with a window manager (openbox): a screen shown again comes back to
# the place it had, whether the window manager chose it or the user dragged it there; clicks that
# arrive for a screen hidden meanwhile do nothing.
#
#   desk_test.sh PROGRAM [SCALE]   (the display is named in $RESHALKIN_TEST_DISPLAY_FILE)
#
# With a scale the program is started with `--scale SCALE`, as for a projector.
set -uo pipefail
program=$1
scale=${2:-1}
# shellcheck source=../../testing/x11_drive.sh
source "$(dirname "$0")/../../testing/x11_drive.sh"
on_test_display

readonly menu_title="^$product " triangle_title='^Находим площадь и гипотенузу' \
    circle_title='^Находим площадь и длинну'
# Client-area pixels of the controls clicked (centres), at the scale asked for.
scaled() { place "$@" | awk -v s="${scale/,/.}" '{printf "%d %d", $1 * s, $2 * s}'; }
menu_triangle=$(scaled frm1 'Открыть: площадь и гипотенуза треугольника')
menu_circle=$(scaled frm1 'Открыть: площадь и длина окружности')
legs_a=$(scaled frm2 'первый катет') legs_b=$(scaled frm2 'второй катет')
compute=$(scaled frm2 'вычислить') back=$(scaled frm2 'Главное меню')
readonly menu_triangle menu_circle legs_a legs_b compute back
for centre in "$menu_triangle" "$menu_circle" "$legs_a" "$legs_b" "$compute" "$back"; do
    [ -n "$centre" ] || { echo "FAIL: a control the test clicks is not in the tables" >&2; exit 1; }
done

origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}'; }
click() {  # window, client x y
    timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null
    timeout 5 xdotool mousemove --sync --window "$1" $2 click 1
}
# Clicks one control and goes to the window that opens: the sweep takes under a second.
go() {  # from-window, control, target title
    click "$1" "$2"
    local target
    target=$(wait_window "$3" 10)
    # The window manager reports the place once the window is mapped and framed.
    sleep 0.3
    echo "$target"
}
same_place() {  # window, expected origin, what
    local now
    now=$(origin "$1")
    [ "$now" = "$2" ] || fail "$3: at $now, not at $2 where it was"
}

"$program" --scale "$scale" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
menu=$(wait_window "$menu_title" 10)
[ -n "$menu" ] || { echo "FAIL: the main menu never showed" >&2; exit 1; }
sleep 0.3
menu_at=$(origin "$menu")

# Two round trips: both screens keep the places the window manager gave them.
triangle=$(go "$menu" "$menu_triangle" "$triangle_title")
triangle_at=$(origin "$triangle")
for trip in 1 2; do
    go "$triangle" "$back" "$menu_title" >/dev/null
    same_place "$menu" "$menu_at" "main menu after round trip $trip"
    go "$menu" "$menu_triangle" "$triangle_title" >/dev/null
    same_place "$triangle" "$triangle_at" "triangle after round trip $trip"
done

# Dragged by its title bar, the triangle comes back where the user put it.
read -r x y < <(origin "$triangle" | tr , ' ')
timeout 5 xdotool mousemove --sync $((x + 200)) $((y - 8)) mousedown 1
for step in 1 2 3 4 5; do timeout 5 xdotool mousemove --sync $((x + 200 + 24 * step)) $((y - 8 + 20 * step)); done
xdotool mouseup 1
sleep 0.3
dragged_at=$(origin "$triangle")
[ "$dragged_at" != "$triangle_at" ] || fail "the title bar drag did not move the triangle"
go "$triangle" "$back" "$menu_title" >/dev/null
go "$menu" "$menu_triangle" "$triangle_title" >/dev/null
same_place "$triangle" "$dragged_at" "triangle after being dragged"

# A click made during a sweep on the screen that the sweep then hides does nothing.
go "$triangle" "$back" "$menu_title" >/dev/null
timeout 5 xdotool windowactivate --sync "$menu"
timeout 5 xdotool mousemove --sync --window "$menu" $menu_triangle click 1 \
    mousemove --window "$menu" $menu_circle click 1
wait_window "$triangle_title" 10 >/dev/null
sleep 1.5
wait_gone "$circle_title" 0 || fail "a late click on the hidden main menu opened the circle"
wait_gone "$menu_title" 0 || fail "the main menu is still shown beside the triangle"

# Legs that overflow, then "Главное меню" and at once "вычислить": no message from the hidden
# triangle, and the main menu has the keys.
for field in "$legs_a" "$legs_b"; do
    click "$triangle" "$field"
    xdotool key ctrl+a type 1e308
done
timeout 5 xdotool windowactivate --sync "$triangle"
timeout 5 xdotool mousemove --sync --window "$triangle" $back click 1 \
    mousemove --window "$triangle" $compute click 1
wait_window "$menu_title" 10 >/dev/null
sleep 1.5
wait_gone "^$product\$" 0 || fail "the hidden triangle showed an error box"
[ "$(xdotool getactivewindow 2>/dev/null)" = "$menu" ] || fail "the main menu does not have the keys"

end_test "desk checks"

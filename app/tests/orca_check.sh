#!/usr/bin/env bash
# Orca itself with the program, as a blind pupil hears it: Orca 43 in Russian on a display and an
# accessibility bus of the script's own, speaking into its speech log (no synthesizer is started),
# which the script reads back step by step: the circle with 2,5 and Enter, Tab to each result, an
# error, Orca's title command, F1 and «Копировать». It ends only what it started, by process id.
# Where Orca is not installed it says so and passes.
#
#   app/tests/orca_check.sh [PROGRAM]     (build/reshalkin by default; prints what Orca said)
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 2
program=${1:-build/reshalkin}
command -v orca >/dev/null || { echo "SKIP: Orca is not installed (apt-get install orca)"; exit 0; }
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 2; }
# shellcheck source=../../cmake/identity.sh.in
source build/identity.sh  # the product's name, which starts the main menu's title

work=$(mktemp -d)
# shellcheck source=../../testing/accessibility_bus.sh
source testing/accessibility_bus.sh
# shellcheck source=../../testing/x11_drive.sh
source testing/x11_drive.sh
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    accessibility_bus_stop
    testing/test_display.sh stop "$work/display"
    rm -rf "$work"
}
trap cleanup EXIT
testing/test_display.sh start "$work/display" >/dev/null || exit 1
DISPLAY=$(cat "$work/display/display")
export DISPLAY QT_QPA_PLATFORM=xcb
accessibility_bus_start || exit 1

log=$work/orca.log
spoken() { grep -o "SPEECH OUTPUT: '[^']*" "$log" | cut -c17-; }
# Waits until Orca has said nothing for a second and a half, then prints what it said since its
# first $1 lines.
settle() {
    local before=$1 size=-1 quiet=0
    for _ in $(seq 80); do
        sleep 0.5
        local now
        now=$(stat -c %s "$log")
        if [ "$now" -eq "$size" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 3 ] && break
        else
            quiet=0
        fi
        size=$now
    done
    spoken | tail -n +$((before + 1))
}
step() {  # what, then the keys; prints what Orca said to them
    local what=$1 before
    shift
    before=$(spoken | wc -l)
    echo "$what:"
    "$@"
    settle "$before" | tee "$work/said-$what" | sed 's/^/    /'
}
# Keys one at a time to the active window, with time for Orca to speak after each.
press() { for key in "$@"; do xdotool key "$key"; sleep 0.8; done; }
typed() { xdotool type --delay 80 "$1"; sleep 0.3; xdotool key Return; }

# Russian, and speech into the log only: Orca's own speech log goes to a file, and the speech
# library may not start a synthesizer. (Orca's debug log has it too, but slows Orca down so much
# that keys wait on it.)
mkdir -p "$work/prefs"
cat >"$work/prefs/orca-customizations.py" <<PYTHON
import logging
_file = logging.FileHandler("$log")
_file.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_file)
PYTHON
LANGUAGE=ru SPEECHD_CMD=/bin/false setsid orca -u "$work/prefs" </dev/null >"$work/orca.out" 2>&1 &
pids+=($!)
disown
within 10 test -s "$log"
"$program" 2>/dev/null &
pids+=($!)
disown
wait_window "^$product" 10 >/dev/null || fail "no main menu"
settle 0 >/dev/null
step "Открыть окружность" press Tab space
step "2,5 и Enter" typed "2,5"
step "Tab к результатам" press Tab Tab Tab
# Down to the first line with numbers: «Дано», a blank line and the formula come first.
step "F1, три строки вниз" press F1 Down Down Down
step "«Копировать»" press Tab space
step "Escape" press Escape
step "Ошибка: 1e400 и Enter" eval 'press Tab Tab Tab; typed 1e400'
step "OK" press Return
step "Заголовок окна (Insert+KP_Enter)" press Insert+KP_Enter

said=$(cat "$work"/said-*)
expect() { grep -qF -- "$1" <<<"$said" || fail "Orca never said «$1»"; }
expect "окружности рамка"
expect "уведомление Длина окружности 15"
expect "Площадь круга 19"
expect "тревога"
expect "Переполнение"
expect "Решение — Находим площадь и длинну окружности рамка"
expect "умножить на"
expect "уведомление Скопировано"
[ "$(grep -cE '^19[.,]625' "$work/said-Tab к результатам")" -eq 1 ] || fail "the area was not read once, whole"
end_test "Orca check"

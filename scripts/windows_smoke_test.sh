#!/usr/bin/env bash
# The Windows program as a pupil meets it, under Wine on a display of its own (Xvfb with
# openbox), driven with xdotool: the program file starts, computes a triangle, reports an
# overflow and closes; then the installer installs it silently, the installed program starts,
# and the uninstaller removes it all.
#
#   windows_smoke_test.sh PROGRAM.exe INSTALLER.exe PREFIX
#
# PREFIX is the Wine prefix to use, made on first use. Every wait is bounded, and every process
# started here (Wine's server among them) is ended on the way out.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
installer=$(realpath "$2")
export WINEPREFIX=$(realpath -m "$3")
source "$here/../testing/wine_session.sh"

product=Решалкин
menu_caption="$product$(printf '%138s' '')ver 1.1"
installed="C:\\Program Files\\$product"
installed_unix="$WINEPREFIX/drive_c/Program Files/$product"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$product.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Reshalkin'

work=$wine_session_dir
app=''
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

finish() {
    if [[ -n "$app" ]]; then kill "$app" 2>/dev/null || true; fi
    wine_session_end
}
trap finish EXIT
trap 'exit 1' INT TERM
wine_session_start || fail "Wine could not make the prefix $WINEPREFIX"

# Waits up to $2 seconds for a visible window whose name matches $1; prints its id.
wait_window() {
    local id
    for _ in $(seq $(($2 * 5))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# Waits up to $2 seconds until no visible window's name matches $1.
wait_gone() {
    for _ in $(seq $(($2 * 5))); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}

# Keys to the window $1, which is first brought to the front.
keys() {
    local window=$1
    shift
    timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key --delay 60 "$@"
}

# Copies what has the focus in the active window (Ctrl+A, Ctrl+C) until the clipboard holds
# text matching $2, for up to 10 seconds: the sweep runs before each compute.
clipboard_matches() {
    local window=$1 pattern=$2 text=''
    for _ in $(seq 20); do
        keys "$window" ctrl+a ctrl+c
        sleep 0.3
        text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) || true
        [[ "$text" =~ $pattern ]] && return 0
    done
    echo "the clipboard holds: $text" >&2
    return 1
}

# Waits up to 20 seconds for the started program to end; checks its status.
expect_clean_exit() {
    for _ in $(seq 100); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$app" 2>/dev/null; then
        fail "$1 did not end when its main menu closed"
        return
    fi
    local status=0
    wait "$app" || status=$?
    app=''
    [[ $status -eq 0 ]] || fail "$1 ended with status $status"
}

smoke_test() {
    "$wine" "$program" >"$work/program.log" 2>&1 &
    app=$!
    local menu triangle box
    menu=$(wait_window "^$product " 60) || { fail "no main menu appeared"; return; }
    [[ "$(xdotool getwindowname "$menu")" == "$menu_caption" ]] ||
        fail "the main menu's caption is '$(xdotool getwindowname "$menu")'"
    # Focus starts on the first "Открыть", which opens the right triangle.
    keys "$menu" space
    triangle=$(wait_window 'треугольника' 20) || { fail "the triangle did not open"; return; }
    # The legs, then Tab past both results to «вычислить».
    keys "$triangle" 3 Tab 4 Tab Tab Tab space
    keys "$triangle" shift+Tab
    clipboard_matches "$triangle" '^6$' || fail "the area is not 6"
    keys "$triangle" shift+Tab
    clipboard_matches "$triangle" '^5$' || fail "the hypotenuse is not 5"
    # A leg whose square overflows: the error box says so, and copies its text with Ctrl+C.
    keys "$triangle" shift+Tab shift+Tab
    xdotool type --delay 60 1e200
    keys "$triangle" Tab Tab Tab Tab space
    if box=$(wait_window "^$product\$" 20); then
        clipboard_matches "$box" 'Переполнение' || fail "the error box does not say Переполнение"
        keys "$box" Return
        wait_gone "^$product\$" 10 || fail "the error box did not close"
    else
        fail "no error box for an overflow"
    fi
    # «Главное меню» follows «вычислить», which keeps the focus after the box.
    keys "$triangle" Tab space
    menu=$(wait_window "^$product " 20) || { fail "the main menu did not come back"; return; }
    wait_gone 'треугольника' 10 || fail "the triangle stayed open"
    keys "$menu" alt+F4
    expect_clean_exit "the program"
    echo "smoke test: main menu, triangle 3 4 -> 5 6, overflow box, back, closed"
}

installer_test() {
    timeout 120 "$wine" "$installer" /S >"$work/installer.log" 2>&1 ||
        { fail "the silent install failed"; return; }
    for file in "$installed_unix/$product.exe" "$installed_unix/uninstall.exe" "$shortcut"; do
        [[ -f "$file" ]] || fail "not installed: $file"
    done
    local entry
    entry=$(timeout 60 "$wine" reg query "$uninstall_key" 2>/dev/null) || true
    for value in DisplayName DisplayVersion DisplayIcon EstimatedSize UninstallString; do
        grep -q "$value" <<<"$entry" || fail "the Add/Remove Programs entry lacks $value"
    done
    "$wine" "$installed\\$product.exe" >"$work/installed.log" 2>&1 &
    app=$!
    local menu
    if menu=$(wait_window "^$product " 60); then
        keys "$menu" alt+F4
        expect_clean_exit "the installed program"
    else
        fail "the installed program showed no main menu"
    fi
    # The uninstaller runs a copy of itself from the temporary folder and returns at once.
    timeout 60 "$wine" "$installed\\uninstall.exe" /S >"$work/uninstall.log" 2>&1 ||
        fail "the silent uninstall failed"
    for _ in $(seq 150); do
        [[ -e "$installed_unix" || -e "$shortcut" ]] || break
        sleep 0.2
    done
    [[ -e "$installed_unix" ]] && fail "the uninstaller left $installed_unix"
    [[ -e "$shortcut" ]] && fail "the uninstaller left the shortcut"
    timeout 60 "$wine" reg query "$uninstall_key" >/dev/null 2>&1 &&
        fail "the uninstaller left the Add/Remove Programs entry"
    echo "installer test: silent install, shortcut and entry, program starts, silent uninstall"
}

smoke_test
installer_test
[[ $failures -eq 0 ]]

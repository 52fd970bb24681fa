# The smoke tests' hands on an X display, with xdotool and xclip: waiting for windows by name,
# keys to a window, reading a field through the clipboard, the controls' tab order on the screens
# they use, and the end of the program they started (sourced; the sourcing script keeps the
# program's process id in app and counts failures with fail).
# shellcheck shell=bash

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

# The controls of the screens the test uses, in their tab order, as their tables
# (screens/main_menu.cpp, triangle.cpp, ...) number them; the menu's by what they open.
# shellcheck disable=SC2034 # read by focus, through the screen's name
{
    menu_tabs=(triangle circle cylinder cone calculator)
    triangle_tabs=(first_leg second_leg hypotenuse area compute main_menu solution)
    circle_tabs=(radius compute length area main_menu solution)
    cylinder_tabs=(radius height compute lateral total main_menu solution)
    cone_tabs=(radius height compute lateral total main_menu solution)
    calculator_tabs=(first_decimal second_decimal decimal_result times second_octal octal_result plus
        first_octal minus divide first_hex second_hex hex_result main_menu solution)
}

# The keys that move the focus on screen $1 from control $2 to control $3: Tab forwards,
# shift+Tab back.
focus() {
    local -n tabs=${1}_tabs
    local i from='' to='' key=Tab
    for i in "${!tabs[@]}"; do
        [[ ${tabs[i]} == "$2" ]] && from=$i
        [[ ${tabs[i]} == "$3" ]] && to=$i
    done
    [[ -n "$from" && -n "$to" ]] || { echo "focus: no control $2 or $3 on $1" >&2; return 1; }
    local steps=$((to - from))
    if ((steps < 0)); then key=shift+Tab steps=$((-steps)); fi
    for ((i = 0; i < steps; i++)); do echo "$key"; done
}


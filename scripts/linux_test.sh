#!/usr/bin/env bash
# The self-contained Linux program as schools would meet it. Builds it (linux_build.sh), then:
#  - reads the program file: no C-library symbol newer than 2.28, and no library needed but those
#    of dist/linux/system-libraries.txt;
#  - in clean Debian 11 and Debian 13 chroots (no Qt; only the X client libraries, fontconfig and
#    a font), unpacked from the tarball: ldd finds every library, and nothing outside that list
#    but what those libraries need themselves; the smoke test, driven with xdotool on a display
#    of this machine shared with the chroot, opens every screen, computes, opens the solution
#    window and closes the program with status 0; install.sh installs, upgrades in place and
#    removes exactly what it added, as root and as a user, and the installed menu entry validates
#    and starts the program.
# Screenshots of the main menu and the cone's solution in Debian 11 go to build-linux/screenshots.
# The chroots are copied for each run, so the cached ones stay clean. Every wait is bounded, and
# every process started here is ended on the way out.
#
#   bash scripts/linux_test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
here=$PWD/scripts
# shellcheck source=linux_lib.sh
source scripts/linux_lib.sh
oldest_glibc=2.28
allowed=dist/linux/system-libraries.txt
started=$SECONDS

tarball=$(bash scripts/linux_build.sh | tail -n1)
build="build-linux"
# shellcheck source=../cmake/identity.sh.in
source "$build/identity.sh"
name=$(basename "$tarball" .tar.gz)
program=$build/tarball/$name/reshalkin
cache=$(linux_cache)

# shellcheck source=../testing/x11_drive.sh
source testing/x11_drive.sh

# The C library: every versioned symbol the program takes from it, the newest last.
symbols=$(objdump -T "$program" | awk '{ for (i = 1; i < NF; i++) if ($i ~ /^\(?GLIBC_[0-9.]+\)?$/) {
    v = $i; gsub(/[()]|GLIBC_/, "", v); print v, $NF } }' | sort -V)
newest=$(tail -n1 <<<"$symbols")
too_new=$(while read -r version symbol; do
    [[ $(printf '%s\n' "$version" "$oldest_glibc" | sort -V | tail -n1) == "$oldest_glibc" ]] ||
        echo "$symbol@GLIBC_$version"
done <<<"$symbols")
[[ -z "$too_new" ]] || fail "symbols newer than GLIBC_$oldest_glibc: $too_new"
echo "C library: GLIBC_$oldest_glibc or later; the newest symbol is ${newest#* }@GLIBC_${newest%% *}"

# The libraries the program file names, against the list.
allowed_names=$(grep -v '^#' "$allowed" | awk 'NF { print $1 }')
needed=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
others=$(grep -vxFf <(echo "$allowed_names") <<<"$needed" || true)
[[ -z "$others" ]] || fail "the program needs libraries outside $allowed: $others"
echo "needs: $(tr '\n' ' ' <<<"$needed")"

work=$(mktemp -d "$cache/test-linux.XXXXXX")
state=$work/display
app=''
finish() {
    if [[ -n "$app" ]]; then kill -- "-$app" 2>/dev/null || true; fi
    testing/test_display.sh stop "$state" || true
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM
testing/test_display.sh start "$state" >/dev/null
DISPLAY=$(cat "$state/display")
export DISPLAY

# Qt built without Xlib names its windows only by _NET_WM_NAME, the name desktops and
# `xdotool getwindowname` read, not by the older WM_NAME that `xdotool search --name` matches:
# the program's windows are found by their class and matched by that name.
visible_window() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^reshalkin$' 2>/dev/null); do
        [[ "$(xdotool getwindowname "$id" 2>/dev/null)" =~ $1 ]] && { echo "$id"; return 0; }
    done
    return 1
}
no_visible_window() { ! visible_window "$1" >/dev/null; }
mkdir -p "$build/screenshots"

# Runs a command in the test's chroot copy, as root or (with -u USER) as that user.
in_root() {
    local user=root
    if [[ $1 == -u ]]; then user=$2; shift 2; fi
    local home=/root
    [[ $user == root ]] || home=/home/$user
    linux_in_chroot "$root" runuser -u "$user" -- env -i PATH=/usr/local/bin:/usr/bin:/bin \
        HOME="$home" DISPLAY="$DISPLAY" LANG=C.UTF-8 "$@"
}

# Starts a program in the chroot in a process group of its own, so that it can be ended whole.
start_program() {
    # shellcheck disable=SC2016 # expanded by the new shell
    setsid bash -c 'source "$1/linux_lib.sh"; root=$2; shift 2
        linux_in_chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            DISPLAY="$DISPLAY" LANG=C.UTF-8 "$@"' \
        start "$here" "$root" "$@" >"$work/program.log" 2>&1 &
    app=$!
}

shot() {
    [[ $suite == bullseye ]] || return 0
    sleep 1
    import -window root "$build/screenshots/$1.png"
}

# Opens the solution of screen window $1 with F1; it appears and Escape closes it.
solution() {
    keys "$1" F1
    local window
    window=$(wait_window '^Решение — ' 20) || { fail "$suite: no solution window on F1"; return; }
    [[ -z "${2:-}" ]] || shot "$2"
    keys "$window" Escape
    wait_gone '^Решение — ' 10 || fail "$suite: the solution window did not close"
}

# shellcheck disable=SC2046 # the keys that focus prints are words of their own
# Back from screen window $1, whose focus is on $2 of screen $3, to the main menu.
back() {
    keys "$1" $(focus "$3" "$2" main_menu) space
    menu=$(wait_window "^$product " 20) || { fail "$suite: the main menu did not come back"; return 1; }
}

# shellcheck disable=SC2046 # the keys that focus prints are words of their own
# The screen behind the menu's button $1 (focus on $2), found by a word of its title.
open_screen() {
    keys "$menu" $(focus menu "$2" "$1") space
    screen=$(wait_window "$3" 20) || { fail "$suite: $1 did not open"; return 1; }
}

# shellcheck disable=SC2046 # the keys that focus prints are words of their own
smoke_test() {
    start_program /tmp/"$name"/reshalkin
    local screen
    menu=$(wait_window "^$product " 60) || { fail "$suite: no main menu appeared"; return; }
    [[ "$(xdotool getwindowname "$menu")" == "$menu_caption" ]] ||
        fail "$suite: the main menu's caption is '$(xdotool getwindowname "$menu")'"
    shot main-menu
    open_screen triangle triangle 'треугольника' || return
    keys "$screen" 3 $(focus triangle first_leg second_leg) 4 $(focus triangle second_leg compute) space
    keys "$screen" $(focus triangle compute area)
    clipboard_matches "$screen" '^6$' || fail "$suite: the triangle's area is not 6"
    solution "$screen"
    back "$screen" area triangle || return
    open_screen circle triangle 'окружности' || return
    keys "$screen" 2 Return $(focus circle radius length)
    clipboard_matches "$screen" '^12[,.]56$' || fail "$suite: the circle's length is not 12,56"
    solution "$screen"
    back "$screen" length circle || return
    open_screen cylinder circle 'цилиндра' || return
    keys "$screen" 2 $(focus cylinder radius height) 7 Return $(focus cylinder height lateral)
    clipboard_matches "$screen" '^87[,.]92$' || fail "$suite: the cylinder's lateral surface is not 87,92"
    solution "$screen"
    back "$screen" lateral cylinder || return
    open_screen cone cylinder 'конуса' || return
    keys "$screen" 3 $(focus cone radius height) 4 Return $(focus cone height lateral)
    clipboard_matches "$screen" '^47[,.]1$' || fail "$suite: the cone's lateral surface is not 47,1"
    solution "$screen" cone-solution
    back "$screen" lateral cone || return
    open_screen calculator cone 'калькулятор' || return
    keys "$screen" 1 2 $(focus calculator first_decimal second_decimal) 5 \
        $(focus calculator second_decimal times) space $(focus calculator times decimal_result)
    clipboard_matches "$screen" '^60$' || fail "$suite: 12 × 5 is not 60 in the calculator"
    back "$screen" decimal_result calculator || return
    keys "$menu" alt+F4
    expect_clean_exit "$suite: the program"
    echo "$suite: smoke test: every screen computed, the solution windows opened, closed with status 0"
}

# Everything under the folders an installation may touch, to compare before and after.
snapshot() {
    in_root find /opt /usr/local "$@" -xdev 2>/dev/null | sort
}

# install.sh for one kind of user: files in place, an entry that validates and starts the
# installed program, an upgrade over an older version in place, and --uninstall leaving the
# folders as they were.
install_test() {
    local user=$1 home program_path entry record as=()
    if [[ $user == root ]]; then
        home=/root program_path=/opt/reshalkin/reshalkin record=/opt/reshalkin/installed-files
        entry=/usr/local/share/applications/$app_id.desktop
    else
        home=/home/$user program_path=$home/.local/bin/reshalkin
        record=$home/.local/share/reshalkin/installed-files
        entry=$home/.local/share/applications/$app_id.desktop
        as=(-u "$user")
    fi
    local before after
    before=$(snapshot "$home")
    in_root "${as[@]}" /tmp/"$name"/install.sh >"$work/install.log" 2>&1 ||
        { fail "$suite, $user: install.sh failed: $(cat "$work/install.log")"; return; }
    for file in "$program_path" "$entry" "$(dirname "$entry")/../metainfo/$app_id.metainfo.xml" \
        "$(dirname "$entry")/../icons/hicolor/256x256/apps/$app_id.png"; do
        [[ -f "$root$file" ]] || fail "$suite, $user: not installed: $file"
    done
    [[ $user != root || -L "$root/usr/local/bin/reshalkin" ]] || fail "$suite: no /usr/local/bin/reshalkin"
    desktop-file-validate "$root$entry" || fail "$suite, $user: the installed menu entry does not validate"
    grep -q "^Exec=\"$program_path\" --scale fit$" "$root$entry" ||
        fail "$suite, $user: the projector action does not start $program_path"
    # The entry's command starts the installed program.
    local command
    command=$(sed -n 's/^Exec=//p' "$root$entry" | head -n1 | tr -d '"')
    start_program runuser -u "$user" -- env HOME="$home" DISPLAY="$DISPLAY" "$command"
    menu=$(wait_window "^$product " 60) || fail "$suite, $user: the installed program showed no main menu"
    [[ -z "$menu" ]] || keys "$menu" alt+F4
    expect_clean_exit "$suite, $user: the installed program"
    # An older version with a file this one no longer has: the upgrade removes it, keeps one record.
    local stale
    stale=$(dirname "$entry")/../icons/hicolor/256x256/apps/$app_id-old.png
    # shellcheck disable=SC2016 # expanded in the chroot
    in_root "${as[@]}" sh -c 'touch "$1" && echo "f $1" >>"$2"' stale "$stale" "$record"
    in_root "${as[@]}" /tmp/"$name"/install.sh >"$work/install.log" 2>&1 ||
        fail "$suite, $user: install.sh over an older version failed"
    [[ ! -e "$root$stale" ]] || fail "$suite, $user: the upgrade left the older version's $stale"
    [[ -x "$root$program_path" ]] || fail "$suite, $user: the upgrade lost the program"
    in_root "${as[@]}" /tmp/"$name"/install.sh --uninstall >"$work/install.log" 2>&1 ||
        fail "$suite, $user: install.sh --uninstall failed"
    after=$(snapshot "$home")
    [[ "$before" == "$after" ]] ||
        fail "$suite, $user: --uninstall did not leave things as they were: $(diff <(echo "$before") <(echo "$after") | head -n 20)"
    echo "$suite, $user: installed, entry validates and starts it, upgraded in place, uninstalled"
}

# The main menu, the triangle and its solution as program $1 draws them on this machine's fonts,
# into $work/$2-*.png.
looks_of() {
    setsid "$1" >/dev/null 2>&1 &
    app=$!
    local window
    window=$(wait_window "^$product " 30) || { fail "$2: no main menu appeared"; return; }
    sleep 1 && import -window root "$work/$2-menu.png"
    keys "$window" space
    window=$(wait_window 'треугольника' 20) || { fail "$2: the triangle did not open"; return; }
    sleep 1 && import -window root "$work/$2-screen.png"
    keys "$window" F1
    wait_window '^Решение — ' 20 >/dev/null || { fail "$2: no solution window on F1"; return; }
    sleep 1 && import -window root "$work/$2-solution.png"
    kill -- "-$app" 2>/dev/null
    wait "$app" 2>/dev/null || true
    app=''
}

# Texts and fonts as the Debian package's build (build/, which the test command builds first)
# draws them: the same pixels, but for a blinking text caret.
same_looks() {
    local dynamic=build/reshalkin differing
    [[ -x $dynamic ]] || { echo "no $dynamic: the looks are not compared"; return; }
    looks_of "$dynamic" dynamic
    looks_of "$program" static
    for view in menu screen solution; do
        differing=$(compare -metric AE "$work/dynamic-$view.png" "$work/static-$view.png" null: 2>&1) ||
            true
        [[ $differing =~ ^[0-9]+$ && $differing -le 60 ]] ||
            fail "the $view looks otherwise than the dynamic program's: $differing pixels differ"
    done
    echo "the menu, a screen and its solution look as the dynamic program's, pixel for pixel"
}
same_looks

desktop-file-validate "$build/tarball/$name/share/applications/$app_id.desktop" ||
    fail "the tarball's menu entry does not validate"
grep -q '^Name=Крупно (для проектора)$' "$build/tarball/$name/share/applications/$app_id.desktop" ||
    fail "the tarball's menu entry has no projector action"

for suite in bullseye trixie; do
    clean=$(bash scripts/linux_chroot.sh "$suite" run | tail -n1)
    root=$work/$suite
    cp -a "$clean" "$root"
    tar -C "$root/tmp" -xzf "$tarball"
    # Every library found, and none outside the list but what the listed ones need themselves.
    libraries=$(in_root ldd /tmp/"$name"/reshalkin)
    ! grep -q 'not found' <<<"$libraries" || fail "$suite: $(grep 'not found' <<<"$libraries")"
    listed=$(awk '$2 == "=>" { print $1, $3 }' <<<"$libraries" | grep -wFf <(echo "$allowed_names") |
        awk '{ print $2 }')
    # shellcheck disable=SC2086 # one path a word
    beneath=$(in_root ldd $listed | awk '$2 == "=>" { print $1 }' | sort -u)
    strays=$(awk '$2 == "=>" { print $1 }' <<<"$libraries" | grep -vxFf <(echo "$allowed_names") |
        grep -vxFf <(echo "$beneath") || true)
    [[ -z "$strays" ]] || fail "$suite: ldd shows libraries outside $allowed: $strays"
    echo "$suite: ldd finds $(grep -c '=>' <<<"$libraries") libraries, all allowed or theirs"
    smoke_test
    install_test root
    linux_in_chroot "$root" useradd -m pupil
    install_test pupil
    rm -rf "$root"
done

echo "Linux tests: $failures failures, in $((SECONDS - started)) s"
[[ $failures -eq 0 ]]

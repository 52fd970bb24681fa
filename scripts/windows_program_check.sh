#!/usr/bin/env bash
# The Windows program file, read back with tools that did not write it (MinGW-w64's objdump and
# icoutils' wrestool): it imports Windows's own DLLs only (windows_system_dlls.txt), is a 64-bit
# GUI program, can print, and carries the icon of assets/icon.ico and a version record naming it.
#
#   bash scripts/windows_program_check.sh PROGRAM_FILE
set -euo pipefail
program=$(realpath "$1")
cd "$(dirname "$0")/.."

fail() {
    echo "windows_program_check.sh: $*" >&2
    exit 1
}

headers=$(x86_64-w64-mingw32-objdump -p "$program")
imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | sort -u)
others=$(sed -E 's/\.dll$//I' <<<"$imports" |
    grep -vixEf <(grep -v '^#' scripts/windows_system_dlls.txt) || true)
[[ -z "$others" ]] || fail "the program file imports DLLs that are not Windows's own: $others"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "the program file is not a GUI program"
grep -q 'Magic.*20b' <<<"$headers" || fail "the program file is not 64-bit"
# Printing goes through Qt's Windows printer support, a plug-in that Qt's print module builds in
# and imports itself: its class name is in the file where it is linked.
grep -qa QWindowsPrinterSupportPlugin "$program" || fail "the program file cannot print on Windows"
resources=$(wrestool --list "$program")
grep -q -- '--type=14 --name=1 ' <<<"$resources" || fail "the program file carries no icon group"
# The icon's images (resources 1, 2, ... of type 3), in order, are those of assets/icon.ico after
# its header (which counts the images in its bytes 4 and 5) and its directory.
icon=assets/icon.ico ico_header_bytes=6 ico_directory_entry_bytes=16
icon_images=$(od -An -tu2 -j4 -N2 "$icon" | tr -d ' ')
first_image_byte=$((ico_header_bytes + ico_directory_entry_bytes * icon_images + 1))
for image in $(seq "$icon_images"); do wrestool -x --raw --type=3 --name="$image" "$program"; done |
    cmp -s - <(tail -c "+$first_image_byte" "$icon") || fail "the program file's icon is not $icon"
program_file=$(basename "$program")
wrestool -x --raw --type=16 "$program" | iconv -c -f UTF-16LE -t UTF-8 | tr -d '\0' |
    grep -a 'OriginalFilename' | grep -qF "$program_file" ||
    fail "no version record naming $program_file"
echo "program file: $(stat -c %s "$program") bytes, imports $(tr '\n' ' ' <<<"$imports")"

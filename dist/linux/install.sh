#!/bin/sh
# Installs Решалкин from this folder: for the current user into ~/.local without root, or for
# every user into /opt/reshalkin and /usr/local/share as root. Adds the menu entry and the icon,
# and records what it added, so that «install.sh --uninstall» removes exactly that and an
# install over an older version replaces it in place.
#
#   ./install.sh               install (or upgrade)
#   ./install.sh --uninstall   remove
set -eu
here=$(cd "$(dirname "$0")" && pwd)

if [ "$(id -u)" -eq 0 ]; then
    program_dir=/opt/reshalkin
    link=/usr/local/bin/reshalkin
    data=/usr/local/share
    record=$program_dir/installed-files
    whom="для всех пользователей"
else
    [ -n "${HOME:-}" ] || { echo "Не задана домашняя папка (HOME)." >&2; exit 1; }
    program_dir=$HOME/.local/bin
    link=''
    data=$HOME/.local/share
    record=$data/reshalkin/installed-files
    whom="для пользователя $(id -un)"
fi
program=$program_dir/reshalkin

# Removes what the record names: files and links, then the folders the install made, deepest
# first, where nothing else has been put in them since.
uninstall() {
    [ -f "$record" ] || return 1
    dirs=$(grep '^d ' "$record.dirs" 2>/dev/null | cut -c3- | sort -r) || true
    grep -E '^[fl] ' "$record" | cut -c3- | while IFS= read -r path; do rm -f "$path"; done
    rm -f "$record" "$record.dirs"
    printf '%s\n' "$dirs" | while IFS= read -r path; do
        [ -z "$path" ] || rmdir "$path" 2>/dev/null || true
    done
}

# Makes a folder and the missing ones above it, recording each it made.
make_dir() {
    [ -d "$1" ] && return 0
    make_dir "$(dirname "$1")"
    mkdir "$1"
    echo "d $1" >>"$record_dirs"
}

# Copies a file into place by renaming a copy over it, so that a running program is not touched.
put() {
    make_dir "$(dirname "$2")"
    cp "$1" "$2.new"
    chmod "$3" "$2.new"
    mv -f "$2.new" "$2"
    echo "f $2" >>"$record_files"
}

if [ "${1:-}" = --uninstall ]; then
    if uninstall; then
        echo "Решалкин удалён ($whom)."
    else
        echo "Решалкин не установлен $whom." >&2
        exit 1
    fi
    exit 0
fi
[ $# -eq 0 ] || { echo "Использование: $0 [--uninstall]" >&2; exit 2; }

# An older version's files go first (the folders it made stay, recorded again below).
record_files=$(mktemp)
record_dirs=$(mktemp)
trap 'rm -f "$record_files" "$record_dirs"' EXIT
if [ -f "$record" ]; then
    grep -E '^[fl] ' "$record" | cut -c3- | while IFS= read -r path; do rm -f "$path"; done
    cat "$record.dirs" >>"$record_dirs" 2>/dev/null || true
fi

put "$here/reshalkin" "$program" 755
if [ -n "$link" ]; then
    make_dir "$(dirname "$link")"
    ln -sfn "$program" "$link"
    echo "l $link" >>"$record_files"
    put "$here/LICENSE" "$program_dir/LICENSE" 644
    put "$here/README.txt" "$program_dir/README.txt" 644
fi
(cd "$here/share" && find . -type f) | sort | while IFS= read -r file; do
    file=${file#./}
    case $file in
    applications/*.desktop)
        # The menu entry starts the program where it was installed, with or without PATH.
        sed "s|^Exec=reshalkin|Exec=\"$program\"|" "$here/share/$file" >"$record_files.entry"
        put "$record_files.entry" "$data/$file" 644
        rm -f "$record_files.entry"
        ;;
    *) put "$here/share/$file" "$data/$file" 644 ;;
    esac
done
make_dir "$(dirname "$record")"
mv -f "$record_files" "$record"
mv -f "$record_dirs" "$record.dirs"
chmod 644 "$record" "$record.dirs"
trap - EXIT
echo "Решалкин установлен $whom: $program"
echo "Он появится в меню в разделе «Образование»."

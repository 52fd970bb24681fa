#!/usr/bin/env bash
# Installs the Debian packages that are missing from the given lists: by default the program's
# (packages.txt) and the tests' (test-packages.txt). Needs root or sudo.
#
#   scripts/install-deps.sh [LIST...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || set -- "$here/packages.txt" "$here/test-packages.txt"
mapfile -t wanted < <(cat "$@" | grep -vE '^\s*(#|$)')
missing=()
for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

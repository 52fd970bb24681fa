#!/usr/bin/env bash
# Printing to a real print queue: a cupsd of the test's own (its configuration, spool and socket
# in a folder of its own, no network), a CUPS-PDF queue on it, and the GUI test
# PrintQueue.ThePrintedPageIsTheWindowsPage printing through the program's print code to that
# queue and reading the PDF cups-pdf writes. Skips (77) where CUPS or cups-pdf is not installed.
# Run as root, as the test command is: cups-pdf runs as root only under a root cupsd.
#
#   print_queue_test.sh APP_TESTS      (the display is named in $RESHALKIN_TEST_DISPLAY_FILE)
set -uo pipefail
tests=$1
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null || [ ! -x "$backend" ] ||
    [ ! -f "$ppd" ]; then
    echo "print_queue_test.sh: needs cups and printer-driver-cups-pdf; skipped" >&2
    exit 77
fi

# A job from a user with no account lands in cups-pdf's folder for anonymous jobs.
landing=$(awk '$1 == "AnonDirName" { print $2 }' /etc/cups/cups-pdf.conf 2>/dev/null)
landing=${landing:-/var/spool/cups-pdf/ANONYMOUS}
export CUPS_USER=reshalkin-print-test

folder=$(mktemp -d)
chmod 755 "$folder"  # the filters run as lp
cupsd_pid=
stop() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -rf "$folder"
}
trap stop EXIT
trap 'exit 1' TERM INT  # a timeout stops cupsd too

mkdir "$folder/config" "$folder/spool" "$folder/cache" "$folder/state"
cat >"$folder/config/cupsd.conf" <<EOF
Listen $folder/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$folder/config/cups-files.conf" <<EOF
ServerRoot $folder/config
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/spool
AccessLog $folder/access_log
ErrorLog $folder/error_log
PageLog $folder/page_log
FileDevice No
EOF
cupsd -f -c "$folder/config/cupsd.conf" -s "$folder/config/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$folder/cups.sock
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.1
done
queue=reshalkin-pdf
if ! timeout 30 lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null; then
    echo "print_queue_test.sh: no queue on the test's cupsd" >&2
    cat "$folder/error_log" >&2 2>/dev/null
    exit 1
fi

RESHALKIN_TEST_PRINT_QUEUE=$queue RESHALKIN_TEST_PRINT_LANDING=$landing \
    "$tests" --gtest_filter='PrintQueue.*'
status=$?
[ $status -eq 0 ] || cat "$folder/error_log" >&2 2>/dev/null
exit $status

#!/bin/sh
# SPDX-License-Identifier: MIT
# A private CUPS server for tests, independent of any system cupsd.
#
#   cups-server.sh start DIR QUEUE[:PAPER]...
#       Starts cupsd with its configuration, spool and logs under DIR (created
#       if missing), listening only on the socket DIR/cups.sock, and adds one
#       cups-pdf queue per QUEUE name, with PAPER (e.g. Letter) as its default
#       paper when given; the first is the default destination.
#       Prints the environment to export, one VAR=value line each:
#         CUPS_SERVER    the server's socket, for libcups (lp, lpstat, Qt)
#         CUPS_PDF_OUT   the folder where cups-pdf writes the PDFs of jobs
#                        submitted by the calling user (from cups-pdf.conf)
#       e.g.  eval "$(tests/cups/cups-server.sh start /tmp/cups pdf-a pdf-b | sed 's/^/export /')"
#   cups-server.sh stop DIR
#       Stops the server started on DIR (by its process id) and waits for it.
#
# Needs cupsd, the cups-pdf backend and pdftocairo (Debian: cups,
# printer-driver-cups-pdf, poppler-utils).
# cups-pdf writes only when cupsd runs as root; output lands in its configured
# folder (by default ${HOME}/PDF of the submitting user), named after the job
# title: every queue writes to the same folder, so give jobs unique titles
# (QPrinter::setDocName) and wait until `lpstat -o` is empty before reading.
# Unset LPDEST and PRINTER, which would override the default destination.
# DIR must not contain blanks. Exits non-zero with a message on stderr when
# anything is missing, stopping a server it had already started.
set -eu

die() {
    echo "cups-server.sh: $*" >&2
    exit 1
}

find_cupsd() {
    for candidate in "$(command -v cupsd 2>/dev/null || true)" /usr/sbin/cupsd /sbin/cupsd; do
        if [ -n "$candidate" ] && [ -x "$candidate" ]; then
            echo "$candidate"
            return
        fi
    done
    die "cupsd not found (install the cups package)"
}

cups_pdf_ppd() {
    for candidate in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd \
        /usr/share/ppd/cups-pdf/CUPS-PDF.ppd; do
        if [ -r "$candidate" ]; then
            echo "$candidate"
            return
        fi
    done
    die "cups-pdf PPD not found (install printer-driver-cups-pdf)"
}

# The folder cups-pdf writes to for the current user: its Out setting with
# ${HOME} and ${USER} expanded from the password database, as cups-pdf does.
cups_pdf_out() {
    user=$(id -un)
    home=$(getent passwd "$user" | cut -d: -f6)
    out=/var/spool/cups-pdf/'${USER}'
    if [ -r /etc/cups/cups-pdf.conf ]; then
        configured=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf | tail -n 1)
        [ -n "$configured" ] && out=$configured
    fi
    printf '%s\n' "$out" | sed -e "s|\${HOME}|$home|g" -e "s|\${USER}|$user|g" -e 's|[[:space:]]*$||'
}

write_config() {
    dir=$1
    mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/ppd"
    cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
MaxLogSize 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice No
CONF
}

wait_for_server() {
    tries=0
    until lpstat -r 2>/dev/null | grep -q "is running"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$1" 2>/dev/null; then
            cat "$dir/log/error_log" >&2 2>/dev/null || true
            die "cupsd did not start"
        fi
        sleep 0.1
    done
}

start() {
    [ $# -ge 2 ] || die "usage: cups-server.sh start DIR QUEUE..."
    dir=$1
    shift
    [ "$(id -u)" = 0 ] || die "must run as root: cups-pdf writes only under a root cupsd"
    cupsd=$(find_cupsd)
    ppd=$(cups_pdf_ppd)
    command -v pdftocairo >/dev/null || die "pdftocairo not found (install poppler-utils)"
    [ -x /usr/lib/cups/backend/cups-pdf ] || [ -r /usr/lib/cups/backend/cups-pdf ] ||
        die "cups-pdf backend not found (install printer-driver-cups-pdf)"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    if [ -f "$dir/server.pid" ] && kill -0 "$(cat "$dir/server.pid")" 2>/dev/null; then
        die "a server already runs on $dir"
    fi
    # Filters run as the lp user and must reach the spool.
    chmod 755 "$dir"
    write_config "$dir"
    "$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >>"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$dir/server.pid"
    # A server that could not be set up is not left running.
    trap 'stop "$dir"' EXIT
    CUPS_SERVER=$dir/cups.sock
    export CUPS_SERVER
    wait_for_server "$(cat "$dir/server.pid")"
    for entry in "$@"; do
        queue=${entry%%:*}
        # pdftocairo keeps the text of the PDF searchable through the
        # PostScript that cups-pdf takes in; other renderers lose it.
        lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" -o pdftops-renderer-default=pdftocairo >&2 ||
            die "cannot add queue $queue"
        if [ "$queue" != "$entry" ]; then
            lpadmin -p "$queue" -o PageSize="${entry#*:}" -o media="${entry#*:}" >&2 ||
                die "cannot give queue $queue the paper ${entry#*:}"
        fi
    done
    lpadmin -d "${1%%:*}" >&2 || die "cannot make ${1%%:*} the default destination"
    out=$(cups_pdf_out)
    mkdir -p "$out"
    trap - EXIT
    echo "CUPS_SERVER=$CUPS_SERVER"
    echo "CUPS_PDF_OUT=$out"
}

stop() {
    [ $# -eq 1 ] || die "usage: cups-server.sh stop DIR"
    pidfile=$1/server.pid
    [ -f "$pidfile" ] || die "no server was started on $1"
    pid=$(cat "$pidfile")
    if kill "$pid" 2>/dev/null; then
        tries=0
        while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 100 ]; do
            tries=$((tries + 1))
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$pidfile"
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
start) start "$@" ;;
stop) stop "$@" ;;
*) die "usage: cups-server.sh start DIR QUEUE... | stop DIR" ;;
esac

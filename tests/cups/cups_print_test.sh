#!/usr/bin/env bash
# Prints through a private CUPS daemon whose default queue is a cups-pdf PDF
# printer, then lets the Qt test binary check the PDFs the queue wrote.
# Usage: cups_print_test.sh QT_TEST_BINARY
# Exits 77 (skipped) when CUPS, cups-pdf or root rights are not there.
set -u
tests_bin=$1
skip() { echo "SKIPPED: $*"; exit 77; }

cupsd_bin=$(command -v cupsd || echo /usr/sbin/cupsd)
lpadmin_bin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
[ -x "$cupsd_bin" ] || skip "cupsd is not installed (scripts/deps.sh installs it)"
[ -x "$lpadmin_bin" ] || skip "lpadmin is not installed"
backend=/usr/lib/cups/backend/cups-pdf
[ -e "$backend" ] || skip "the cups-pdf backend is not installed"
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n1)
[ -n "$ppd" ] || skip "no cups-pdf PPD"
# cups-pdf reads its settings from /etc/cups only, one file per instance name,
# and runs as root.
[ "$(id -u)" -eq 0 ] && [ -w /etc/cups ] || skip "needs root to give cups-pdf its own settings file"

instance="bwtest$$"
dir=$(mktemp -d /tmp/bindlewick-cups-XXXXXX)
conf=/etc/cups/cups-pdf-$instance.conf
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -f "$conf"
    if [ -n "${KEEP_CUPS_OUTPUT:-}" ]; then echo "output kept in $dir"; else rm -rf "$dir"; fi
}
trap cleanup EXIT

# The daemon drops to user lp for its filters: every folder must let it in.
mkdir -p "$dir"/{root,state,cache,spool,tmp,log,out,cupspdf-spool}
chmod 755 "$dir" "$dir"/*
chmod 1777 "$dir/out" "$dir/tmp" "$dir/cupspdf-spool"
sock="$dir/cups.sock"

cat > "$dir/root/cupsd.conf" <<CONF
Listen $sock
LogLevel debug
WebInterface No
Browsing No
DefaultShared No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/root/cups-files.conf" <<CONF
ServerRoot $dir/root
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
SystemGroup root
Sandboxing Relaxed
CONF
cat > "$conf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/cupspdf-spool
Log $dir/log
UserPrefix
LogType 3
CONF
chmod 644 "$conf"

"$cupsd_bin" -f -c "$dir/root/cupsd.conf" -s "$dir/root/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
pid=$!
up=""
for _ in $(seq 100); do
    if [ -S "$sock" ] && lpstat -h "$sock" -r >/dev/null 2>&1; then up=1; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$up" ]; then
    echo "the private cupsd did not start"; cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tail -30
    exit 1
fi

if ! "$lpadmin_bin" -h "$sock" -p BindlewickPDF -v "cups-pdf:/$instance" -P "$ppd" -E ||
   ! "$lpadmin_bin" -h "$sock" -d BindlewickPDF; then
    echo "could not create the PDF queue"; tail -30 "$dir/log/error_log"; exit 1
fi

# The program finds the daemon through its ordinary default-printer path.
export CUPS_SERVER="$sock"
export HOME="$dir/tmp"
unset PRINTER LPDEST
export BW_CUPS_OUTDIR="$dir/out"
export BW_CUPS_ERRORLOG="$dir/log/error_log"
export QT_QPA_PLATFORM=offscreen
timeout 300 "$tests_bin" --gtest_filter='CupsPrint.*' --gtest_also_run_disabled_tests
rc=$?
[ $rc -eq 0 ] || tail -40 "$dir/log/error_log"
exit $rc

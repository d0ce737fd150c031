#!/usr/bin/env bash
# The Windows programs end to end under Wine, on drives Wine maps to folders and gives a type:
# a test disc on the CD-ROM drive D: found without --drive and run with the defaults; the same
# disc on a network drive as well, with NET; a run cancelled with Ctrl-C; a whole disc; Wine
# answering as Windows 95 with CDFS values.
# Usage: wine_drives_test.sh WINE VANTRIC-CLI.EXE VANTRIC-MKDISC.EXE WIN32-PLATFORM-TESTS.EXE
set -euo pipefail
wine=$1 cli=$2 mkdisc=$3 platform_tests=$4

wineserver=$(dirname "$wine")/wineserver
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*" >&2
  for f in "$work"/*.out "$work"/*.err; do [ -f "$f" ] && { echo "--- $f"; cat "$f"; }; done >&2
  exit 1
}
# A program that lost its Wine server before it started (seen on a loaded machine while the
# server was going away after the previous program) is started once more.
lost_server() { grep -q '^wine client error' "$1"; }
# Runs a Windows program; its exit status lands in $status, its output in NAME.out and NAME.err.
run() {
  local name=$1
  shift
  local attempt
  for attempt in 1 2; do
    status=0
    "$wine" "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
    lost_server "$work/$name.err" || break
    "$wineserver" -w
  done
}
# Wine reads its drive types and version once per session: a change takes effect in the next.
reg_add() {
  "$wine" reg add "$@" /f >/dev/null
  "$wineserver" -w
}
has_line() { tr -d '\r' <"$1" | grep -qxF -- "$2"; }

start=$SECONDS
"$wine" wineboot -i >/dev/null 2>&1
echo "Wine prefix made in $((SECONDS - start)) s"

# D: is a CD-ROM drive holding the folder the disc maker writes.
mkdir -p "$work/cdrom" "$work/share"
ln -s "$work/cdrom" "$WINEPREFIX/dosdevices/d:"
reg_add 'HKLM\Software\Wine\Drives' /v 'd:' /d cdrom
run mkdisc "$mkdisc" 'D:\'
[ "$status" -eq 0 ] || fail "vantric-mkdisc.exe exited $status"
[ "$(stat -c %s "$work/cdrom/DATA/VANTRIC.DAT")" -eq 613492736 ] || fail "test file size"

# A default run, found by itself; the log gains one report after what it held.
printf 'earlier run\r\n' >"$WINEPREFIX/drive_c/vantric.log"
start=$SECONDS
run default "$cli" --log 'C:\vantric.log'
[ "$status" -eq 0 ] || fail "default run exited $status"
echo "Default run on D: in $((SECONDS - start)) s"
has_line "$work/default.err" 'Test file: D:\DATA\VANTRIC.DAT (direct reads)' || fail "test file line"
log=$WINEPREFIX/drive_c/vantric.log
cmp -s -n 13 <(printf 'earlier run\r\n') "$log" || fail "the log's old content changed"
[ "$(grep -c 'Pass Test Results' "$log")" -eq 1 ] || fail "one report in the log"
[ "$(grep -c $'\r$' "$log")" -eq "$(wc -l <"$log")" ] || fail "a log line without CR LF"
grep -q '^     Drive rating: [0-9.]*X' <(tr -d '\r' <"$log") || fail "no rating in the log"

# The same disc on a network drive: searched only with NET, and then there are two.
ln "$work/cdrom/DATA/VANTRIC.DAT" "$work/share/VANTRIC.DAT"
ln -s "$work/share" "$WINEPREFIX/dosdevices/e:"
reg_add 'HKLM\Software\Wine\Drives' /v 'e:' /d network
run net "$cli" NET --tests read16
[ "$status" -eq 1 ] || fail "NET run exited $status, not 1"
has_line "$work/net.err" 'Please insert only ONE Vantric disc in CD-ROM drive(s) for test.' ||
  fail "no several-discs message"
run without_net "$cli" --tests read16
[ "$status" -eq 0 ] || fail "a run without NET exited $status"

# Ctrl-C, which Wine hands to the console's control handlers as CTRL_C_EVENT, cancels the run.
for attempt in 1 2; do
  "$wine" "$cli" --tests read16,read2 >"$work/cancel.out" 2>"$work/cancel.err" &
  pid=$!
  for _ in $(seq 300); do
    grep -q '^Test file' "$work/cancel.err" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  lost_server "$work/cancel.err" || break
  wait "$pid" || true
  "$wineserver" -w
done
kill -INT "$pid" || fail "the run ended before Ctrl-C could cancel it"
status=0
wait "$pid" || status=$?
[ "$status" -eq 130 ] || fail "a run cancelled with Ctrl-C exited $status, not 130"
has_line "$work/cancel.err" 'Test aborted by user.' || fail "no cancel message"
[ ! -s "$work/cancel.out" ] || fail "a cancelled run printed a report"

# Any disc, with --whole-disc. Wine's drives answer no drive commands: D:, a CD-ROM drive that
# is a folder, holds no disc it can read through its volume. An image file stands in for a disc
# instead, through the same unbuffered open and reads as a drive's volume.
run nodisc "$cli" --curve 'C:\none.csv' --whole-disc
[ "$status" -eq 1 ] || fail "--whole-disc without a disc exited $status, not 1"
has_line "$work/nodisc.err" 'No disc in an optical drive:' || fail "no 'no disc' message"
tr -d '\r' <"$work/nodisc.err" | grep -q '^  D: reports no readable disc' ||
  fail "the CD-ROM drive D: was not looked at"
truncate -s 8M "$WINEPREFIX/drive_c/disc.iso"
run whole "$cli" --curve 'C:\disc.csv' --whole-disc --device 'C:\disc.iso'
[ "$status" -eq 0 ] || fail "--whole-disc on an image exited $status"
has_line "$work/whole.err" 'Whole disc: C:\disc.iso (device reads), 8388608 bytes' ||
  fail "the image was not read as a whole disc"
csv=$WINEPREFIX/drive_c/disc.csv
[ "$(head -1 "$csv")" = position_mb,position_percent,kbps,cd_x ] || fail "the CSV's header"
# 4096 sectors make 86 stretches of 48.
[ "$(wc -l <"$csv")" -eq 87 ] || fail "the CSV holds $(wc -l <"$csv") lines, not 87"

# Windows 95, with the CD file system's cache values in the registry.
reg_add 'HKCU\Software\Wine' /v Version /d win95
cdfs='HKLM\System\CurrentControlSet\Control\FileSystem\CDFS'
reg_add "$cdfs" /v Prefetch /t REG_DWORD /d 32
reg_add "$cdfs" /v CacheSize /t REG_DWORD /d 1312
VANTRIC_EXPECT_WINDOWS_95=1 run version "$platform_tests" --gtest_filter='Win32System.TheVersion*'
[ "$status" -eq 0 ] || fail "the version word does not say Windows 95"
run win95 "$cli" --tests read16 --log 'C:\win95.log'
[ "$status" -eq 0 ] || fail "Windows 95 run exited $status"
for report in "$work/win95.out" "$WINEPREFIX/drive_c/win95.log"; do
  has_line "$report" '     CDFS read ahead: 64k' || fail "read ahead in $report"
  has_line "$report" '     CDFS cache size: 2560k' || fail "cache size in $report"
done
echo "All Wine drive runs passed"

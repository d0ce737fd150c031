#!/usr/bin/env bash
# vantric.exe under Wine on a virtual display of its own, driven by key presses as a user would:
# a run on a simulated 8X CLV drive with a log file named in the configuration dialog, read
# back from the log; a run of 99 passes cancelled with Enter on Cancel, which reports the abort
# and logs nothing; closing the main window ends the program with exit code 0. Last, Wine answers as
# Windows 95 with the CD file system's cache values, and the main window shows them.
# Usage: wine_desktop_test.sh WINE VANTRIC.EXE WINDOW_PROBE.EXE [PICTURES_DIR [dark]]
# After the logged run, Print puts the report on the default printer; when that is a cups-pdf
# queue (scripts/setup-cups) the page is read back: one page, its rows those of the log.
# With PICTURES_DIR, pictures of the windows are taken on the way (scripts/screenshots/take-windows),
# under a dark desktop colour scheme with "dark".
set -euo pipefail
wine=$1 vantric=$2 probe=$3 pictures=${4:-} scheme=${5:-}

if [ -z "${VANTRIC_OWN_DISPLAY:-}" ]; then
  # Its own display and window manager: no other test's windows take the keys.
  exec env VANTRIC_OWN_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    bash "$0" "$@"
fi
openbox >/dev/null 2>&1 &
window_manager=$!
[ -z "$pictures" ] || mkdir -p "$pictures"

. "$(dirname "$0")/cups_pdf.sh"
wineserver=$(dirname "$wine")/wineserver
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  kill "$window_manager" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*" >&2
  for f in "$work"/*.out "$work"/*.err; do [ -f "$f" ] && { echo "--- $f"; cat "$f"; }; done >&2
  import -window root "${TMPDIR:-/tmp}/wine-desktop-failure.png" 2>/dev/null &&
    echo "The screen then: ${TMPDIR:-/tmp}/wine-desktop-failure.png" >&2
  exit 1
}
reg_add() {
  "$wine" reg add "$@" /f >/dev/null
  "$wineserver" -w
}
# The visible window with exactly this caption, once it is there and has the keyboard.
window() {
  local id
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
    if [ -n "$id" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ]; then
      echo "$id"
      return
    fi
    [ -n "$id" ] && xdotool windowactivate "$id" 2>/dev/null || true
    sleep 0.1
  done
  fail "no window \"$1\""
}
gone() {
  for _ in $(seq 600); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window \"$1\" stays"
}
keys() { xdotool key --delay 30 "$@"; }
# The controls of a window as the program's own calls see them: class, visible, enabled, text.
probe() { "$wine" "$probe" "$1" 2>/dev/null | tr -d '\r'; }
picture() {
  if [ -n "$pictures" ]; then
    sleep 0.5
    import -window root -trim +repage "$pictures/$1.png"
  fi
}
log=$WINEPREFIX/drive_c/journey.log
reports() { grep -c 'Pass Test Results' "$log" 2>/dev/null || true; }

start=$SECONDS
"$wine" wineboot -i >/dev/null 2>&1
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
if [ "$scheme" = dark ]; then
  # Wine's own colour settings, which its controls and frames take from the registry.
  cat >"$work/dark.reg" <<'COLOURS'
REGEDIT4

[HKEY_CURRENT_USER\Control Panel\Colors]
"ActiveTitle"="60 60 60"
"Background"="20 20 20"
"ButtonDkShadow"="0 0 0"
"ButtonFace"="45 45 48"
"ButtonHilight"="80 80 80"
"ButtonLight"="60 60 60"
"ButtonShadow"="20 20 20"
"ButtonText"="230 230 230"
"GrayText"="120 120 120"
"Hilight"="70 90 140"
"InactiveTitle"="40 40 40"
"InactiveTitleText"="160 160 160"
"Menu"="45 45 48"
"MenuText"="230 230 230"
"TitleText"="230 230 230"
"Window"="30 30 30"
"WindowText"="230 230 230"
COLOURS
  "$wine" regedit /S "$work/dark.reg"
  "$wineserver" -w
fi
echo "Wine prefix made in $((SECONDS - start)) s"

# The journey: Configure, a log file name typed into the dialog, Ok, Run Test.
start=$SECONDS
"$wine" "$vantric" --simulate 8x-clv >"$work/vantric.out" 2>"$work/vantric.err" &
program=$!
main="Vantric 1.65 for Windows 95/NT"
window "$main" >/dev/null
picture main-window
# The NT family shows no cache values.
probe "$main" | grep -q $'^Static\t0\t1\tWin95 CDFS read ahead  is ' || fail "read-ahead label shown"
keys Tab Return
window "Vantric Configuration" >/dev/null
picture configuration-dialog
# LogEdit comes after the 16 controls before it in the tab order.
keys $(printf 'Tab %.0s' $(seq 16))
xdotool type --delay 30 'C:\journey.log'
keys Return
gone "Vantric Configuration"
window "$main" >/dev/null
keys shift+Tab Return
window "Enter Information for Log File or Results Printout" >/dev/null
picture user-information-dialog
token="Journey drive $$.$RANDOM"
xdotool type --delay 30 "$token"
keys Return
results=$(window "Vantric 1 Pass Test Results")
picture results-window
echo "Run on the simulated 8X CLV drive in $((SECONDS - start)) s"
[ "$(reports)" -eq 1 ] || fail "one report in the log, found $(reports)"
tr -d '\r' <"$log" >"$work/journey.out"
for line in '     Drive rating: 8.0X' '     Drive type: CLV' "     $token"; do
  grep -qxF -- "$line" "$work/journey.out" || fail "no line \"$line\" in the log"
done
probe "Vantric 1 Pass Test Results" | grep -qx $'Static\t1\t1\tDrive rating: 8.0X' ||
  fail "the results window shows no rating"

# Print, the button after Ok: the user information was given for the log, so it prints at once.
if folder=$(cups_pdf_folder); then
  cups_pdf_list "$folder" >"$work/before"
  keys Tab Return
  pdf=$(cups_pdf_job "$folder" "$work/before" "$token" 90) || fail "no printed page in $folder"
  [ "$(pdfinfo "$pdf" | sed -n 's/^Pages:[[:space:]]*//p')" = 1 ] || fail "not one page"
  page_text -layout "$pdf" | tr -s ' \t\f\r' ' ' | sed 's/^ //; s/ $//' >"$work/page.out"
  grep -qxF "Vantric 1.65 for Windows 95 - 1 Pass Test Results" "$work/page.out" ||
    fail "no title on the page"
  # Every row, a label and its value, as the log has it: the log writes a disabled 8X or 12X
  # test with a small x, and a disabled user test without its rate.
  sed 's/^ *//' "$work/journey.out" >"$work/log.out"
  grep ': ' "$work/page.out" | grep -v '^Test \(Started\|Ended\)' |
    sed 's/^User [^:]*kps: Disabled$/User: Disabled/' >"$work/rows.out"
  [ "$(wc -l <"$work/rows.out")" -eq 24 ] || fail "$(wc -l <"$work/rows.out") rows on the page"
  while read -r row; do
    grep -qixF -- "$row" "$work/log.out" || fail "the printed row \"$row\" is not in the log"
  done <"$work/rows.out"
  echo "Print gave one page whose rows are the log's"
  keys shift+Tab
else
  echo "Print not tried: $folder"
fi
keys Return
gone "Vantric 1 Pass Test Results"

# 99 passes, so that the run is still going however fast the machine, then Run Test and Cancel
# at once: the abort is reported at the results window and not logged.
window "$main" >/dev/null
keys Tab Return
window "Vantric Configuration" >/dev/null
# From the log file name, where the focus was left, to the passes; Tab selects their text.
keys Tab Tab
xdotool type --delay 30 99
keys Return
gone "Vantric Configuration"
window "$main" >/dev/null
keys shift+Tab Return
window "Vantric Pass 1 of 99" >/dev/null
keys Return
window "Vantric 95/Pro" >/dev/null
picture message-box
probe "Vantric 95/Pro" | grep -q $'\tTest aborted by user\\.$' || fail "no abort message"
keys Return
window "$main" >/dev/null
[ "$(reports)" -eq 1 ] || fail "the cancelled run was logged"
probe "$main" | grep -qx $'Button\t1\t0\tView Results' || fail "View Results enabled after a cancel"
[ "$(xdotool search --onlyvisible --name '^Vantric' | wc -l)" -eq 1 ] || fail "windows left open"
keys alt+F4
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "vantric.exe exited $status after its main window was closed"

# Windows 95 with the CD file system's cache values: the main window shows them.
reg_add 'HKCU\Software\Wine' /v Version /d win95
cdfs='HKLM\System\CurrentControlSet\Control\FileSystem\CDFS'
reg_add "$cdfs" /v Prefetch /t REG_DWORD /d 32
reg_add "$cdfs" /v CacheSize /t REG_DWORD /d 1312
"$wine" "$vantric" --simulate 8x-clv >"$work/win95.out" 2>"$work/win95.err" &
program=$!
window "$main" >/dev/null
picture main-window-95
probe "$main" >"$work/labels.out"
grep -qx $'Static\t1\t1\tWin95 CDFS read ahead  is 64k' "$work/labels.out" || fail "read ahead"
grep -qx $'Static\t1\t1\tWin95 CDFS cache size is 2560k' "$work/labels.out" || fail "cache size"
keys alt+F4
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "vantric.exe as Windows 95 exited $status"
echo "The desktop under Wine passed"

#!/usr/bin/env bash
# The report of a simulated run printed by the Windows build under Wine on the default
# printer, a cups-pdf queue (scripts/setup-cups). The test program writes the run's log lines,
# the lines it expects on the page with the column, font and advance of each, and the printer's
# geometry, then prints; the PDF the queue makes of the job must be one page that reads as those
# lines in those fonts, each where the layout puts it, whose rows hold the log's values. Exits
# 77 (skipped) when there is no such queue to read a page back from.
# Usage: wine_print_test.sh WINE WIN32-PRINT-TESTS.EXE
set -euo pipefail
wine=$1 program=$2
readonly job_seconds=90
# Points between where a word is and where the layout puts it: a printer unit at 300 dots per
# inch is 0.24 points.
readonly tolerance=0.5

skip() {
  echo "Skipped: $*"
  exit 77
}
. "$(dirname "$0")/cups_pdf.sh"
folder=$(cups_pdf_folder) || skip "$folder"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

token=$$.$RANDOM
cups_pdf_list "$folder" >"$work/before"
start=$SECONDS
VANTRIC_PRINT_FILES="Z:${work//\//\\}" VANTRIC_PRINT_TOKEN=$token \
  "$wine" "$program" --gtest_filter='PrintedReport.*' || fail "the test program failed"

pdf=$(cups_pdf_job "$folder" "$work/before" "Wine job $token" "$job_seconds") || true
[ -n "$pdf" ] || fail "no page of this job in $folder within $job_seconds s"
echo "Printed page: $pdf, $((SECONDS - start)) s after the program started"

pages=$(pdfinfo "$pdf" | sed -n 's/^Pages:[[:space:]]*//p')
[ "$pages" = 1 ] || fail "the job has $pages pages"

# Every line of the report, in order.
page_text -layout "$pdf" | tr -s ' \t\f\r' ' ' | sed 's/^ //; s/ $//' | grep -v '^$' \
  >"$work/read" || true
diff -u "$work/page.txt" "$work/read" || fail "the page does not read as the report"

# Each line's font, as its size in points and style.
pdftohtml -xml -i -zoom 1 -stdout "$pdf" | awk '
  function attribute(name) { return match($0, name "=\"[^\"]*\"") ? substr($0, RSTART + length(name) + 2, RLENGTH - length(name) - 3) : "" }
  /<fontspec / { size[attribute("id")] = attribute("size") }
  /<text / { print size[attribute("font")], (/<i>/ ? "italic" : "upright") }' >"$work/fonts"
diff -u <(cut -d' ' -f2,3 "$work/shapes.txt") "$work/fonts" || fail "the lines' fonts are not the report's"

# Each word's box in points, as "top left right text", top to bottom and left to right.
page_text -bbox "$pdf" |
  sed -n 's|.*<word xMin="\([0-9.]*\)" yMin="\([0-9.]*\)" xMax="\([0-9.]*\)" yMax="[0-9.]*">\(.*\)</word>|\2 \1 \3 \4|p' |
  sort -s -k1,1g -k2,2g >"$work/words"
# Where the lines are: title, times and headings at u, the user texts at 2u, and each row's
# label ending and its value starting at 3u; each line as far below the last one in its font
# as that line's advance says. Writes the rows as "label value" to rows.
read -r width dots_per_inch offset <"$work/printer.txt"
awk -v width="$width" -v dpi="$dots_per_inch" -v offset="$offset" -v tolerance="$tolerance" \
  -v rows="$work/rows" '
  function abs(x) { return x < 0 ? -x : x }
  function complain(text) { print "line " line ": " text; failed = 1 }
  function at(units) { return (offset + units) * 72 / dpi }
  function check_height(   height) {
    if (line == 1 || size[line] != size[line - 1]) return
    height = (top - last_top) / advance[line - 1]
    if (!(size[line] in line_height)) line_height[size[line]] = height
    if (abs(height - line_height[size[line]]) > tolerance)
      complain("a line height of " height " pt where the font had " line_height[size[line]])
    # A line of Arial is about 1.15 of its size.
    if (height < 1.1 * size[line] || height > 1.2 * size[line])
      complain("a line height of " height " pt in a font of " size[line] " points")
  }
  function check_row(   i, label, value, label_end, value_start) {
    label = value = ""; value_start = -1
    for (i = 0; i < n; i++) {
      if (left[i] < at(3 * u) - tolerance) {
        label = label (label == "" ? "" : " ") words[i]; label_end = right[i]
      } else {
        if (value_start < 0) value_start = left[i]
        value = value (value == "" ? "" : " ") words[i]
      }
    }
    if (abs(value_start - at(3 * u)) > tolerance)
      complain("the value starts at " value_start " pt, not " at(3 * u))
    # The label ends in a space, drawn just short of the column.
    if (label == "" || label_end >= at(3 * u) || label_end < at(3 * u) - 6)
      complain("the label ends at " label_end " pt")
    if (!rows_seen++ || label_end < first_end) first_end = label_end
    if (label_end > last_end) last_end = label_end
    print label " " value >rows
  }
  function check_line() {
    if (++line > lines) { complain("not in the report: " words[0]); return }
    check_height()
    if (column[line] == "row") {
      check_row()
    } else if (abs(left[0] - at(column[line] == "margin" ? u : 2 * u)) > tolerance) {
      complain("starts at " left[0] " pt")
    }
    last_top = top
  }
  function flush() { if (n) check_line(); n = 0 }
  BEGIN { n = 0 }
  FNR == NR { ++lines; column[lines] = $1; size[lines] = $2; advance[lines] = $4; next }
  FNR == 1 {
    # The layout unit, an eighth of the printable width rounded, a half to the even neighbour.
    u = int(width / 8); if (width / 8 - u > 0.5 || (width / 8 - u == 0.5 && u % 2)) u++
  }
  {
    if (n && $1 - top > tolerance) flush()
    if (!n) top = $1
    left[n] = $2; right[n] = $3; words[n] = $4; for (i = 5; i <= NF; i++) words[n] = words[n] " " $i
    n++
  }
  END {
    flush()
    if (line != lines) { print line " lines on the page, " lines " in the report"; failed = 1 }
    if (last_end - first_end > tolerance)
      { print "the labels end between " first_end " and " last_end " pt"; failed = 1 }
    exit failed
  }' "$work/shapes.txt" "$work/words" || fail "the lines are not where the layout puts them"

# Each row with the value the run's log gives it (the log writes the 12X CPU test's label with
# a small x when it did not run).
tr -d '\r' <"$work/log.txt" | sed 's/^ *//' >"$work/log"
while read -r row; do
  grep -qixF -- "$row" "$work/log" || fail "the row \"$row\" is not in the log"
done <"$work/rows"
[ "$(wc -l <"$work/rows")" -eq "$(grep -c '^row ' "$work/shapes.txt")" ] || fail "rows missing"
echo "The page reads as the report, its rows as the log"

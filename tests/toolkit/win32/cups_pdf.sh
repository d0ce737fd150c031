# Reading back what Wine printed on the default printer, a cups-pdf queue (scripts/setup-cups).
# Sourced by the Wine tests that print.

# The folder cups-pdf writes this user's jobs into, when the default printer is a cups-pdf
# queue whose pages can be read back; otherwise the reason, and a failure.
cups_pdf_folder() {
  lpstat -r 2>/dev/null | grep -q 'scheduler is running' ||
    { echo "no CUPS scheduler is running (scripts/setup-cups starts one)"; return 1; }
  local queue folder
  queue=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
  [ -n "$queue" ] || { echo "CUPS has no default printer (scripts/setup-cups adds one)"; return 1; }
  lpstat -v "$queue" 2>/dev/null | grep -q ': cups-pdf:' ||
    { echo "the default printer $queue is not a cups-pdf queue"; return 1; }
  command -v pdftohtml >/dev/null ||
    { echo "poppler-utils, which read the page, are not installed"; return 1; }
  # Its setting, with its placeholders filled in.
  folder=$(sed -n 's/^Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  folder=${folder:-"\${HOME}/PDF"}
  folder=${folder//"\${USER}"/$(id -un)}
  echo "${folder//"\${HOME}"/$HOME}"
}

# The PDFs in the folder now, to tell a new job's from older ones.
cups_pdf_list() { find "$1" -maxdepth 1 -name '*.pdf' 2>/dev/null | sort; }

# The page's text. The hyphen comes back as a soft hyphen (U+00AD), the name both codes share
# in the page's font encoding.
page_text() { pdftotext "$@" - 2>/dev/null | sed 's/\xc2\xad/-/g'; }

# The new, complete PDF in FOLDER (not in the list BEFORE) whose text holds TOKEN, waiting up
# to SECONDS for it; nothing when none came.
cups_pdf_job() {
  local folder=$1 before=$2 token=$3 seconds=$4 candidate
  for _ in $(seq $((seconds * 5))); do
    while read -r candidate; do
      if tail -c 8 "$candidate" | grep -q '%%EOF' &&
        page_text "$candidate" | grep -qF "$token"; then
        echo "$candidate"
        return 0
      fi
    done < <(cups_pdf_list "$folder" | comm -13 "$before" -)
    sleep 0.2
  done
  return 1
}

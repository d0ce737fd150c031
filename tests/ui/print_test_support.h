#pragma once

#include <string>
#include <vector>

#include "run/report_layout.h"
#include "run/report_lines.h"

namespace vantric::testing {

// The one application object of the print tests, on whatever platform plugin is set.
void EnsureGuiApplication();

// The results window's report fonts: Arial 16 pt italic, 14 pt and 12 pt.
ReportFonts WindowReportFonts();

// Runs the command through the shell and returns what it wrote on stdout; sets *ok to whether
// it exited with 0.
std::string CommandOutput(const std::string& command, bool* ok);

// Runs of blanks made single, the ends trimmed.
std::string Squeezed(const std::string& text);

// The text of a PDF file as pdftotext lays it out: its lines that hold text, squeezed.
std::vector<std::string> PdfTextLines(const std::string& pdf_path);

// The lines that hold text on a page of this content, label and value joined and squeezed:
// what PdfTextLines should read back.
std::vector<std::string> ExpectedPageLines(const ReportContent& content);

}  // namespace vantric::testing

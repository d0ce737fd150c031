#pragma once

#include <string>
#include <vector>

#include "report_page_lines.h"
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

// The text of a PDF file as pdftotext lays it out: its lines that hold text, squeezed.
std::vector<std::string> PdfTextLines(const std::string& pdf_path);

// A page rendered in grey levels (0 black .. 255 white), one byte per pixel.
struct GrayPage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
};
// The first page of a PDF file at the given resolution; an empty page when it cannot be read.
GrayPage RenderFirstPage(const std::string& pdf_path, int dots_per_inch);
// How many pixels differ by more than a quarter of the grey range; pages of different sizes
// differ everywhere.
long DifferingPixels(const GrayPage& a, const GrayPage& b);

// The lines of a text that hold anything, squeezed.
std::vector<std::string> TextLines(const std::string& text);

// The text of a PDF file's first page as character recognition (tesseract) reads it from a
// 300 dots per inch image, for files whose fonts keep no usable text: its lines, squeezed.
std::vector<std::string> OcrTextLines(const std::string& pdf_path);

// Whether recognised lines read as the expected ones: as many, in the same order, each within
// `edits` character changes of its counterpart (recognition misreads a letter now and then).
// Explains the first mismatch in *why.
bool ReadsAs(const std::vector<std::string>& recognised, const std::vector<std::string>& expected,
             int edits, std::string* why);

}  // namespace vantric::testing

#include "print_test_support.h"

#include <unistd.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantric::testing {

void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "vantric-print-tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

ReportFonts WindowReportFonts() {
  return {{"Arial", 16, false, true}, {"Arial", 14, false, false}, {"Arial", 12, false, false}};
}

std::string CommandOutput(const std::string& command, bool* ok) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    *ok = false;
    return output;
  }
  char buffer[4096];
  size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
  *ok = pclose(pipe) == 0;
  return output;
}

std::vector<std::string> PdfTextLines(const std::string& pdf_path) {
  bool ok = false;
  const std::string text = CommandOutput("pdftotext -layout '" + pdf_path + "' - 2>/dev/null", &ok);
  return ok ? TextLines(text) : std::vector<std::string>{};
}

GrayPage RenderFirstPage(const std::string& pdf_path, int dots_per_inch) {
  GrayPage page;
  static int renderings = 0;
  const std::string base =
      (std::filesystem::temp_directory_path() /
       ("vantric-page-" + std::to_string(::getpid()) + "-" + std::to_string(++renderings)))
          .string();
  bool ok = false;
  CommandOutput("pdftoppm -gray -singlefile -r " + std::to_string(dots_per_inch) + " '" + pdf_path +
                    "' '" + base + "'",
                &ok);
  const std::string pgm = base + ".pgm";
  std::ifstream file(pgm, std::ios::binary);
  std::string magic;
  int max_value = 0;
  if (ok && file >> magic >> page.width >> page.height >> max_value && magic == "P5" &&
      max_value == 255 && page.width > 0 && page.height > 0) {
    file.get();  // the single blank after the header
    page.pixels.resize(static_cast<size_t>(page.width) * page.height);
    file.read(reinterpret_cast<char*>(page.pixels.data()),
              static_cast<std::streamsize>(page.pixels.size()));
    if (!file) page = GrayPage{};
  } else {
    page = GrayPage{};
  }
  std::error_code ignored;
  std::filesystem::remove(pgm, ignored);
  return page;
}

long DifferingPixels(const GrayPage& a, const GrayPage& b) {
  if (a.width != b.width || a.height != b.height) {
    return std::max(static_cast<long>(a.pixels.size()), static_cast<long>(b.pixels.size()));
  }
  long differing = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    if (std::abs(a.pixels[i] - b.pixels[i]) > 64) ++differing;
  }
  return differing;
}

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    std::string squeezed = Squeezed(line);
    if (!squeezed.empty()) lines.push_back(std::move(squeezed));
  }
  return lines;
}

std::vector<std::string> OcrTextLines(const std::string& pdf_path) {
  static int readings = 0;
  const std::string base =
      (std::filesystem::temp_directory_path() /
       ("vantric-ocr-" + std::to_string(::getpid()) + "-" + std::to_string(++readings)))
          .string();
  bool ok = false;
  CommandOutput(
      "pdftoppm -r 300 -gray -png -singlefile '" + pdf_path + "' '" + base + "' 2>/dev/null", &ok);
  std::vector<std::string> lines;
  if (ok) {
    // One uniform block of text: the page's two columns are read line by line.
    lines = TextLines(CommandOutput("tesseract '" + base + ".png' - --psm 6 2>/dev/null", &ok));
  }
  std::error_code ignored;
  std::filesystem::remove(base + ".png", ignored);
  return ok ? lines : std::vector<std::string>{};
}

namespace {

int EditDistance(const std::string& a, const std::string& b) {
  std::vector<int> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

bool ReadsAs(const std::vector<std::string>& recognised, const std::vector<std::string>& expected,
             int edits, std::string* why) {
  if (recognised.size() != expected.size()) {
    *why = std::to_string(recognised.size()) + " lines read where " +
           std::to_string(expected.size()) + " were expected";
    return false;
  }
  for (size_t i = 0; i < expected.size(); ++i) {
    if (EditDistance(recognised[i], expected[i]) > edits) {
      *why = "line " + std::to_string(i + 1) + " reads \"" + recognised[i] + "\" where \"" +
             expected[i] + "\" was expected";
      return false;
    }
  }
  return true;
}

}  // namespace vantric::testing

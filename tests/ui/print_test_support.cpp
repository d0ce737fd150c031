#include "print_test_support.h"

#include <QGuiApplication>
#include <cstdio>
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

std::string Squeezed(const std::string& text) {
  std::string squeezed;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t' || c == '\f' || c == '\r';
    if (blank) {
      if (!squeezed.empty() && squeezed.back() != ' ') squeezed += ' ';
    } else {
      squeezed += c;
    }
  }
  while (!squeezed.empty() && squeezed.back() == ' ') squeezed.pop_back();
  return squeezed;
}

std::vector<std::string> PdfTextLines(const std::string& pdf_path) {
  bool ok = false;
  const std::string text = CommandOutput("pdftotext -layout '" + pdf_path + "' -", &ok);
  std::vector<std::string> lines;
  if (!ok) return lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    std::string squeezed = Squeezed(line);
    if (!squeezed.empty()) lines.push_back(std::move(squeezed));
  }
  return lines;
}

std::vector<std::string> ExpectedPageLines(const ReportContent& content) {
  std::vector<std::string> lines;
  for (const ReportLine& line : ReportLines(content)) {
    std::string squeezed = Squeezed(line.text + " " + line.value);
    if (!squeezed.empty()) lines.push_back(std::move(squeezed));
  }
  return lines;
}

}  // namespace vantric::testing

#include "print_spooler.h"

#include <pwd.h>
#include <unistd.h>

#include <QPrinterInfo>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <thread>

#include "print_test_support.h"

namespace vantric::testing {
namespace {

namespace fs = std::filesystem;

// The output folder configured for cups-pdf, with ${USER} and ${HOME} filled in.
std::string CupsPdfFolder() {
  std::ifstream conf("/etc/cups/cups-pdf.conf");
  std::string folder = "${HOME}/PDF";  // the backend's default
  const std::regex out_line(R"(^\s*Out\s+(\S+)\s*$)");
  for (std::string line; std::getline(conf, line);) {
    std::smatch match;
    if (std::regex_match(line, match, out_line)) folder = match[1];
  }
  const passwd* user = getpwuid(geteuid());
  if (user == nullptr) return "";
  folder = std::regex_replace(folder, std::regex(R"(\$\{USER\})"), user->pw_name);
  folder = std::regex_replace(folder, std::regex(R"(\$\{HOME\})"), user->pw_dir);
  return folder;
}

// A PDF is complete once its end marker is written.
bool Complete(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const size_t marker = content.rfind("%%EOF");
  return marker != std::string::npos && content.size() - marker <= 8;
}

}  // namespace

std::string PdfSpooler::Unavailable() {
  bool ok = false;
  const std::string scheduler = CommandOutput("lpstat -r 2>&1", &ok);
  if (scheduler.find("scheduler is running") == std::string::npos) {
    return "no CUPS scheduler is running (scripts/setup-cups starts one)";
  }
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) return "CUPS has no default printer (scripts/setup-cups adds one)";
  const std::string name = printer.printerName().toStdString();
  const std::string device = CommandOutput("lpstat -v '" + name + "' 2>&1", &ok);
  if (device.find("cups-pdf:") == std::string::npos) {
    return "the default printer " + name + " is not a cups-pdf queue, so its output cannot be " +
           "read back";
  }
  CommandOutput("command -v pdftotext", &ok);
  if (!ok) return "pdftotext (poppler-utils) is not installed";
  const char* override_folder = std::getenv("VANTRIC_PRINT_OUTPUT");
  folder_ = override_folder != nullptr ? override_folder : CupsPdfFolder();
  if (folder_.empty()) return "the cups-pdf output folder is unknown";
  return "";
}

std::set<fs::path> PdfSpooler::Existing() const {
  std::set<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder_, error)) {
    if (entry.path().extension() == ".pdf") files.insert(entry.path());
  }
  return files;
}

std::vector<fs::path> PdfSpooler::AwaitNew(const std::set<fs::path>& before, size_t count,
                                           int seconds) const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  std::vector<fs::path> fresh;
  while (true) {
    fresh.clear();
    for (const fs::path& path : Existing()) {
      if (!before.contains(path) && Complete(path)) fresh.push_back(path);
    }
    if (fresh.size() >= count || std::chrono::steady_clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  std::error_code error;
  std::sort(fresh.begin(), fresh.end(), [&error](const fs::path& a, const fs::path& b) {
    return fs::last_write_time(a, error) < fs::last_write_time(b, error);
  });
  return fresh;
}

}  // namespace vantric::testing

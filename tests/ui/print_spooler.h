#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace vantric::testing {

// The local print spooler as scripts/setup-cups leaves it: a default queue whose jobs the
// cups-pdf backend writes as PDF files into a folder per user.
class PdfSpooler {
 public:
  // Why the spooler cannot be used for a check, or empty when it can.
  std::string Unavailable();

  // The PDF files already written for this user; taken before printing.
  std::set<std::filesystem::path> Existing() const;
  // Waits until `count` PDF files not in `before` are complete (at most `seconds`); returns
  // them oldest first, or fewer when the time ran out.
  std::vector<std::filesystem::path> AwaitNew(const std::set<std::filesystem::path>& before,
                                              size_t count, int seconds) const;

  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

}  // namespace vantric::testing

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantric::programmable {

// One "key = value" line of a drive's or a medium's description.
struct Setting {
  std::string key;
  std::string value;
  std::string origin;  // "FILE:LINE", for the messages

  double Number() const;
  int64_t Integer(const std::string& word) const;
  // Whole words of the value, split at blanks.
  std::vector<std::string> Words() const;
  std::vector<double> Numbers() const;
  bool YesNo() const;
  // "FIRST-LAST", both inclusive.
  std::pair<int64_t, int64_t> Range() const;
  [[noreturn]] void Fail(const std::string& why) const;
};

// The settings of a text: blank lines and lines starting with # are left out; a key may come
// again (a disc's tracks, a drive's faults). Throws std::runtime_error naming the line.
std::vector<Setting> ParseSettings(std::string_view text, const std::string& origin);
std::vector<Setting> ReadSettings(const std::string& path);

}  // namespace vantric::programmable

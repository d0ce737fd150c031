#include "settings.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <type_traits>

namespace vantric::programmable {
namespace {

constexpr const char* kBlanks = " \t\r";

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

// A number (double) or a whole number (int64_t), the whole word of it.
template <typename T>
T Parse(const Setting& setting, const std::string& word) {
  T value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) {
    setting.Fail(std::string(std::is_integral_v<T> ? "not a whole number: " : "not a number: ") +
                 word);
  }
  return value;
}

}  // namespace

void Setting::Fail(const std::string& why) const {
  throw std::runtime_error(origin + ": " + key + ": " + why);
}

std::vector<std::string> Setting::Words() const {
  std::vector<std::string> words;
  std::istringstream stream(value);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

double Setting::Number() const {
  const std::vector<std::string> words = Words();
  if (words.size() != 1) Fail("one number expected");
  return Parse<double>(*this, words[0]);
}

int64_t Setting::Integer(const std::string& word) const { return Parse<int64_t>(*this, word); }

std::vector<double> Setting::Numbers() const {
  std::vector<double> numbers;
  for (const std::string& word : Words()) numbers.push_back(Parse<double>(*this, word));
  if (numbers.empty()) Fail("numbers expected");
  return numbers;
}

bool Setting::YesNo() const {
  if (value == "yes") return true;
  if (value == "no") return false;
  Fail("yes or no expected");
}

std::pair<int64_t, int64_t> Setting::Range() const {
  const size_t dash = value.find('-');
  if (dash == std::string::npos) Fail("FIRST-LAST expected");
  const int64_t first = Parse<int64_t>(*this, Trimmed(value.substr(0, dash)));
  const int64_t last = Parse<int64_t>(*this, Trimmed(value.substr(dash + 1)));
  if (last < first) Fail("the range ends before it starts");
  return {first, last};
}

std::vector<Setting> ParseSettings(std::string_view text, const std::string& origin) {
  std::vector<Setting> settings;
  std::istringstream lines{std::string(text)};
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    const std::string content = Trimmed(line);
    if (content.empty() || content[0] == '#') continue;
    const size_t equals = content.find('=');
    const std::string where = origin + ":" + std::to_string(number);
    if (equals == std::string::npos) throw std::runtime_error(where + ": KEY = VALUE expected");
    settings.push_back(
        {Trimmed(content.substr(0, equals)), Trimmed(content.substr(equals + 1)), where});
  }
  return settings;
}

std::vector<Setting> ReadSettings(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error(path + ": cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  return ParseSettings(text.str(), path);
}

}  // namespace vantric::programmable

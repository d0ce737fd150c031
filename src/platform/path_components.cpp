#include "platform/path_components.h"

namespace vantric {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::vector<std::string> SplitComponents(const std::string& rest) {
  std::vector<std::string> components;
  std::string part;
  for (const char c : rest + '\\') {
    if (c == '\\' || c == '/') {
      if (!part.empty() && part != ".") components.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  return components;
}

std::optional<std::string> JoinComponents(const std::string& rest, char separator) {
  std::string path;
  for (const std::string& component : SplitComponents(rest)) {
    if (component == "..") return std::nullopt;
    if (!path.empty()) path += separator;
    path += component;
  }
  return path;
}

}  // namespace vantric

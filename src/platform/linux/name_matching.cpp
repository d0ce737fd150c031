#include "platform/linux/name_matching.h"

namespace vantric {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string_view WithoutIsoDecoration(std::string_view name) {
  const size_t semicolon = name.rfind(';');
  if (semicolon != std::string_view::npos && semicolon + 1 < name.size() &&
      name.find_first_not_of("0123456789", semicolon + 1) == std::string_view::npos) {
    name = name.substr(0, semicolon);
  }
  if (name.size() > 1 && name.back() == '.' && name != "..") name.remove_suffix(1);
  return name;
}

}  // namespace

bool NameMatches(std::string_view entry, std::string_view wanted) {
  return EqualIgnoringCase(entry, wanted) ||
         EqualIgnoringCase(WithoutIsoDecoration(entry), WithoutIsoDecoration(wanted));
}

}  // namespace vantric

#include "results/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "results/utf8.h"

namespace vantric {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      // JSON is UTF-8: a byte that is not part of a well-formed sequence (a file name in
      // another encoding) becomes the replacement character.
      const size_t length = Utf8SequenceLength(text, i);
      if (length == 0) {
        out += "\\ufffd";
      } else {
        out.append(text, i, length);
        i += length - 1;
      }
      continue;
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          out += escape;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char text[64];
  // The shortest text that reads back as the same double.
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string JsonLocalTime(const LocalTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u.%03u", t.year, t.month, t.day,
                t.hour, t.minute, t.second, t.millisecond);
  return text;
}

std::string JsonObjectText(const JsonMembers& members) {
  std::string out = "{\n";
  for (size_t i = 0; i < members.size(); ++i) {
    out += "  \"" + members[i].first + "\": " + members[i].second;
    out += i + 1 < members.size() ? ",\n" : "\n";
  }
  return out + "}\n";
}

std::string JsonDriveObject(const std::optional<DriveIdentity>& drive) {
  if (!drive) return "null";
  return "{\"Device\": " + JsonString(drive->device) +
         ", \"Vendor\": " + JsonString(drive->vendor) + ", \"Model\": " + JsonString(drive->model) +
         ", \"Revision\": " + JsonString(drive->revision) + "}";
}

}  // namespace vantric

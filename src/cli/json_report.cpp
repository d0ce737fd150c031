#include "cli/json_report.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "run/test_catalogue.h"

namespace vantric {
namespace {

std::string Measured(bool on, double value) { return on ? JsonNumber(value) : "null"; }

std::string Bool(bool value) { return value ? "true" : "false"; }

// A stored CDFS value; 0 or less means the system did not say.
std::string Cdfs(int32_t value) { return value > 0 ? std::to_string(value) : "null"; }

// The length of the well-formed UTF-8 sequence at text[i], or 0 when the byte there starts none.
size_t Utf8SequenceLength(const std::string& text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = 0;
  uint32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  uint32_t code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

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

std::string JsonDriveObject(const std::optional<DriveIdentity>& drive) {
  if (!drive) return "null";
  return "{\"Device\": " + JsonString(drive->device) +
         ", \"Vendor\": " + JsonString(drive->vendor) + ", \"Model\": " + JsonString(drive->model) +
         ", \"Revision\": " + JsonString(drive->revision) + "}";
}

std::string ResultsJson(const ReportContent& content, const JsonRunSource& source) {
  const TestResults& r = content.results;
  std::vector<std::pair<std::string, std::string>> members = {
      {"PassCount", std::to_string(r.PassCount)},
      {"StartTime", JsonString(JsonLocalTime(r.StartTime))},
      {"EndTime", JsonString(JsonLocalTime(r.EndTime))},
      {"ResultsValid", Bool(r.ResultsValid)},
  };
  for (const FlagName& flag : kFlagNames) members.emplace_back(flag.name, Bool(r.flags.*flag.flag));
  for (const CatalogueTest& test : kTestCatalogue) {
    members.emplace_back(test.field_name, Measured(r.flags.*test.flag, r.*test.field));
  }
  const std::pair<const char*, std::string> rest[] = {
      // An index of 0 is one that was not computed.
      {"MultimediaIndex", Measured(r.MultimediaIndex != 0, r.MultimediaIndex)},
      {"ApplicationIndex", Measured(r.ApplicationIndex != 0, r.ApplicationIndex)},
      {"DriveRatingText", JsonString(r.DriveRatingText)},
      {"DriveTypeText", JsonString(r.DriveTypeText)},
      {"Edit1", JsonString(content.Edit1)},
      {"Edit2", JsonString(content.Edit2)},
      {"Edit3", JsonString(content.Edit3)},
      {"userval", content.userval.empty() ? "null" : JsonString(content.userval)},
      {"CdfsPrefetch", Cdfs(content.CdfsPrefetch)},
      {"CdfsCacheSize", Cdfs(content.CdfsCacheSize)},
      {"TestFile", JsonString(source.test_file)},
      {"ReadMode", JsonString(source.read_mode)},
      {"Drive", JsonDriveObject(source.drive)},
      {"SimulatedProfile",
       source.simulated_profile ? JsonString(*source.simulated_profile) : "null"},
  };
  members.insert(members.end(), std::begin(rest), std::end(rest));
  std::string out = "{\n";
  for (size_t i = 0; i < members.size(); ++i) {
    out += "  \"" + members[i].first + "\": " + members[i].second;
    out += i + 1 < members.size() ? ",\n" : "\n";
  }
  return out + "}\n";
}

}  // namespace vantric

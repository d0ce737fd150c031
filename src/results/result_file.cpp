#include "results/result_file.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "results/json_document.h"
#include "results/json_text.h"
#include "results/result_formats.h"
#include "run/drive_figures.h"
#include "run/test_catalogue.h"

namespace vantric {
namespace {

// Far beyond any result file (a curve of 100 points is about 10 KB): a larger file is not
// one, and is not read into memory whole.
constexpr long kLargestResultFile = 4 * 1024 * 1024;

// Files written before the format was recorded.
constexpr int kFormatBeforeNumbering = 1;

struct BadFile : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Members {
 public:
  Members(const JsonValue& object, const std::string& name) : object_(object), name_(name) {}

  // Nothing for a member that is absent or null.
  std::optional<double> Number(std::string_view key) const {
    const JsonValue* value = Present(key);
    if (!value) return std::nullopt;
    if (!value->Number()) Wrong(key, "a number");
    return *value->Number();
  }
  std::optional<std::string> Text(std::string_view key) const {
    const JsonValue* value = Present(key);
    if (!value) return std::nullopt;
    if (!value->String()) Wrong(key, "a string");
    return *value->String();
  }
  const JsonValue* Object(std::string_view key) const {
    const JsonValue* value = Present(key);
    if (value && !value->Members()) Wrong(key, "an object");
    return value;
  }
  const std::string& name() const { return name_; }

  [[noreturn]] void Wrong(std::string_view key, const char* what) const {
    throw BadFile(name_ + ": " + JsonString(std::string(key)) + " is not " + what);
  }

 private:
  const JsonValue* Present(std::string_view key) const {
    const JsonValue* value = object_.Find(key);
    return value && !value->IsNull() ? value : nullptr;
  }

  const JsonValue& object_;
  const std::string& name_;
};

int FormatOf(const Members& file, const std::string& name) {
  const std::optional<double> format = file.Number("Format");
  if (!format) return kFormatBeforeNumbering;
  if (*format < 1 || *format != std::floor(*format)) file.Wrong("Format", "a format number");
  if (*format > kResultFormat) {
    const std::string by = file.Text("Vantric").value_or("a newer version");
    throw BadFile(name + " was written in result format " + JsonNumber(*format) + " by Vantric " +
                  PrintableText(by) + "; this version reads formats up to " +
                  std::to_string(kResultFormat));
  }
  return static_cast<int>(*format);
}

// "2026-12-08 09:14" of "2026-12-08T09:14:31.042".
std::string DateOf(const std::optional<std::string>& time) {
  if (!time) return "";
  std::string date = time->substr(0, 16);
  if (date.size() > 10 && date[10] == 'T') date[10] = ' ';
  return PrintableText(date);
}

std::string TitleOf(const Members& file) {
  if (const JsonValue* drive = file.Object("Drive")) {
    const Members parts(*drive, file.name());
    const std::string name =
        DriveName({parts.Text("Device").value_or(""), parts.Text("Vendor").value_or(""),
                   parts.Text("Model").value_or(""), parts.Text("Revision").value_or("")});
    if (!name.empty()) return PrintableText(name);
  }
  if (const auto profile = file.Text("SimulatedProfile")) {
    return PrintableText(*profile) + " (simulated)";
  }
  if (const auto drive_text = file.Text("Edit1"); drive_text && !drive_text->empty()) {
    return PrintableText(*drive_text);
  }
  return PrintableText(file.Text("TestFile").value_or("unknown drive"));
}

// "8.0" of "Drive rating: 8.0X", "CLV" of "Drive type: CLV"; nothing for "not tested".
std::optional<double> RatingInText(const std::optional<std::string>& text) {
  const std::string prefix = std::string(kDriveRatingLabel) + ": ";
  if (!text || !text->starts_with(prefix) || !text->ends_with("X")) return std::nullopt;
  double rating = 0;
  const char* first = text->data() + prefix.size();
  const char* last = text->data() + text->size() - 1;
  const auto result = std::from_chars(first, last, rating);
  if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
  return rating;
}
std::optional<std::string> TypeInText(const std::optional<std::string>& text) {
  const std::string prefix = std::string(kDriveTypeLabel) + ": ";
  if (!text || !text->starts_with(prefix)) return std::nullopt;
  const std::string type = text->substr(prefix.size());
  if (!IsDriveTypeName(type)) return std::nullopt;
  return type;
}

void ReadRun(const Members& file, int format, ResultFile& result) {
  const auto keep = [&](const char* key) {
    if (const auto value = file.Number(key)) result.values[key] = *value;
  };
  for (const CatalogueTest& test : kTestCatalogue) keep(test.field_name);
  for (const IndexFigure& index : kIndexFigures) keep(index.field_name);
  result.userval = PrintableText(file.Text("userval").value_or(""));
  if (format >= 2) {
    result.rating = file.Number("DriveRating");
    result.type = file.Text("DriveType");
    if (result.type && !IsDriveTypeName(*result.type)) {
      file.Wrong("DriveType", "\"CLV\", \"CAV\" or null");
    }
  } else {
    result.rating = RatingInText(file.Text("DriveRatingText"));
    result.type = TypeInText(file.Text("DriveTypeText"));
  }
  result.date = DateOf(file.Text("StartTime"));
}

void ReadCurve(const Members& file, const JsonValue& points, ResultFile& result) {
  if (!points.Elements()) file.Wrong("Points", "an array");
  // A whole disc's rates are in its medium's X.
  double one_x_kbps = CurvePoint{}.one_x_kbps;
  if (const JsonValue* disc = file.Object("WholeDisc")) {
    const auto bytes = Members(*disc, result.name).Number("OneXBytesPerSecond");
    if (bytes && *bytes > 0) one_x_kbps = *bytes / 1024;
  }
  for (const JsonValue& point : *points.Elements()) {
    if (!point.Members()) file.Wrong("Points", "an array of objects");
    const Members members(point, result.name);
    const auto mb = members.Number("PositionMB");
    const auto percent = members.Number("PositionPercent");
    const auto kbps = members.Number("Kbps");
    if (!mb || !percent || !kbps) {
      throw BadFile(result.name + ": a point lacks its PositionMB, PositionPercent or Kbps");
    }
    result.points.push_back({*mb, *percent, *kbps, one_x_kbps});
  }
  if (result.points.empty()) throw BadFile(result.name + " holds a curve without points");
  result.date = DateOf(file.Text("MeasuredAt"));
  result.mode = PrintableText(file.Text("Mode").value_or(""));
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
  }
  return out;
}

std::optional<ResultFile> ResultFromJson(std::string_view text, const std::string& name,
                                         std::string* error) {
  ResultFile result;
  result.name = PrintableText(name);
  std::string parse_error;
  const std::optional<JsonValue> document = ParseJson(text, &parse_error);
  try {
    if (!document) throw BadFile(result.name + " is not valid JSON: " + parse_error);
    if (!document->Members()) {
      throw BadFile(result.name + " holds no JSON object, so no results");
    }
    const Members file(*document, result.name);
    const int format = FormatOf(file, result.name);
    const JsonValue* points = document->Find("Points");
    const bool run = document->Find("PassCount") != nullptr;
    if (run == (points != nullptr)) {
      throw BadFile(result.name + " holds neither a run's results nor a transfer-rate curve");
    }
    result.kind = run ? ResultKind::kRun : ResultKind::kCurve;
    result.title = TitleOf(file);
    if (run) {
      ReadRun(file, format, result);
    } else {
      ReadCurve(file, *points, result);
    }
  } catch (const BadFile& bad) {
    if (error) *error = bad.what();
    return std::nullopt;
  }
  return result;
}

std::optional<ResultFile> ReadResultFile(const std::string& path, std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = "cannot read " + PrintableText(path) + ": " + why;
    return std::nullopt;
  };
  // A file whose extension names it could not be one (a curve's table or chart) is named as
  // such; any other name is read as JSON, whatever it ends in.
  const ResultFormatEntry* format = ResultFormatOfPath(path);
  if (format && !format->read) {
    return fail("a transfer-rate curve's " + std::string(format->what) +
                " is not read back; compare the curve's " +
                std::string(ResultFormatEntryOf(ResultFormat::kJson).extension) + " file");
  }
  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) return fail(std::strerror(errno));
  std::string text;
  char buffer[65536];
  while (true) {
    const size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    text.append(buffer, got);
    if (text.size() > static_cast<size_t>(kLargestResultFile)) {
      return fail("larger than any result file");
    }
    if (got < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return fail(std::strerror(errno ? errno : EIO));
  return (format ? format->read : &ResultFromJson)(text, path, error);
}

}  // namespace vantric

#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "curve/transfer_curve.h"

namespace vantric {

// The two kinds of file the terminal writes as JSON: a run's results (--json) and a
// transfer-rate curve (--curve FILE.json).
enum class ResultKind { kRun, kCurve };

// What `compare` reads of one result file.
struct ResultFile {
  ResultKind kind = ResultKind::kRun;
  std::string name;   // the file as named on the command line
  std::string title;  // the drive, the simulated profile, or failing both the test file
  std::string date;   // when it was measured: "2026-12-08 09:14"
  // Measured just now on a simulated drive to compare against, rather than read from a file.
  bool reference = false;

  // A run: each measured value and index by its JSON key; a figure the run did not measure, or
  // the file does not hold, is absent.
  std::map<std::string, double, std::less<>> values;
  std::string userval;              // the user CPU rate as typed; empty without one
  std::optional<double> rating;     // in X, one decimal, as shown
  std::optional<std::string> type;  // "CLV" or "CAV"

  // A curve: its points, and how it was measured ("quick", "full"; empty when the file does not
  // say).
  std::vector<CurvePoint> points;
  std::string mode;
};

// Reads the result held in `text`; `name` names the file in messages. Nothing, with a message
// in *error, when the text is not JSON, was written in a newer format than this program reads,
// is of neither kind, or holds a member of the wrong type.
std::optional<ResultFile> ResultFromJson(std::string_view text, const std::string& name,
                                         std::string* error);

// The same for the file at `path`, with a message when it cannot be read.
std::optional<ResultFile> ReadResultFile(const std::string& path, std::string* error);

// The text with every control character replaced by '?': texts from a file must not steer the
// terminal they are shown on.
std::string PrintableText(std::string_view text);

}  // namespace vantric

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/test_call.h"
#include "run/test_results.h"
#include "run/test_settings.h"

namespace vantric {

// One test the configuration dialog offers: a check box there and, but for the user CPU test
// (chosen by giving its rate), a name in the command line's --tests.
struct TestChoice {
  const char* name;  // the check box's control name, and the --tests name
  bool TestSettings::*setting;
  const char* text;  // the check box's text
  bool named_in_test_list = true;
};

enum class ValueUnit { kKps, kMs, kPercent, kPollsPerMs };

// Which way a value improves: a faster rate or a higher index is better, a shorter time or a
// smaller share of the processor is.
enum class Better { kHigher, kLower };

// One value a run measures, with everything the front ends, the log, the report and the JSON
// need to know of it.
struct CatalogueTest {
  // The engine call. The user CPU test's rate is the user's, read anew at each test.
  TestCall call;
  bool user_rate = false;
  const char* place = "";  // "inside", "center", "outside", or "" for a test without a place
  // The dialog's choice of the test; nullptr for a test the run adds when others need it.
  bool TestSettings::*setting = nullptr;
  bool TestFlags::*flag;
  double TestResults::*field;
  const char* field_name;  // the results field, and the JSON key of its value
  // Measured once, in pass 1, and kept as measured; otherwise summed over the passes.
  bool first_pass_only = false;
  // Shown before the test's first run in pass 1 (0: none), and right after it.
  int description_before = 0;
  int description_after = 0;

  // The results window's line: name label, value label ("" for a value never shown), the
  // group box (1..4) and the line's top in it.
  const char* name_label;
  const char* value_label;
  int group;
  int top;
  const char* text;  // the name the results window shows
  // The label of the report and the log, when it is not `text`.
  const char* report_text = nullptr;
  // The log's label of a "Disabled" line, when it is not the report's. A value whose flag is
  // off right after a row of the same flag adds no line of its own.
  const char* log_disabled_text = nullptr;
  ValueUnit unit;
};

// The tests in the order a pass runs them.
extern const std::span<const CatalogueTest> kTestCatalogue;

// A figure derived from the means after the last pass, with its results field, JSON key, the
// report's label and what the report says instead when it was not computed (its value is 0).
struct IndexFigure {
  double TestResults::*field;
  const char* field_name;
  const char* label;
  const char* requirement;
};
extern const std::span<const IndexFigure> kIndexFigures;
// The index as the report and the log show it: rounded when `computed` (each has its own
// rule for that), or its requirement.
std::string IndexText(const IndexFigure& index, double value, bool computed);
// The report's heading over the indexes, the rating and the type.
inline constexpr const char* kIndexHeading = "Vantric Calculated Drive Indexes";

// The configuration dialog's check boxes, in the order the defaults set them.
extern const std::span<const TestChoice> kTestChoices;

// The JSON and the report name the flags as the results record does.
struct FlagName {
  bool TestFlags::*flag;
  const char* name;
};
extern const std::span<const FlagName> kFlagNames;

// A block of the report and the log: its heading in each, and its rows in order.
struct ReportSection {
  const char* report_heading;
  const char* log_heading;
  std::vector<const CatalogueTest*> rows;
};
const std::vector<ReportSection>& ReportSections();

// The dialog's choice named `name` ("read16"); every check box has one.
const TestChoice& FindChoice(std::string_view name);

// The entry whose value the results window shows in `value_label`; nullptr for none.
const CatalogueTest* FindByValueLabel(std::string_view value_label);
// The entry of the results field `field`; every field has one.
const CatalogueTest& FindByField(double TestResults::*field);

// The label under which the report and the log name the value, and the results window names
// a user CPU test that runs: "User 1000kps" for a user rate typed as 1000.
std::string ResultLabel(const CatalogueTest& test, const std::string& userval);
// The label of the log's "Disabled" line.
std::string LogDisabledLabel(const CatalogueTest& test);
// The value as shown, logged and printed: "1234 kps", "97 ms", "12%".
std::string ValueText(const CatalogueTest& test, double value);
// Rates are better higher; times and CPU usage lower.
Better BetterWhen(const CatalogueTest& test);
// The unit as the report writes it after a value: "kps", "ms", "%"; "" for none.
const char* UnitText(ValueUnit unit);
// The engine call, with the user's rate filled in: the rate typed in KB/s, halved with the
// quotient truncated toward zero.
TestCall CallFor(const CatalogueTest& test, const std::string& userval);

// How many bytes a test file must hold for a run of these settings to read no sector beyond
// its end.
int64_t TestFileBytesRead(const TestSettings& settings);

// The flags a run starts with, from the dialog's settings: every CPU test paces its reads
// against the 16k read rate, so none runs without it.
TestFlags FlagsFrom(const TestSettings& settings);

}  // namespace vantric

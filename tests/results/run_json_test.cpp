#include "results/run_json.h"

#include <gtest/gtest.h>

#include "json_reader.h"

namespace vantric::testing {
namespace {

TEST(JsonReportTest, StringsAreEscaped) {
  EXPECT_EQ(JsonString("a\"b\\c\n\t\x01"), "\"a\\\"b\\\\c\\n\\t\\u0001\"");
  EXPECT_EQ(JsonString("caf\xc3\xa9"), "\"caf\xc3\xa9\"");             // UTF-8 stays
  EXPECT_EQ(JsonString("caf\xe9"), "\"caf\\ufffd\"");                  // a Latin-1 byte does not
  EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // no surrogates
  EXPECT_EQ(
      std::get<std::string>(ParseFlatJson("{\"k\": " + JsonString("x\"\\\r\n\x1f") + "}")["k"]),
      "x\"\\\r\n\x1f");
}

TEST(JsonReportTest, TestsNotRunAreNull) {
  TestResults r;
  r.PassCount = 2;
  r.ResultsValid = true;
  r.flags.Read16On = true;
  r.flags.OverheadOn = true;
  r.Read16Inside = 1234.5;
  r.Read2Inside = 99;  // flag off: must not show
  r.SeekOverhead = 0.25;
  r.MultimediaIndex = 0;
  r.ApplicationIndex = 26.3;
  r.DriveRatingText = "Drive rating: 8.2X";
  r.DriveTypeText = "Drive type: CLV";
  r.StartTime = {
      .year = 2024, .month = 3, .day = 9, .hour = 7, .minute = 5, .second = 4, .millisecond = 12};
  const ReportContent content{r, "07:05:04", "07:09:00", "Drive \"A\"", "", "PC", "", 32, 0};
  const DriveIdentity drive{"/dev/sr0", "ACME", "CD-52", "1.0"};
  const JsonObject json = ParseFlatJson(
      ResultsJson(content, {"/media/cd/data/vantric.dat", "device", drive, std::nullopt}));
  EXPECT_EQ(std::get<double>(json.at("PassCount")), 2);
  EXPECT_EQ(std::get<bool>(json.at("ResultsValid")), true);
  EXPECT_EQ(std::get<std::string>(json.at("StartTime")), "2024-03-09T07:05:04.012");
  EXPECT_EQ(std::get<double>(json.at("Read16Inside")), 1234.5);
  EXPECT_EQ(std::get<bool>(json.at("Read2On")), false);
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("Read2Inside")));
  EXPECT_EQ(std::get<double>(json.at("SeekOverhead")), 0.25);
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("CpuCalibration")));
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("MultimediaIndex")));
  EXPECT_EQ(std::get<double>(json.at("ApplicationIndex")), 26.3);
  EXPECT_EQ(std::get<std::string>(json.at("DriveRatingText")), "Drive rating: 8.2X");
  EXPECT_EQ(std::get<std::string>(json.at("ReadMode")), "device");
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("SimulatedProfile")));
  EXPECT_EQ(std::get<std::string>(json.at("Edit1")), "Drive \"A\"");
  EXPECT_EQ(std::get<std::string>(json.at("Edit3")), "PC");
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("userval")));
  EXPECT_EQ(std::get<double>(json.at("CdfsPrefetch")), 32);  // as stored, not doubled
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("CdfsCacheSize")));  // unknown
  EXPECT_EQ(std::get<std::string>(json.at("Drive.Device")), "/dev/sr0");
  EXPECT_EQ(std::get<std::string>(json.at("Drive.Revision")), "1.0");
  for (const char* key : {"EndTime", "Burst16kOn", "CpuUsageUser", "BurstRate16k", "TestFile",
                          "DriveTypeText", "FullStrokeTime", "RandomAccessTime"}) {
    EXPECT_TRUE(json.count(key)) << key;
  }
}

// Each number is the result it is named for, and null when its test was not part of the run.
TEST(JsonReportTest, EachMeasuredNumberIsItsOwnResult) {
  struct Member {
    const char* key;
    double TestResults::*value;
    bool TestFlags::*flag;  // nullptr: an index, null when 0
  };
  constexpr Member kMembers[] = {
      {"Read16Inside", &TestResults::Read16Inside, &TestFlags::Read16On},
      {"Read16Center", &TestResults::Read16Center, &TestFlags::Read16On},
      {"Read16Outside", &TestResults::Read16Outside, &TestFlags::Read16On},
      {"Read2Inside", &TestResults::Read2Inside, &TestFlags::Read2On},
      {"Read2Center", &TestResults::Read2Center, &TestFlags::Read2On},
      {"Read2Outside", &TestResults::Read2Outside, &TestFlags::Read2On},
      {"FullStrokeTime", &TestResults::FullStrokeTime, &TestFlags::FullStrokeOn},
      {"RandomAccessTime", &TestResults::RandomAccessTime, &TestFlags::RandomAccessOn},
      {"CpuUsage2x", &TestResults::CpuUsage2x, &TestFlags::Cpu2xOn},
      {"CpuUsage4x", &TestResults::CpuUsage4x, &TestFlags::Cpu4xOn},
      {"CpuUsage6x", &TestResults::CpuUsage6x, &TestFlags::Cpu6xOn},
      {"CpuUsage8x", &TestResults::CpuUsage8x, &TestFlags::Cpu8xOn},
      {"CpuUsage12x", &TestResults::CpuUsage12x, &TestFlags::Cpu12xOn},
      {"CpuUsageUser", &TestResults::CpuUsageUser, &TestFlags::CpuUserOn},
      {"BurstRate2k", &TestResults::BurstRate2k, &TestFlags::Burst2kOn},
      {"BurstRate8k", &TestResults::BurstRate8k, &TestFlags::Burst8kOn},
      {"BurstRate16k", &TestResults::BurstRate16k, &TestFlags::Burst16kOn},
      {"SeekOverhead", &TestResults::SeekOverhead, &TestFlags::OverheadOn},
      {"CpuCalibration", &TestResults::CpuCalibration, &TestFlags::CalibrationOn},
      {"MultimediaIndex", &TestResults::MultimediaIndex, nullptr},
      {"ApplicationIndex", &TestResults::ApplicationIndex, nullptr},
  };
  TestResults all_on;
  double value = 100;
  for (const Member& m : kMembers) {
    all_on.*m.value = value += 11.125;  // a value no other member has
    if (m.flag) all_on.flags.*m.flag = true;
  }
  const auto json_of = [](const TestResults& r) {
    return ParseFlatJson(ResultsJson({r, "", "", "", "", "", "", 0, 0}, {}));
  };
  const JsonObject json = json_of(all_on);
  for (const Member& m : kMembers) {
    ASSERT_TRUE(std::holds_alternative<double>(json.at(m.key))) << m.key;
    EXPECT_EQ(std::get<double>(json.at(m.key)), all_on.*m.value) << m.key;
  }
  for (const Member& m : kMembers) {
    TestResults off = all_on;
    if (m.flag) {
      off.flags.*m.flag = false;
    } else {
      off.*m.value = 0;
    }
    EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json_of(off).at(m.key))) << m.key;
  }
}

// Each pass's own values, their spread over the passes, and the rating as a number that reads
// as the text does.
TEST(JsonReportTest, PassesSpreadAndRatingFollowTheRun) {
  TestResults r;
  r.PassCount = 3;
  r.ResultsValid = true;
  r.flags.Read16On = r.flags.OverheadOn = r.flags.FullStrokeOn = true;
  // 4.6667X: the rating line rounds it to 4.7X, type CAV (900 > 720).
  r.Read16Inside = 600;
  r.Read16Center = 750;
  r.Read16Outside = 900;
  r.SeekOverhead = 0.5;  // measured once: in no pass's values
  const double inside[] = {500, 600, 700};
  for (int32_t pass = 1; pass <= 3; ++pass) {
    r.pass_values.push_back({&TestResults::Read16Inside, pass, inside[pass - 1]});
    r.pass_values.push_back({&TestResults::FullStrokeTime, pass, 100.0 + pass});
  }
  const auto json_of = [](const TestResults& results) {
    return ParseFlatJson(ResultsJson({results, "", "", "", "", "", "", 0, 0}, {}));
  };
  const JsonObject json = json_of(r);
  EXPECT_EQ(std::get<std::string>(json.at("Vantric")), "1.65");
  EXPECT_EQ(std::get<double>(json.at("Format")), 2);
  EXPECT_EQ(std::get<double>(json.at("DriveRating")), 4.7);
  EXPECT_EQ(std::get<std::string>(json.at("DriveType")), "CAV");
  ASSERT_EQ(std::get<double>(json.at("Passes")), 3);
  for (int pass = 0; pass < 3; ++pass) {
    const std::string at = "Passes." + std::to_string(pass) + ".";
    EXPECT_EQ(std::get<double>(json.at(at + "Pass")), pass + 1);
    EXPECT_EQ(std::get<double>(json.at(at + "Read16Inside")), inside[pass]);
    EXPECT_EQ(std::get<double>(json.at(at + "FullStrokeTime")), 101 + pass);
    EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at(at + "Read2Inside")));
    EXPECT_EQ(json.count(at + "SeekOverhead"), 0u);
  }
  EXPECT_EQ(std::get<double>(json.at("Spread.Read16Inside.Minimum")), 500);
  EXPECT_EQ(std::get<double>(json.at("Spread.Read16Inside.Maximum")), 700);
  EXPECT_EQ(std::get<double>(json.at("Spread.Read16Inside.StandardDeviation")), 100);
  EXPECT_EQ(std::get<double>(json.at("Spread.FullStrokeTime.StandardDeviation")), 1);
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(json.at("Spread.Read2Inside")));

  // One pass has no spread; a run without the 16k test has no rating or type.
  TestResults one = r;
  one.PassCount = 1;
  one.flags.Read16On = false;
  const JsonObject single = json_of(one);
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(single.at("Spread")));
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(single.at("DriveRating")));
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(single.at("DriveType")));
  EXPECT_EQ(std::get<double>(single.at("Passes")), 1);
}

}  // namespace
}  // namespace vantric::testing

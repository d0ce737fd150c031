#include "run/test_catalogue.h"

#include <algorithm>

#include "engine/engine.h"
#include "engine/test_positions.h"
#include "run/text_readers.h"
#include "run/value_text.h"

namespace vantric {
namespace {

using T = TestResults;
using F = TestFlags;
using S = TestSettings;
using E = EngineTest;

constexpr CatalogueTest kCatalogueRows[] = {
    {.call = {E::kRead16k, kRead16kInsideSector},
     .place = "inside",
     .setting = &S::read16,
     .flag = &F::Read16On,
     .field = &T::Read16Inside,
     .field_name = "Read16Inside",
     .description_before = 2,
     .name_label = "read16i",
     .value_label = "read16vi",
     .group = 1,
     .top = 17,
     .text = "16k inside",
     .log_disabled_text = "16k read",
     .unit = ValueUnit::kKps},
    {.call = {E::kRead2k, kRead2kInsideSector},
     .place = "inside",
     .setting = &S::read2,
     .flag = &F::Read2On,
     .field = &T::Read2Inside,
     .field_name = "Read2Inside",
     .description_before = 3,
     .name_label = "read2i",
     .value_label = "read2vi",
     .group = 1,
     .top = 29,
     .text = "2k inside",
     .log_disabled_text = "2k block",
     .unit = ValueUnit::kKps},
    {.call = {E::kRead16k, kRead16kCenterSector},
     .place = "center",
     .setting = &S::read16,
     .flag = &F::Read16On,
     .field = &T::Read16Center,
     .field_name = "Read16Center",
     .description_before = 2,
     .name_label = "read16c",
     .value_label = "read16vc",
     .group = 1,
     .top = 41,
     .text = "16k center",
     .log_disabled_text = "16k read",
     .unit = ValueUnit::kKps},
    {.call = {E::kRead2k, kRead2kCenterSector},
     .place = "center",
     .setting = &S::read2,
     .flag = &F::Read2On,
     .field = &T::Read2Center,
     .field_name = "Read2Center",
     .description_before = 3,
     .name_label = "read2c",
     .value_label = "read2vc",
     .group = 1,
     .top = 53,
     .text = "2k center",
     .log_disabled_text = "2k block",
     .unit = ValueUnit::kKps},
    {.call = {E::kRead16k, kRead16kOutsideSector},
     .place = "outside",
     .setting = &S::read16,
     .flag = &F::Read16On,
     .field = &T::Read16Outside,
     .field_name = "Read16Outside",
     .description_before = 2,
     .name_label = "read16o",
     .value_label = "read16vo",
     .group = 1,
     .top = 64,
     .text = "16k outside",
     .log_disabled_text = "16k read",
     .unit = ValueUnit::kKps},
    {.call = {E::kRead2k, kRead2kOutsideSector},
     .place = "outside",
     .setting = &S::read2,
     .flag = &F::Read2On,
     .field = &T::Read2Outside,
     .field_name = "Read2Outside",
     .description_before = 3,
     .name_label = "read2o",
     .value_label = "read2vo",
     .group = 1,
     .top = 76,
     .text = "2k outside",
     .log_disabled_text = "2k block",
     .unit = ValueUnit::kKps},
    {.call = {E::kSeekOverhead},
     .flag = &F::OverheadOn,
     .field = &T::SeekOverhead,
     .field_name = "SeekOverhead",
     .first_pass_only = true,
     .description_before = 4,
     .name_label = "lat",
     .value_label = "latv",
     .group = 2,
     .top = 40,
     .text = "OS Overhead",
     .report_text = "Overhead",
     .unit = ValueUnit::kMs},
    {.call = {E::kFullStroke},
     .setting = &S::seekfull,
     .flag = &F::FullStrokeOn,
     .field = &T::FullStrokeTime,
     .field_name = "FullStrokeTime",
     .description_before = 5,
     .name_label = "seekfull",
     .value_label = "seekfullv",
     .group = 2,
     .top = 16,
     .text = "Full Stroke",
     .unit = ValueUnit::kMs},
    {.call = {E::kRandomAccess},
     .setting = &S::seekrand,
     .flag = &F::RandomAccessOn,
     .field = &T::RandomAccessTime,
     .field_name = "RandomAccessTime",
     .description_before = 6,
     .name_label = "seekrand",
     .value_label = "seekrandv",
     .group = 2,
     .top = 28,
     .text = "Random Access",
     .unit = ValueUnit::kMs},
    {.call = {E::kCpuCalibration},
     .flag = &F::CalibrationOn,
     .field = &T::CpuCalibration,
     .field_name = "CpuCalibration",
     .first_pass_only = true,
     .description_before = 7,
     .description_after = 8,
     .name_label = "cpu",
     .value_label = "",
     .group = 0,
     .top = 0,
     .text = "",
     .unit = ValueUnit::kPollsPerMs},
    {.call = {E::kCpuUsage, 150},
     .setting = &S::cpu2x,
     .flag = &F::Cpu2xOn,
     .field = &T::CpuUsage2x,
     .field_name = "CpuUsage2x",
     .name_label = "cpu2x",
     .value_label = "cpu2xv",
     .group = 3,
     .top = 16,
     .text = "2X 300kps",
     .unit = ValueUnit::kPercent},
    {.call = {E::kCpuUsage, 300},
     .setting = &S::cpu4x,
     .flag = &F::Cpu4xOn,
     .field = &T::CpuUsage4x,
     .field_name = "CpuUsage4x",
     .name_label = "cpu4x",
     .value_label = "cpu4xv",
     .group = 3,
     .top = 28,
     .text = "4X 600kps",
     .unit = ValueUnit::kPercent},
    {.call = {E::kCpuUsage, 450},
     .setting = &S::cpu6x,
     .flag = &F::Cpu6xOn,
     .field = &T::CpuUsage6x,
     .field_name = "CpuUsage6x",
     .name_label = "cpu6x",
     .value_label = "cpu6xv",
     .group = 3,
     .top = 40,
     .text = "6X 900kps",
     .unit = ValueUnit::kPercent},
    {.call = {E::kCpuUsage, 600},
     .setting = &S::cpu8x,
     .flag = &F::Cpu8xOn,
     .field = &T::CpuUsage8x,
     .field_name = "CpuUsage8x",
     .name_label = "cpu8x",
     .value_label = "cpu8xv",
     .group = 3,
     .top = 52,
     .text = "8X 1200kps",
     .log_disabled_text = "8x 1200kps",
     .unit = ValueUnit::kPercent},
    {.call = {E::kCpuUsage, 900},
     .setting = &S::cpu12x,
     .flag = &F::Cpu12xOn,
     .field = &T::CpuUsage12x,
     .field_name = "CpuUsage12x",
     .name_label = "cpu12x",
     .value_label = "cpu12xv",
     .group = 3,
     .top = 64,
     .text = "12X 1800kps",
     .log_disabled_text = "12x 1800kps",
     .unit = ValueUnit::kPercent},
    {.call = {E::kCpuUsage},
     .user_rate = true,
     .setting = &S::cpuuser,
     .flag = &F::CpuUserOn,
     .field = &T::CpuUsageUser,
     .field_name = "CpuUsageUser",
     .name_label = "cpuux",
     .value_label = "cpuuxv",
     .group = 3,
     .top = 76,
     .text = "User",
     .log_disabled_text = "User",
     .unit = ValueUnit::kPercent},
    {.call = {E::kBurst, 1},
     .setting = &S::burst2k,
     .flag = &F::Burst2kOn,
     .field = &T::BurstRate2k,
     .field_name = "BurstRate2k",
     .description_before = 9,
     .name_label = "burst2k",
     .value_label = "burst2kv",
     .group = 4,
     .top = 16,
     .text = "2k burst",
     .unit = ValueUnit::kKps},
    {.call = {E::kBurst, 4},
     .setting = &S::burst8k,
     .flag = &F::Burst8kOn,
     .field = &T::BurstRate8k,
     .field_name = "BurstRate8k",
     .description_before = 9,
     .name_label = "burst8k",
     .value_label = "burst8kv",
     .group = 4,
     .top = 28,
     .text = "8k burst",
     .unit = ValueUnit::kKps},
    {.call = {E::kBurst, 8},
     .setting = &S::burst16k,
     .flag = &F::Burst16kOn,
     .field = &T::BurstRate16k,
     .field_name = "BurstRate16k",
     .description_before = 9,
     .name_label = "burst16k",
     .value_label = "burst16kv",
     .group = 4,
     .top = 40,
     .text = "16k burst",
     .unit = ValueUnit::kKps},
};

constexpr TestChoice kChoiceRows[] = {
    {.name = "read16", .setting = &S::read16, .text = "16k block"},
    {.name = "read2", .setting = &S::read2, .text = "2k block"},
    {.name = "seekfull", .setting = &S::seekfull, .text = "Full Stroke"},
    {.name = "seekrand", .setting = &S::seekrand, .text = "Random Access"},
    {.name = "cpu2x", .setting = &S::cpu2x, .text = "2X 300kps"},
    {.name = "cpu4x", .setting = &S::cpu4x, .text = "4X 600kps"},
    {.name = "cpu6x", .setting = &S::cpu6x, .text = "6X 900kps"},
    {.name = "cpu8x", .setting = &S::cpu8x, .text = "8X 1200kps"},
    {.name = "cpu12x", .setting = &S::cpu12x, .text = "12X 1800kps"},
    {.name = "cpuuser", .setting = &S::cpuuser, .text = "User", .named_in_test_list = false},
    {.name = "burst2k", .setting = &S::burst2k, .text = "2k burst"},
    {.name = "burst8k", .setting = &S::burst8k, .text = "8k burst"},
    {.name = "burst16k", .setting = &S::burst16k, .text = "16k burst"},
};

constexpr FlagName kFlagRows[] = {
    {&F::Read16On, "Read16On"},         {&F::Read2On, "Read2On"},
    {&F::FullStrokeOn, "FullStrokeOn"}, {&F::RandomAccessOn, "RandomAccessOn"},
    {&F::OverheadOn, "OverheadOn"},     {&F::Cpu2xOn, "Cpu2xOn"},
    {&F::Cpu4xOn, "Cpu4xOn"},           {&F::Cpu6xOn, "Cpu6xOn"},
    {&F::Cpu8xOn, "Cpu8xOn"},           {&F::Cpu12xOn, "Cpu12xOn"},
    {&F::CpuUserOn, "CpuUserOn"},       {&F::CalibrationOn, "CalibrationOn"},
    {&F::Burst2kOn, "Burst2kOn"},       {&F::Burst8kOn, "Burst8kOn"},
    {&F::Burst16kOn, "Burst16kOn"},
};

constexpr IndexFigure kIndexRows[] = {
    {.field = &T::MultimediaIndex,
     .field_name = "MultimediaIndex",
     .label = "Multimedia Index",
     .requirement = "requires 16k read and 2X cpu test"},
    {.field = &T::ApplicationIndex,
     .field_name = "ApplicationIndex",
     .label = "Application Index",
     .requirement = "requires 16k/2k read and random seek"},
};

}  // namespace

const std::span<const CatalogueTest> kTestCatalogue = kCatalogueRows;
const std::span<const TestChoice> kTestChoices = kChoiceRows;
const std::span<const FlagName> kFlagNames = kFlagRows;
const std::span<const IndexFigure> kIndexFigures = kIndexRows;

const std::vector<ReportSection>& ReportSections() {
  static const std::vector<ReportSection> sections = {
      {"Read Tests",
       "Read Tests",
       {&FindByField(&T::Read16Outside), &FindByField(&T::Read16Center),
        &FindByField(&T::Read16Inside), &FindByField(&T::Read2Outside),
        &FindByField(&T::Read2Center), &FindByField(&T::Read2Inside)}},
      {"Seek Tests",
       "Access Tests",
       {&FindByField(&T::FullStrokeTime), &FindByField(&T::RandomAccessTime),
        &FindByField(&T::SeekOverhead)}},
      {"CPU Tests",
       "CPU Tests",
       {&FindByField(&T::CpuUsage2x), &FindByField(&T::CpuUsage4x), &FindByField(&T::CpuUsage6x),
        &FindByField(&T::CpuUsage8x), &FindByField(&T::CpuUsage12x),
        &FindByField(&T::CpuUsageUser)}},
      {"Burst Tests",
       "Burst Tests",
       {&FindByField(&T::BurstRate2k), &FindByField(&T::BurstRate8k),
        &FindByField(&T::BurstRate16k)}},
  };
  return sections;
}

const TestChoice& FindChoice(std::string_view name) {
  return *std::find_if(kTestChoices.begin(), kTestChoices.end(),
                       [&](const TestChoice& choice) { return choice.name == name; });
}

const CatalogueTest* FindByValueLabel(std::string_view value_label) {
  if (value_label.empty()) return nullptr;
  const auto found =
      std::find_if(kTestCatalogue.begin(), kTestCatalogue.end(),
                   [&](const CatalogueTest& t) { return t.value_label == value_label; });
  return found == kTestCatalogue.end() ? nullptr : &*found;
}

const CatalogueTest& FindByField(double TestResults::*field) {
  return *std::find_if(kTestCatalogue.begin(), kTestCatalogue.end(),
                       [&](const CatalogueTest& t) { return t.field == field; });
}

std::string IndexText(const IndexFigure& index, double value, bool computed) {
  return computed ? RoundedText(value) : std::string(index.requirement);
}

std::string ResultLabel(const CatalogueTest& test, const std::string& userval) {
  if (test.user_rate) return std::string(test.text) + " " + userval + "kps";
  return test.report_text ? test.report_text : test.text;
}

std::string LogDisabledLabel(const CatalogueTest& test) {
  if (test.log_disabled_text) return test.log_disabled_text;
  return test.report_text ? test.report_text : test.text;
}

std::string ValueText(const CatalogueTest& test, double value) {
  switch (test.unit) {
    case ValueUnit::kKps:
      return KpsText(value);
    case ValueUnit::kMs:
      return MsText(value);
    case ValueUnit::kPercent:
      return PercentText(value);
    case ValueUnit::kPollsPerMs:
      break;
  }
  return RoundedText(value);
}

Better BetterWhen(const CatalogueTest& test) {
  switch (test.unit) {
    case ValueUnit::kMs:
    case ValueUnit::kPercent:
      return Better::kLower;
    case ValueUnit::kKps:
    case ValueUnit::kPollsPerMs:  // a faster processor polls more often
      break;
  }
  return Better::kHigher;
}

const char* UnitText(ValueUnit unit) {
  switch (unit) {
    case ValueUnit::kKps:
      return "kps";
    case ValueUnit::kMs:
      return "ms";
    case ValueUnit::kPercent:
      return "%";
    case ValueUnit::kPollsPerMs:
      break;
  }
  return "";
}

TestCall CallFor(const CatalogueTest& test, const std::string& userval) {
  if (!test.user_rate) return test.call;
  return {test.call.test, TextToInt(userval) / 2};
}

int64_t TestFileBytesRead(const TestSettings& settings) {
  const TestFlags flags = FlagsFrom(settings);
  int64_t last = kWarmUpLastSector;
  for (const CatalogueTest& test : kTestCatalogue) {
    const TestCall call = CallFor(test, settings.userval);
    // A CPU test at a rate that cannot pace reads never runs.
    if (!(flags.*test.flag) || (call.test == EngineTest::kCpuUsage && call.argument <= 0)) continue;
    last = std::max(last, LastSectorRead(call));
  }
  return (last + 1) * SECTOR_SIZE;
}

TestFlags FlagsFrom(const TestSettings& settings) {
  TestFlags flags;
  for (const CatalogueTest& test : kTestCatalogue) {
    if (!test.setting) continue;
    const bool needs_read16 = test.call.test == EngineTest::kCpuUsage;
    flags.*test.flag = settings.*test.setting && (!needs_read16 || settings.read16);
  }
  flags.OverheadOn = flags.FullStrokeOn || flags.RandomAccessOn;
  flags.CalibrationOn = flags.Cpu2xOn || flags.Cpu4xOn || flags.Cpu6xOn || flags.Cpu8xOn ||
                        flags.Cpu12xOn || flags.CpuUserOn;
  return flags;
}

}  // namespace vantric

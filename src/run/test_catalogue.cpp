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

}  // namespace

// clang-format off
const std::array<CatalogueTest, 19> kTestCatalogue = {{
    // call, user rate, place, setting, flag, field, field name, pass 1 only, descriptions,
    // name label, value label, group, top, text, report text, log "Disabled" text, unit
    {{E::kRead16k, kRead16kInsideSector}, false, "inside", &S::read16, &F::Read16On,
     &T::Read16Inside, "Read16Inside", false, 2, 0,
     "read16i", "read16vi", 1, 17, "16k inside", nullptr, "16k read", ValueUnit::kKps},
    {{E::kRead2k, kRead2kInsideSector}, false, "inside", &S::read2, &F::Read2On,
     &T::Read2Inside, "Read2Inside", false, 3, 0,
     "read2i", "read2vi", 1, 29, "2k inside", nullptr, "2k block", ValueUnit::kKps},
    {{E::kRead16k, kRead16kCenterSector}, false, "center", &S::read16, &F::Read16On,
     &T::Read16Center, "Read16Center", false, 2, 0,
     "read16c", "read16vc", 1, 41, "16k center", nullptr, "16k read", ValueUnit::kKps},
    {{E::kRead2k, kRead2kCenterSector}, false, "center", &S::read2, &F::Read2On,
     &T::Read2Center, "Read2Center", false, 3, 0,
     "read2c", "read2vc", 1, 53, "2k center", nullptr, "2k block", ValueUnit::kKps},
    {{E::kRead16k, kRead16kOutsideSector}, false, "outside", &S::read16, &F::Read16On,
     &T::Read16Outside, "Read16Outside", false, 2, 0,
     "read16o", "read16vo", 1, 64, "16k outside", nullptr, "16k read", ValueUnit::kKps},
    {{E::kRead2k, kRead2kOutsideSector}, false, "outside", &S::read2, &F::Read2On,
     &T::Read2Outside, "Read2Outside", false, 3, 0,
     "read2o", "read2vo", 1, 76, "2k outside", nullptr, "2k block", ValueUnit::kKps},
    {{E::kSeekOverhead}, false, "", nullptr, &F::OverheadOn,
     &T::SeekOverhead, "SeekOverhead", true, 4, 0,
     "lat", "latv", 2, 40, "OS Overhead", "Overhead", nullptr, ValueUnit::kMs},
    {{E::kFullStroke}, false, "", &S::seekfull, &F::FullStrokeOn,
     &T::FullStrokeTime, "FullStrokeTime", false, 5, 0,
     "seekfull", "seekfullv", 2, 16, "Full Stroke", nullptr, nullptr, ValueUnit::kMs},
    {{E::kRandomAccess}, false, "", &S::seekrand, &F::RandomAccessOn,
     &T::RandomAccessTime, "RandomAccessTime", false, 6, 0,
     "seekrand", "seekrandv", 2, 28, "Random Access", nullptr, nullptr, ValueUnit::kMs},
    {{E::kCpuCalibration}, false, "", nullptr, &F::CalibrationOn,
     &T::CpuCalibration, "CpuCalibration", true, 7, 8,
     "cpu", "", 0, 0, "", nullptr, nullptr, ValueUnit::kPollsPerMs},
    {{E::kCpuUsage, 150}, false, "", &S::cpu2x, &F::Cpu2xOn,
     &T::CpuUsage2x, "CpuUsage2x", false, 0, 0,
     "cpu2x", "cpu2xv", 3, 16, "2X 300kps", nullptr, nullptr, ValueUnit::kPercent},
    {{E::kCpuUsage, 300}, false, "", &S::cpu4x, &F::Cpu4xOn,
     &T::CpuUsage4x, "CpuUsage4x", false, 0, 0,
     "cpu4x", "cpu4xv", 3, 28, "4X 600kps", nullptr, nullptr, ValueUnit::kPercent},
    {{E::kCpuUsage, 450}, false, "", &S::cpu6x, &F::Cpu6xOn,
     &T::CpuUsage6x, "CpuUsage6x", false, 0, 0,
     "cpu6x", "cpu6xv", 3, 40, "6X 900kps", nullptr, nullptr, ValueUnit::kPercent},
    {{E::kCpuUsage, 600}, false, "", &S::cpu8x, &F::Cpu8xOn,
     &T::CpuUsage8x, "CpuUsage8x", false, 0, 0,
     "cpu8x", "cpu8xv", 3, 52, "8X 1200kps", nullptr, "8x 1200kps", ValueUnit::kPercent},
    {{E::kCpuUsage, 900}, false, "", &S::cpu12x, &F::Cpu12xOn,
     &T::CpuUsage12x, "CpuUsage12x", false, 0, 0,
     "cpu12x", "cpu12xv", 3, 64, "12X 1800kps", nullptr, "12x 1800kps", ValueUnit::kPercent},
    {{E::kCpuUsage}, true, "", &S::cpuuser, &F::CpuUserOn,
     &T::CpuUsageUser, "CpuUsageUser", false, 0, 0,
     "cpuux", "cpuuxv", 3, 76, "User", nullptr, "User", ValueUnit::kPercent},
    {{E::kBurst, 1}, false, "", &S::burst2k, &F::Burst2kOn,
     &T::BurstRate2k, "BurstRate2k", false, 9, 0,
     "burst2k", "burst2kv", 4, 16, "2k burst", nullptr, nullptr, ValueUnit::kKps},
    {{E::kBurst, 4}, false, "", &S::burst8k, &F::Burst8kOn,
     &T::BurstRate8k, "BurstRate8k", false, 9, 0,
     "burst8k", "burst8kv", 4, 28, "8k burst", nullptr, nullptr, ValueUnit::kKps},
    {{E::kBurst, 8}, false, "", &S::burst16k, &F::Burst16kOn,
     &T::BurstRate16k, "BurstRate16k", false, 9, 0,
     "burst16k", "burst16kv", 4, 40, "16k burst", nullptr, nullptr, ValueUnit::kKps},
}};

const std::array<TestChoice, 13> kTestChoices = {{
    {"read16", &S::read16, "16k block", true},
    {"read2", &S::read2, "2k block", true},
    {"seekfull", &S::seekfull, "Full Stroke", true},
    {"seekrand", &S::seekrand, "Random Access", true},
    {"cpu2x", &S::cpu2x, "2X 300kps", true},
    {"cpu4x", &S::cpu4x, "4X 600kps", true},
    {"cpu6x", &S::cpu6x, "6X 900kps", true},
    {"cpu8x", &S::cpu8x, "8X 1200kps", true},
    {"cpu12x", &S::cpu12x, "12X 1800kps", true},
    {"cpuuser", &S::cpuuser, "User", false},
    {"burst2k", &S::burst2k, "2k burst", true},
    {"burst8k", &S::burst8k, "8k burst", true},
    {"burst16k", &S::burst16k, "16k burst", true},
}};

const std::array<FlagName, 15> kFlagNames = {{
    {&F::Read16On, "Read16On"},       {&F::Read2On, "Read2On"},
    {&F::FullStrokeOn, "FullStrokeOn"}, {&F::RandomAccessOn, "RandomAccessOn"},
    {&F::OverheadOn, "OverheadOn"},   {&F::Cpu2xOn, "Cpu2xOn"},
    {&F::Cpu4xOn, "Cpu4xOn"},         {&F::Cpu6xOn, "Cpu6xOn"},
    {&F::Cpu8xOn, "Cpu8xOn"},         {&F::Cpu12xOn, "Cpu12xOn"},
    {&F::CpuUserOn, "CpuUserOn"},     {&F::CalibrationOn, "CalibrationOn"},
    {&F::Burst2kOn, "Burst2kOn"},     {&F::Burst8kOn, "Burst8kOn"},
    {&F::Burst16kOn, "Burst16kOn"},
}};

const std::array<IndexFigure, 2> kIndexFigures = {{
    {&T::MultimediaIndex, "MultimediaIndex", "Multimedia Index"},
    {&T::ApplicationIndex, "ApplicationIndex", "Application Index"},
}};
// clang-format on

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

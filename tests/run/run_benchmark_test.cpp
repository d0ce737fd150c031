#include "run/run_benchmark.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "run/value_text.h"
#include "run_rig.h"

namespace vantric::testing {
namespace {

using Strings = std::vector<std::string>;

// The engine's captions and the descriptions, in the order the run produced them.
Strings Steps(const RecordingView& view) {
  Strings steps;
  for (const std::string& entry : view.trail) {
    if (entry.rfind("describe ", 0) == 0) steps.push_back(entry.substr(9));
    if (entry.rfind("caption Current Test: ", 0) == 0) steps.push_back(entry.substr(22));
  }
  return steps;
}

TEST(RunBenchmarkTest, OneDefaultPassOnAnEightSpeedClvDrive) {
  ProfileRunRig rig("8x-clv");
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);

  // The drive reads about 1200 KB/s outside: 8X (600 sectors/s) passes the gate, 12X does not.
  EXPECT_EQ(Steps(rig.view), (Strings{"Waiting",
                                      "1",
                                      "2",
                                      "Read 16k",
                                      "3",
                                      "Read 2k",
                                      "Read 16k",
                                      "Read 2k",
                                      "Read 16k",
                                      "Read 2k",
                                      "4",
                                      "Seek Overhead",
                                      "5",
                                      "Full Stroke Seek",
                                      "6",
                                      "Random Seek",
                                      "7",
                                      "CPU Vantric",
                                      "8",
                                      "CPU Test 300kps",
                                      "CPU Test 600kps",
                                      "CPU Test 900kps",
                                      "CPU Test 1200kps",
                                      "9",
                                      "2k Burst",
                                      "8k Burst",
                                      "16k Burst",
                                      "Finished",
                                      "10",
                                      "13",
                                      "14"}));
  const TestResults& r = rig.results;
  EXPECT_TRUE(r.ResultsValid);
  EXPECT_FALSE(r.RunInProgress);
  EXPECT_EQ(r.PassCount, 1);
  EXPECT_TRUE(r.flags.Cpu8xOn);
  EXPECT_FALSE(r.flags.Cpu12xOn);
  EXPECT_FALSE(rig.view.IsEnabled("cpu12x"));
  EXPECT_TRUE(rig.view.IsEnabled("cpu8x"));
  EXPECT_EQ(r.CpuUsage12x, 0);
  EXPECT_GT(r.CpuCalibration, 0);
  EXPECT_GT(r.MultimediaIndex, 0);
  EXPECT_GT(r.ApplicationIndex, 0);
  EXPECT_EQ(r.DriveTypeText, "Drive type: CLV");
  EXPECT_GE(r.DriveRatingText, "Drive rating: 7.8X");
  EXPECT_LE(r.DriveRatingText, "Drive rating: 8.0X");
  EXPECT_EQ(rig.view.window_caption, "Vantric 1 Pass Test Results");
  EXPECT_EQ(rig.view.Text("Button1"), "Ok");
  EXPECT_EQ(rig.view.Text("drvtype"), "Drive type: CLV");
  EXPECT_EQ(rig.view.Text("drvspeed"), r.DriveRatingText);
  for (const char* shown : {"Button2", "Button3", "mindex", "aindex", "drvspeed", "drvtype"}) {
    EXPECT_TRUE(rig.view.IsVisible(shown)) << shown;
  }
  EXPECT_FALSE(rig.view.IsEnabled("Button3"));
  EXPECT_FALSE(rig.view.IsVisible("Panel1"));
  EXPECT_FALSE(rig.view.hidden);
  EXPECT_TRUE(rig.view.messages.empty());
  EXPECT_EQ(rig.user.asked, 0);  // no log file, no questions
  // The engine's hooks must not outlive the run's view.
  EXPECT_FALSE(rig.engine.OnTestCaption);
  EXPECT_FALSE(rig.engine.OnTestProgress);
}

// A default run on each simulated drive gives what a drive of its kind could: access times
// left after the overhead, both indexes, and its spin as the type.
TEST(RunBenchmarkTest, EverySimulatedDriveGetsItsFiguresAndIndexes) {
  for (const DriveProfile& profile : DriveProfiles()) {
    SCOPED_TRACE(profile.name);
    ProfileRunRig rig(profile.name);
    ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
    const TestResults& r = rig.results;
    EXPECT_GT(r.SeekOverhead, 0);
    EXPECT_GT(r.RandomAccessTime, profile.parameters.settle_ms);
    EXPECT_GT(r.FullStrokeTime, r.RandomAccessTime);
    EXPECT_TRUE(r.flags.Cpu2xOn);
    EXPECT_GT(r.MultimediaIndex, 0);
    EXPECT_GT(r.ApplicationIndex, 0);
    EXPECT_EQ(rig.view.Text("mindex"), "Multimedia Index: " + RoundedText(r.MultimediaIndex));
    EXPECT_EQ(rig.view.Text("aindex"), "Application Index: " + RoundedText(r.ApplicationIndex));
    EXPECT_EQ(r.DriveTypeText,
              profile.parameters.spin == SpinMode::kCav ? "Drive type: CAV" : "Drive type: CLV");
  }
}

TEST(RunBenchmarkTest, LaterPassesRepeatOnlyTheSummedTests) {
  ScriptedRunRig rig;
  rig.settings.PassEdit = "3";
  double overhead_after_pass_1 = -1;
  double calibration_after_pass_1 = -1;
  int pass_starts = 0;
  rig.view.on_caption = [&](const std::string& caption) {
    if (caption != "Intializing Tests" || ++pass_starts != 2) return;
    overhead_after_pass_1 = rig.results.SeekOverhead;
    calibration_after_pass_1 = rig.results.CpuCalibration;
  };
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);

  EXPECT_EQ(rig.view.TrailOf("window "),
            (Strings{"Vantric Pass 1 of 3", "Vantric Pass 2 of 3", "Vantric Pass 3 of 3",
                     "Vantric 3 Pass Test Results"}));
  const Strings steps = Steps(rig.view);
  const auto count = [&](const std::string& step) {
    return std::count(steps.begin(), steps.end(), step);
  };
  EXPECT_EQ(count("1"), 3);
  for (const char* once :
       {"2", "3", "4", "5", "6", "7", "8", "9", "Seek Overhead", "CPU Vantric"}) {
    EXPECT_EQ(count(once), 1) << once;
  }
  EXPECT_EQ(count("Read 16k"), 9);
  EXPECT_EQ(count("Random Seek"), 3);
  EXPECT_EQ(count("16k Burst"), 3);
  // Each pass starts with an empty description area holding description 1.
  EXPECT_EQ(std::count(rig.view.trail.begin(), rig.view.trail.end(), "clear"), 3);
  EXPECT_EQ(rig.view.descriptions.front(), 1);

  EXPECT_GT(overhead_after_pass_1, 0);
  EXPECT_EQ(rig.results.SeekOverhead, overhead_after_pass_1);
  EXPECT_EQ(rig.results.CpuCalibration, calibration_after_pass_1);
  EXPECT_EQ(rig.view.Text("latv"), MsText(overhead_after_pass_1));
}

TEST(RunBenchmarkTest, MeansAndRunningMeansOverThreePasses) {
  ScriptedRunRig rig;
  rig.settings = NoTests();
  rig.settings.read16 = true;
  rig.settings.PassEdit = "3";
  const double inside_rates[] = {1000, 1100, 1200};
  rig.SetRates([&](int pass, int64_t sector) {
    return sector < 10'000 && pass >= 1 ? inside_rates[pass - 1] : 1200.0;
  });
  std::string shown_after_pass_2;
  int pass_starts = 0;
  rig.view.on_caption = [&](const std::string& caption) {
    if (caption == "Intializing Tests" && ++pass_starts == 3) {
      shown_after_pass_2 = rig.view.Text("read16vi");
    }
  };
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);

  EXPECT_EQ(shown_after_pass_2, "1050 kps");
  EXPECT_EQ(rig.view.Text("read16vi"), "1100 kps");
  EXPECT_NEAR(rig.results.Read16Inside, 1100, 0.01);
  EXPECT_NEAR(rig.results.Read16Outside, 1200, 0.01);
  // Each pass keeps its own value besides the sum.
  const std::vector<double> per_pass = rig.results.ValuesPerPass(&TestResults::Read16Inside);
  ASSERT_EQ(per_pass.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(per_pass[i], inside_rates[i], 0.01) << i;
}

// A mean that forgets to divide one field, or divides the wrong one, shows as a three-pass
// run that differs from one pass on a drive that reads the same in every pass.
TEST(RunBenchmarkTest, EveryAveragedFieldOfThreeEqualPassesEqualsOnePass) {
  const auto run = [](const char* passes) {
    ScriptedRunRig rig;
    rig.settings.cpuuser = true;
    rig.settings.userval = "1000";
    rig.settings.PassEdit = passes;
    rig.SetRates([](int, int64_t) { return 1800.0; });  // fast enough for every CPU gate
    EXPECT_EQ(rig.Run(), RunOutcome::kCompleted);
    return rig.results;
  };
  const TestResults one = run("1");
  const TestResults three = run("3");
  const std::vector<std::pair<const char*, double TestResults::*>> fields = {
      {"Read16Inside", &TestResults::Read16Inside},
      {"Read16Center", &TestResults::Read16Center},
      {"Read16Outside", &TestResults::Read16Outside},
      {"Read2Inside", &TestResults::Read2Inside},
      {"Read2Center", &TestResults::Read2Center},
      {"Read2Outside", &TestResults::Read2Outside},
      {"FullStrokeTime", &TestResults::FullStrokeTime},
      {"RandomAccessTime", &TestResults::RandomAccessTime},
      {"CpuUsage2x", &TestResults::CpuUsage2x},
      {"CpuUsage4x", &TestResults::CpuUsage4x},
      {"CpuUsage6x", &TestResults::CpuUsage6x},
      {"CpuUsage8x", &TestResults::CpuUsage8x},
      {"CpuUsage12x", &TestResults::CpuUsage12x},
      {"CpuUsageUser", &TestResults::CpuUsageUser},
      {"BurstRate2k", &TestResults::BurstRate2k},
      {"BurstRate8k", &TestResults::BurstRate8k},
      {"BurstRate16k", &TestResults::BurstRate16k},
      {"MultimediaIndex", &TestResults::MultimediaIndex},
      {"ApplicationIndex", &TestResults::ApplicationIndex},
  };
  for (const auto& [name, field] : fields) {
    EXPECT_GT(one.*field, 0) << name << " was not measured";
    EXPECT_NEAR(three.*field, one.*field, 1e-9 * one.*field) << name;
  }
}

// A pulled-out disc or a scratch must end the run as a cancel does, quickly, with the reason,
// and leave an existing log exactly as it was.
TEST(RunBenchmarkTest, AFailedReadEndsTheRunWithItsReasonAndLeavesTheLogAlone) {
  struct FailureCase {
    const char* name;
    double removed_at_seconds;
    int64_t first_bad_sector, end_bad_sector;
    const char* message;
  };
  // The center 16k test reads 8 sectors at a time from 150001 on; the read that meets the
  // scratch begins at 150097.
  for (const FailureCase& c : {
           FailureCase{"disc removed", 20, 0, 0, nullptr},
           FailureCase{"scratch", std::numeric_limits<double>::infinity(), 150'100, 150'200,
                       "Error reading the test disc at sector 150097: Input/output error."},
       }) {
    SCOPED_TRACE(c.name);
    ProfileRunRig rig("8x-clv");
    rig.simulation->faults() = {c.removed_at_seconds, {{c.first_bad_sector, c.end_bad_sector}}};
    rig.settings.PassEdit = "2";
    rig.settings.LogEdit = ::testing::TempDir() + "failed_read.log";
    const std::string earlier = "an earlier run\r\n";
    std::ofstream(rig.settings.LogEdit, std::ios::binary | std::ios::trunc) << earlier;

    ASSERT_EQ(rig.Run(), RunOutcome::kReadFailed);
    ASSERT_EQ(rig.view.messages.size(), 1u);
    if (c.message != nullptr) {
      EXPECT_EQ(rig.view.messages[0], c.message);
      // The tests before the scratch show their values; the one that met it shows none.
      EXPECT_NE(rig.view.Text("read16vi"), "");
      EXPECT_NE(rig.view.Text("read2vi"), "");
      EXPECT_EQ(rig.view.Text("read16vc"), "");
    } else {
      EXPECT_EQ(rig.view.messages[0].rfind("Error reading the test disc at sector ", 0), 0u)
          << rig.view.messages[0];
      EXPECT_NE(rig.view.messages[0].find(": Input/output error."), std::string::npos);
    }
    EXPECT_EQ(rig.view.trail.back(), "hide");
    EXPECT_FALSE(rig.results.ResultsValid);
    EXPECT_FALSE(rig.view.IsVisible("Button2"));
    EXPECT_EQ(rig.user.asked, 0);
    const Strings steps = Steps(rig.view);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "10"), 0);  // no means, no indexes
    std::ifstream log(rig.settings.LogEdit, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(log), {}), earlier);

    if (c.message == nullptr) {
      // Whatever test was under way stops at its next progress point, within one CPU trial.
      const double ended_at =
          rig.simulation->clock().SecondsForCounts(rig.simulation->clock().Now());
      EXPECT_LT(ended_at - c.removed_at_seconds, 5);
    }
  }
}

TEST(RunBenchmarkTest, CpuTestsBeyondTheDriveLeaveTheRunForGood) {
  ScriptedRunRig rig;
  rig.settings.PassEdit = "2";
  rig.settings.cpuuser = true;
  rig.settings.userval = "1000";  // 500 sectors/s: needs 980.4 KB/s outside
  rig.settings.LogEdit = ::testing::TempDir() + "gate.log";
  std::remove(rig.settings.LogEdit.c_str());
  // 1000 KB/s outside gives 510 sectors/s with the tolerance: 2X, 4X, 6X and user run.
  rig.SetRates([](int, int64_t sector) { return sector >= 290'000 ? 1000.0 : 1200.0; });
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);

  const Strings steps = Steps(rig.view);
  const auto count = [&](const std::string& step) {
    return std::count(steps.begin(), steps.end(), step);
  };
  EXPECT_EQ(count("CPU Test 300kps"), 2);
  EXPECT_EQ(count("CPU Test 600kps"), 2);
  EXPECT_EQ(count("CPU Test 900kps"), 2);
  EXPECT_EQ(count("CPU Test 1000kps"), 2);
  EXPECT_EQ(count("CPU Test 1200kps"), 0);
  EXPECT_EQ(count("CPU Test 1800kps"), 0);
  const TestFlags& f = rig.results.flags;
  EXPECT_TRUE(f.Cpu6xOn && f.CpuUserOn);
  EXPECT_FALSE(f.Cpu8xOn || f.Cpu12xOn);
  EXPECT_FALSE(rig.view.IsEnabled("cpu8x") || rig.view.IsEnabled("cpu12x"));
  EXPECT_EQ(rig.view.Text("cpuux"), "User 1000kps");
  EXPECT_EQ(rig.results.CpuUsage8x, 0);
  EXPECT_GT(rig.results.CpuUsage6x, 0);

  std::ifstream log(rig.settings.LogEdit, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(log)), {});
  EXPECT_NE(
      text.find("     8x 1200kps: Disabled\r\n     12x 1800kps: Disabled\r\n     User 1000kps: "),
      std::string::npos);
}

TEST(RunBenchmarkTest, UserRateJustBelowItsGateIsSkipped) {
  ScriptedRunRig rig;
  rig.settings = NoTests();
  rig.settings.read16 = true;
  rig.settings.cpuuser = true;
  rig.settings.userval = "1000";
  rig.SetRates([](int, int64_t sector) { return sector >= 290'000 ? 980.0 : 1200.0; });
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
  EXPECT_FALSE(rig.results.flags.CpuUserOn);
  EXPECT_TRUE(rig.results.flags.CalibrationOn);
  // Description 8 follows the calibration even though no usage test passes its gate.
  EXPECT_EQ(Steps(rig.view),
            (Strings{"Waiting", "1", "2", "Read 16k", "Read 16k", "Read 16k", "7", "CPU Vantric",
                     "8", "Finished", "10", "11", "12", "13", "14"}));
}

TEST(RunBenchmarkTest, WithoutTheSixteenKTestNoCpuTestRuns) {
  ScriptedRunRig rig;
  rig.settings.read16 = false;
  rig.settings.cpuuser = true;
  rig.settings.userval = "300";
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
  const TestFlags& f = rig.results.flags;
  EXPECT_FALSE(f.Cpu2xOn || f.Cpu4xOn || f.Cpu6xOn || f.Cpu8xOn || f.Cpu12xOn || f.CpuUserOn ||
               f.CalibrationOn);
  EXPECT_FALSE(rig.view.IsEnabled("cpu"));
  EXPECT_EQ(rig.view.Text("cpuux"), "User");
  EXPECT_EQ(rig.results.CpuCalibration, 0);
  EXPECT_EQ(rig.results.DriveRatingText, "Drive rating: not tested");
  EXPECT_EQ(rig.results.DriveTypeText, "Drive type: not tested");
}

TEST(RunBenchmarkTest, EveryTestOffStillWarmsUpEachPass) {
  ScriptedRunRig rig;
  rig.settings = NoTests();
  rig.settings.PassEdit = "2";
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);

  EXPECT_EQ(Steps(rig.view),
            (Strings{"Waiting", "1", "Finished", "1", "Finished", "10", "11", "12"}));
  EXPECT_EQ(rig.view.progress, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100, 100, 12, 25,
                                                 38, 50, 62, 75, 88, 100, 100}));
  // Each pass: back to the start, then eight positions from the outside in, each followed by
  // four 16 KB reads.
  std::vector<int64_t> positions;
  for (const ScriptedRead& read : rig.file->Reads()) {
    if (read.sector_count == 1) positions.push_back(read.first_sector);
  }
  EXPECT_EQ(positions,
            (std::vector<int64_t>{0, 210016, 180016, 150016, 120016, 90016, 60016, 30016, 16, 0,
                                  210016, 180016, 150016, 120016, 90016, 60016, 30016, 16}));
  EXPECT_EQ(rig.file->Reads().size(), 2u * (1 + 8 * 5));
  EXPECT_EQ(rig.view.Text("mindex"), "Multimedia Index: not tested");
  EXPECT_EQ(rig.view.Text("aindex"), "Application Index: not tested");
  EXPECT_EQ(rig.view.Text("drvspeed"), "Drive rating: not tested");
  EXPECT_EQ(rig.view.Text("drvtype"), "Drive type: not tested");
  EXPECT_TRUE(rig.results.ResultsValid);
  // Sixteen seconds of rest, at least.
  EXPECT_GE(rig.clock.SecondsForCounts(rig.clock.Now()), 16.0);
}

TEST(RunBenchmarkTest, StartResetsTheLastRunAndTheUserTexts) {
  ScriptedRunRig rig;
  rig.results.Read16Inside = 5000;
  rig.results.MultimediaIndex = 77;
  rig.results.pass_values.push_back({&TestResults::Read16Inside, 1, 5000});
  rig.results.ResultsValid = true;
  rig.user.edit1 = "old drive";
  for (const char* label : {"read16vi", "burst16kv", "latv"}) rig.view.texts[label] = "stale";
  rig.settings = NoTests();
  rig.settings.burst16k = true;
  bool checked = false;
  rig.view.on_caption = [&](const std::string& caption) {
    if (caption != "Intializing Tests") return;
    checked = true;
    EXPECT_EQ(rig.results.Read16Inside, 0);
    EXPECT_EQ(rig.results.MultimediaIndex, 0);
    EXPECT_FALSE(rig.results.ResultsValid);
    EXPECT_TRUE(rig.results.RunInProgress);
    EXPECT_EQ(rig.user.edit1, "");
    EXPECT_EQ(rig.view.Text("read16vi"), "");
    EXPECT_EQ(rig.view.Text("latv"), "");
    EXPECT_TRUE(rig.view.IsVisible("Panel1"));
    EXPECT_FALSE(rig.view.IsVisible("Button2") || rig.view.IsVisible("Button3") ||
                 rig.view.IsVisible("mindex"));
    EXPECT_EQ(rig.view.Text("Button1"), "Cancel");
  };
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
  EXPECT_TRUE(checked);
  EXPECT_EQ(rig.view.Text("read16vi"), "");
  EXPECT_NE(rig.view.Text("burst16kv"), "stale");
  EXPECT_TRUE(rig.results.ValuesPerPass(&TestResults::Read16Inside).empty());
}

// Cancel pressed during the warm-up or during any test of the run ends it there: no later test
// begins, the cancelled test's value is not shown, nothing is presented or logged.
TEST(RunBenchmarkTest, CancelDuringAnyTestEndsTheRunThereWithNothingPresented) {
  // Pass 1 in order; the calibration shows no value. At 1200 KB/s the 12X test is beyond the
  // drive and the user's 1000 kps is not.
  const struct {
    const char* caption;
    const char* value_label;
  } tests[] = {
      {"Read 16k", "read16vi"},       {"Read 2k", "read2vi"},
      {"Read 16k", "read16vc"},       {"Read 2k", "read2vc"},
      {"Read 16k", "read16vo"},       {"Read 2k", "read2vo"},
      {"Seek Overhead", "latv"},      {"Full Stroke Seek", "seekfullv"},
      {"Random Seek", "seekrandv"},   {"CPU Vantric", nullptr},
      {"CPU Test 300kps", "cpu2xv"},  {"CPU Test 600kps", "cpu4xv"},
      {"CPU Test 900kps", "cpu6xv"},  {"CPU Test 1200kps", "cpu8xv"},
      {"CPU Test 1000kps", "cpuuxv"}, {"2k Burst", "burst2kv"},
      {"8k Burst", "burst8kv"},       {"16k Burst", "burst16kv"},
  };
  constexpr size_t kCount = std::size(tests);
  // 0: during the warm-up; n: during the nth test.
  for (size_t cancelled = 0; cancelled <= kCount; ++cancelled) {
    SCOPED_TRACE(cancelled == 0
                     ? std::string("warm-up")
                     : "test " + std::to_string(cancelled) + ", " + tests[cancelled - 1].caption);
    ScriptedRunRig rig;
    rig.settings.PassEdit = "2";
    rig.settings.cpuuser = true;
    rig.settings.userval = "1000";
    rig.settings.LogEdit = ::testing::TempDir() + "cancelled.log";
    std::remove(rig.settings.LogEdit.c_str());
    Strings begun;
    int64_t cancelled_at = -1;
    rig.view.on_caption = [&](const std::string& caption) {
      if (caption.rfind("Current Test: ", 0) == 0 && caption != "Current Test: Waiting") {
        begun.push_back(caption.substr(14));
      }
      if (cancelled_at < 0 &&
          (cancelled == 0 ? caption == "Intializing Tests" : begun.size() == cancelled)) {
        rig.engine.CancelRequested = true;
        cancelled_at = rig.clock.Now();
      }
    };
    ASSERT_EQ(rig.Run(), RunOutcome::kCancelled);

    Strings expected;
    for (size_t i = 0; i < cancelled; ++i) expected.push_back(tests[i].caption);
    EXPECT_EQ(begun, expected) << "no test may begin after the cancel";
    // Each test sees the cancel at its next progress point.
    EXPECT_LT(rig.clock.SecondsForCounts(rig.clock.Now() - cancelled_at), 3);
    for (size_t i = 0; i < kCount; ++i) {
      const char* label = tests[i].value_label;
      if (label == nullptr) continue;
      if (i + 1 < cancelled) {
        EXPECT_NE(rig.view.Text(label), "") << label;
      } else if (i + 1 == cancelled) {
        EXPECT_EQ(rig.view.Text(label), "") << label << ": the cancelled test's value is shown";
      } else {
        EXPECT_EQ(rig.view.Text(label), "") << label;
      }
    }
    EXPECT_EQ(rig.view.messages, Strings{"Test aborted by user."});
    EXPECT_EQ(rig.view.trail.back(), "hide");
    EXPECT_FALSE(rig.results.ResultsValid);
    EXPECT_FALSE(rig.results.RunInProgress);
    const Strings steps = Steps(rig.view);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "10"), 0);  // no means, no indexes
    EXPECT_EQ(rig.user.asked, 0);
    EXPECT_FALSE(std::ifstream(rig.settings.LogEdit).good());
    EXPECT_FALSE(rig.view.IsVisible("Button2"));
  }
}

TEST(RunBenchmarkTest, NoCounterMeasuresNothing) {
  ScriptedRunRig rig;
  rig.clock.SetFrequency(0);
  ASSERT_EQ(rig.Run(), RunOutcome::kNoCounter);
  EXPECT_EQ(rig.view.messages, Strings{"Error intializing performance counter."});
  EXPECT_TRUE(rig.view.hidden);
  EXPECT_FALSE(rig.results.RunInProgress || rig.results.ResultsValid);
  EXPECT_TRUE(rig.file->Reads().empty());
}

TEST(RunBenchmarkTest, APassCountBelowOneRunsNoPassAndPresentsNoFigures) {
  for (const char* passes : {"0", "-2"}) {
    SCOPED_TRACE(passes);
    ScriptedRunRig rig;
    rig.settings.PassEdit = passes;
    rig.settings.LogEdit = ::testing::TempDir() + "no-pass.log";
    std::remove(rig.settings.LogEdit.c_str());
    ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
    EXPECT_FALSE(rig.results.ResultsValid);
    EXPECT_TRUE(rig.file->Reads().empty());
    for (double value :
         {rig.results.Read16Inside, rig.results.RandomAccessTime, rig.results.CpuUsage2x,
          rig.results.ApplicationIndex, rig.results.MultimediaIndex}) {
      EXPECT_EQ(value, 0);  // not a NaN from 0 / 0
    }
    EXPECT_EQ(rig.view.Text("aindex"), "Application Index: not tested");
    EXPECT_EQ(rig.view.Text("drvspeed"), "Drive rating: not tested");
    EXPECT_FALSE(rig.view.IsEnabled("read16i"));
    EXPECT_FALSE(rig.view.IsVisible("Button2"));
    EXPECT_EQ(rig.user.asked, 0);
    EXPECT_FALSE(std::ifstream(rig.settings.LogEdit).good());
  }
}

}  // namespace
}  // namespace vantric::testing

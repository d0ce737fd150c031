#include "run/run_benchmark.h"

#include <array>
#include <string_view>

#include "engine/rounding.h"
#include "run/drive_figures.h"
#include "run/results_log.h"
#include "run/text_readers.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr std::array<std::string_view, 18> kValueLabels = {
    "read16vi", "read16vc",  "read16vo",  "read2vi",  "read2vc",  "read2vo",
    "latv",     "seekfullv", "seekrandv", "cpu2xv",   "cpu4xv",   "cpu6xv",
    "cpu8xv",   "cpu12xv",   "cpuuxv",    "burst2kv", "burst8kv", "burst16kv"};

constexpr int kWarmUpSteps = 8;
constexpr uint32_t kWarmUpPauseMs = 1000;
constexpr double kGateTolerance = 1.02;

// The CPU usage tests in the order they run.
struct CpuUsageTest {
  bool TestFlags::*flag;
  const char* name_label;
  int32_t rate;  // sectors/s; 0 stands for the user rate, read anew at each test
  double TestResults::*sum;
  const char* value_label;
};
constexpr CpuUsageTest kCpuUsageTests[] = {
    {&TestFlags::Cpu2xOn, "cpu2x", 150, &TestResults::CpuUsage2x, "cpu2xv"},
    {&TestFlags::Cpu4xOn, "cpu4x", 300, &TestResults::CpuUsage4x, "cpu4xv"},
    {&TestFlags::Cpu6xOn, "cpu6x", 450, &TestResults::CpuUsage6x, "cpu6xv"},
    {&TestFlags::Cpu8xOn, "cpu8x", 600, &TestResults::CpuUsage8x, "cpu8xv"},
    {&TestFlags::Cpu12xOn, "cpu12x", 900, &TestResults::CpuUsage12x, "cpu12xv"},
    {&TestFlags::CpuUserOn, "cpuux", 0, &TestResults::CpuUsageUser, "cpuuxv"},
};

TestFlags FlagsFrom(const TestSettings& s) {
  TestFlags f;
  f.Read16On = s.read16;
  f.Read2On = s.read2;
  f.FullStrokeOn = s.seekfull;
  f.RandomAccessOn = s.seekrand;
  f.OverheadOn = f.FullStrokeOn || f.RandomAccessOn;
  // Every CPU test paces its reads against the 16k read rate, so none runs without it.
  f.Cpu2xOn = s.cpu2x && s.read16;
  f.Cpu4xOn = s.cpu4x && s.read16;
  f.Cpu6xOn = s.cpu6x && s.read16;
  f.Cpu8xOn = s.cpu8x && s.read16;
  f.Cpu12xOn = s.cpu12x && s.read16;
  f.CpuUserOn = s.cpuuser && s.read16;
  f.CalibrationOn = f.Cpu2xOn || f.Cpu4xOn || f.Cpu6xOn || f.Cpu8xOn || f.Cpu12xOn || f.CpuUserOn;
  f.Burst2kOn = s.burst2k;
  f.Burst8kOn = s.burst8k;
  f.Burst16kOn = s.burst16k;
  return f;
}

void ShowFlags(const TestFlags& f, ResultsView& view) {
  for (std::string_view name : {"read16i", "read16c", "read16o"}) view.SetEnabled(name, f.Read16On);
  for (std::string_view name : {"read2i", "read2c", "read2o"}) view.SetEnabled(name, f.Read2On);
  view.SetEnabled("seekfull", f.FullStrokeOn);
  view.SetEnabled("seekrand", f.RandomAccessOn);
  view.SetEnabled("lat", f.OverheadOn);
  view.SetEnabled("cpu2x", f.Cpu2xOn);
  view.SetEnabled("cpu4x", f.Cpu4xOn);
  view.SetEnabled("cpu6x", f.Cpu6xOn);
  view.SetEnabled("cpu8x", f.Cpu8xOn);
  view.SetEnabled("cpu12x", f.Cpu12xOn);
  view.SetEnabled("cpuux", f.CpuUserOn);
  view.SetEnabled("cpu", f.CalibrationOn);
  view.SetEnabled("burst2k", f.Burst2kOn);
  view.SetEnabled("burst8k", f.Burst8kOn);
  view.SetEnabled("burst16k", f.Burst16kOn);
}

// One run: the state that lives only while RunBenchmark does.
class Run {
 public:
  explicit Run(const RunContext& context)
      : engine_(context.engine),
        settings_(context.settings),
        results_(context.results),
        view_(context.view),
        user_information_(context.user_information),
        flags_(context.results.flags) {}

  ~Run() {
    // The view may not outlive the run; the hooks must not point at it afterwards.
    engine_.OnTestCaption = nullptr;
    engine_.OnTestProgress = nullptr;
  }

  RunOutcome Execute() {
    Prepare();
    if (!engine_.StartCounter()) {
      view_.ShowMessage("Error intializing performance counter.");
      view_.HideWindow();
      return RunOutcome::kNoCounter;
    }
    results_.StartTime = engine_.platform().system.GetLocalTime();
    results_.RunInProgress = true;
    results_.PassCount = TextToInt(settings_.PassEdit);
    passes_ = results_.PassCount;

    for (pass_ = 1; pass_ <= passes_; ++pass_) {
      if (!RunPass()) return Abort();
    }
    Finish();
    return RunOutcome::kCompleted;
  }

 private:
  void Prepare() {
    view_.SetText("Button1", "Cancel");
    view_.SetVisible("Button3", false);
    results_.RunInProgress = false;
    results_.ResultsValid = false;
    engine_.CancelRequested = false;
    engine_.ClearReadFailure();
    results_.ResetMeasurements();

    view_.ShowTestProgress(0);
    view_.ShowTestCaption("Current Test: Waiting");
    for (std::string_view label : kValueLabels) view_.SetText(label, "");
    user_information_.Clear();
    results_.UserInfoGiven = false;

    engine_.OnTestCaption = [this](const std::string& text) { view_.ShowTestCaption(text); };
    engine_.OnTestProgress = [this](int percent) { view_.ShowTestProgress(percent); };
    engine_.UseBaselines(results_);

    flags_ = FlagsFrom(settings_);
    ShowFlags(flags_, view_);
    // A stale rate from an earlier run must not label a run without the user test.
    view_.SetText("cpuux", flags_.CpuUserOn ? "User " + settings_.userval + "kps" : "User");

    view_.SetVisible("Panel1", true);
    for (std::string_view name : {"mindex", "aindex", "drvtype", "drvspeed", "Button2"}) {
      view_.SetVisible(name, false);
    }
  }

  // False when the user cancelled.
  bool RunPass() {
    step_ = 0;
    view_.ShowTestStep(0, TestsInPass(), {});
    engine_.SeekToStart();
    view_.ClearDescriptions();
    view_.DescribeStep(1);
    view_.SetWindowCaption("Vantric Pass " + std::to_string(pass_) + " of " +
                           std::to_string(passes_));
    view_.ProcessMessages();
    view_.ShowTestCaption("Intializing Tests");
    if (!WarmUp()) return false;
    if (!RunTests()) return false;
    view_.ShowTestStep(0, step_, {});
    view_.ShowTestCaption("Current Test: Finished");
    view_.ShowTestProgress(100);
    return true;
  }

  bool WarmUp() {
    Clock& clock = engine_.platform().clock;
    for (int k = 1; k <= kWarmUpSteps; ++k) {
      engine_.ReadSectorAt((8 - k) * 30000 + 16);
      for (int read = 0; read < 4; ++read) engine_.ReadSequential(8);
      view_.ShowTestProgress(static_cast<int>(Round(k * 0.125 * 100)));
      clock.Sleep(kWarmUpPauseMs);
      view_.ProcessMessages();
      if (engine_.StopRequested()) return false;
    }
    return true;
  }

  bool FirstPass() const { return pass_ == 1; }

  // How many tests this pass runs. A CPU test counts while its gate may still let it through;
  // whether it does is known once pass 1 has measured the 16k outside rate.
  int TestsInPass() const {
    const TestFlags& f = flags_;
    int count = (f.Read16On ? 3 : 0) + (f.Read2On ? 3 : 0);
    for (bool on : {f.FullStrokeOn, f.RandomAccessOn, f.Burst2kOn, f.Burst8kOn, f.Burst16kOn}) {
      count += on ? 1 : 0;
    }
    if (FirstPass()) count += (f.OverheadOn ? 1 : 0) + (f.CalibrationOn ? 1 : 0);
    for (const CpuUsageTest& test : kCpuUsageTests) {
      if (f.*test.flag && (!gate_known_ || GateOpen(Rate(test)))) ++count;
    }
    return count;
  }

  void BeginTest(std::string_view place = {}) { view_.ShowTestStep(++step_, TestsInPass(), place); }

  // Adds one pass's value to its sum and shows the mean so far.
  // A test whose reads failed measured nothing: its value is neither kept nor shown.
  void Accumulate(double& sum, double value, std::string_view label,
                  std::string (*format)(double)) {
    if (engine_.FirstReadFailure().failed) return;
    sum += value;
    view_.SetText(label, format(sum / pass_));
  }

  bool RunTests() {
    if (flags_.Read16On) {
      if (FirstPass()) view_.DescribeStep(2);
      BeginTest("inside");
      Accumulate(results_.Read16Inside, engine_.RunRead16kTest(512), "read16vi", KpsText);
      if (engine_.StopRequested()) return false;
    }
    if (flags_.Read2On) {
      if (FirstPass()) view_.DescribeStep(3);
      BeginTest("inside");
      Accumulate(results_.Read2Inside, engine_.RunRead2kTest(2048), "read2vi", KpsText);
      if (engine_.StopRequested()) return false;
    }
    if (flags_.Read16On) {
      BeginTest("center");
      Accumulate(results_.Read16Center, engine_.RunRead16kTest(150000), "read16vc", KpsText);
      if (engine_.StopRequested()) return false;
    }
    if (flags_.Read2On) {
      BeginTest("center");
      Accumulate(results_.Read2Center, engine_.RunRead2kTest(152536), "read2vc", KpsText);
      if (engine_.StopRequested()) return false;
    }
    if (flags_.Read16On) {
      BeginTest("outside");
      Accumulate(results_.Read16Outside, engine_.RunRead16kTest(298500), "read16vo", KpsText);
      if (FirstPass()) {
        results_.FirstPassRead16Outside = results_.Read16Outside;
        gate_known_ = true;
      }
      if (engine_.StopRequested()) return false;
    }
    if (flags_.Read2On) {
      BeginTest("outside");
      Accumulate(results_.Read2Outside, engine_.RunRead2kTest(296000), "read2vo", KpsText);
      if (engine_.StopRequested()) return false;
    }
    return RunAccessTests() && RunCpuTests() && RunBurstTests();
  }

  bool RunAccessTests() {
    if (flags_.OverheadOn && FirstPass()) {
      view_.DescribeStep(4);
      BeginTest();
      results_.SeekOverhead = engine_.RunSeekOverheadTest();
      if (!engine_.FirstReadFailure().failed) view_.SetText("latv", MsText(results_.SeekOverhead));
      if (engine_.StopRequested()) return false;
    }
    if (flags_.FullStrokeOn) {
      if (FirstPass()) view_.DescribeStep(5);
      BeginTest();
      Accumulate(results_.FullStrokeTime, engine_.RunFullStrokeTest(), "seekfullv", MsText);
      if (engine_.StopRequested()) return false;
    }
    if (flags_.RandomAccessOn) {
      if (FirstPass()) view_.DescribeStep(6);
      BeginTest();
      Accumulate(results_.RandomAccessTime, engine_.RunRandomAccessTest(), "seekrandv", MsText);
      if (engine_.StopRequested()) return false;
    }
    return true;
  }

  int32_t Rate(const CpuUsageTest& test) const {
    return test.rate != 0 ? test.rate : TextToInt(settings_.userval) / 2;
  }

  // Whether the drive's pass 1 outside rate, in sectors/s with 2 % tolerance, reaches `rate`.
  // A rate of 0 or less cannot pace reads; such a test is treated as beyond the drive.
  bool GateOpen(int32_t rate) const {
    return rate > 0 && results_.FirstPassRead16Outside * 0.5 * kGateTolerance >= rate;
  }

  // A test whose gate stays shut leaves the run for good.
  bool RunCpuTest(const CpuUsageTest& test) {
    bool& flag = flags_.*test.flag;
    if (!flag) return true;
    const int32_t rate = Rate(test);
    if (!GateOpen(rate)) {
      flag = false;
      view_.SetEnabled(test.name_label, false);
      return true;
    }
    BeginTest();
    Accumulate(results_.*test.sum, engine_.RunCpuTest(8, rate, true), test.value_label,
               PercentText);
    return !engine_.StopRequested();
  }

  bool RunCpuTests() {
    if (flags_.CalibrationOn && FirstPass()) {
      view_.DescribeStep(7);
      BeginTest();
      results_.CpuCalibration = engine_.RunCpuTest(8, 300, false);
      view_.DescribeStep(8);
      if (engine_.StopRequested()) return false;
    }
    for (const CpuUsageTest& test : kCpuUsageTests) {
      if (!RunCpuTest(test)) return false;
    }
    return true;
  }

  bool RunBurstTest(bool flag, int32_t sectors, double& sum, std::string_view label) {
    if (!flag) return true;
    BeginTest();
    Accumulate(sum, engine_.RunBurstTest(sectors), label, KpsText);
    return !engine_.StopRequested();
  }

  bool RunBurstTests() {
    if (FirstPass() && (flags_.Burst2kOn || flags_.Burst8kOn || flags_.Burst16kOn)) {
      view_.DescribeStep(9);
    }
    return RunBurstTest(flags_.Burst2kOn, 1, results_.BurstRate2k, "burst2kv") &&
           RunBurstTest(flags_.Burst8kOn, 4, results_.BurstRate8k, "burst8kv") &&
           RunBurstTest(flags_.Burst16kOn, 8, results_.BurstRate16k, "burst16kv");
  }

  // A failed read outranks a cancel: its results could not be trusted in any case.
  RunOutcome Abort() {
    results_.RunInProgress = false;
    const bool read_failed = engine_.FirstReadFailure().failed;
    view_.ShowMessage(read_failed ? engine_.ReadFailureMessage() : "Test aborted by user.");
    view_.HideWindow();
    return read_failed ? RunOutcome::kReadFailed : RunOutcome::kCancelled;
  }

  void TakeMeans() {
    const double n = passes_;
    for (double* sum : {&results_.BurstRate2k, &results_.BurstRate8k, &results_.BurstRate16k,
                        &results_.Read16Inside, &results_.Read16Center, &results_.Read16Outside,
                        &results_.Read2Inside, &results_.Read2Center, &results_.Read2Outside,
                        &results_.FullStrokeTime, &results_.RandomAccessTime, &results_.CpuUsage2x,
                        &results_.CpuUsage4x, &results_.CpuUsage6x, &results_.CpuUsage8x,
                        &results_.CpuUsage12x, &results_.CpuUsageUser}) {
      *sum /= n;
    }
  }

  void Finish() {
    results_.EndTime = engine_.platform().system.GetLocalTime();
    const bool any_pass = passes_ > 0;
    results_.ResultsValid = any_pass;
    results_.RunInProgress = false;
    view_.SetVisible("Button3", true);
    view_.SetEnabled("Button3", false);
    if (any_pass) {
      TakeMeans();
    } else {
      // Nothing was measured, so no test may be presented as part of the run.
      flags_ = TestFlags{};
      ShowFlags(flags_, view_);
    }
    view_.SetText("Button1", "Ok");
    view_.SetWindowCaption("Vantric " + std::to_string(passes_) + " Pass Test Results");
    view_.SetVisible("Panel1", false);
    view_.DescribeStep(10);

    DeriveDriveFigures(results_, view_);

    // A run of no passes has nothing to log or print.
    if (!any_pass) return;
    if (!settings_.LogEdit.empty()) {
      user_information_.Ask();
      results_.UserInfoGiven = !TrimBlanks(user_information_.Edit1()).empty();
      WriteResultsLog(GatherReportContent(engine_, settings_, results_, user_information_),
                      settings_.LogEdit, view_);
    }
    view_.SetVisible("Button2", true);
  }

  Engine& engine_;
  const TestSettings& settings_;
  TestResults& results_;
  ResultsView& view_;
  UserInformation& user_information_;
  TestFlags& flags_;
  int32_t pass_ = 0;
  int32_t passes_ = 0;
  int step_ = 0;             // tests begun in this pass
  bool gate_known_ = false;  // FirstPassRead16Outside holds this run's value
};

}  // namespace

RunOutcome RunBenchmark(const RunContext& context) { return Run(context).Execute(); }

}  // namespace vantric

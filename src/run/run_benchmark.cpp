#include "run/run_benchmark.h"

#include <array>
#include <string_view>

#include "engine/rounding.h"
#include "engine/test_positions.h"
#include "run/drive_figures.h"
#include "run/results_log.h"
#include "run/run_messages.h"
#include "run/test_catalogue.h"
#include "run/text_readers.h"

namespace vantric {
namespace {

constexpr uint32_t kWarmUpPauseMs = 1000;
constexpr double kGateTolerance = 1.02;

void ShowFlags(const TestFlags& flags, ResultsView& view) {
  for (const CatalogueTest& test : kTestCatalogue)
    view.SetEnabled(test.name_label, flags.*test.flag);
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
      view_.ShowMessage(kNoCounterMessage);
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
    for (const CatalogueTest& test : kTestCatalogue) {
      if (*test.value_label) view_.SetText(test.value_label, "");
    }
    user_information_.Clear();
    results_.UserInfoGiven = false;

    engine_.OnTestCaption = [this](const std::string& text) { view_.ShowTestCaption(text); };
    engine_.OnTestProgress = [this](int percent) { view_.ShowTestProgress(percent); };
    engine_.UseBaselines(results_);

    flags_ = FlagsFrom(settings_);
    ShowFlags(flags_, view_);
    // A stale rate from an earlier run must not label a run without the user test.
    for (const CatalogueTest& test : kTestCatalogue) {
      if (!test.user_rate) continue;
      view_.SetText(test.name_label,
                    flags_.*test.flag ? ResultLabel(test, settings_.userval) : test.text);
    }

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
      engine_.WarmUpStep(k);
      view_.ShowTestProgress(static_cast<int>(Round(k * 0.125 * 100)));
      clock.Sleep(kWarmUpPauseMs);
      view_.ProcessMessages();
      if (engine_.StopRequested()) return false;
    }
    return true;
  }

  bool FirstPass() const { return pass_ == 1; }

  // Whether the test runs in this pass as far as is known now: a CPU test counts while its
  // gate may still let it through, which is known once pass 1 has measured the 16k outside
  // rate.
  bool Runs(const CatalogueTest& test) const {
    if (!(flags_.*test.flag)) return false;
    if (test.first_pass_only && !FirstPass()) return false;
    if (test.call.test != EngineTest::kCpuUsage || !gate_known_) return true;
    return GateOpen(CallFor(test, settings_.userval).argument);
  }

  int TestsInPass() const {
    int count = 0;
    for (const CatalogueTest& test : kTestCatalogue) count += Runs(test) ? 1 : 0;
    return count;
  }

  // Whether the drive's pass 1 outside rate, in sectors/s with 2 % tolerance, reaches `rate`.
  // A rate of 0 or less cannot pace reads; such a test is treated as beyond the drive.
  bool GateOpen(int32_t rate) const {
    return rate > 0 && results_.FirstPassRead16Outside * 0.5 * kGateTolerance >= rate;
  }

  bool RunTests() {
    for (const CatalogueTest& test : kTestCatalogue) {
      if (!RunTest(test)) return false;
    }
    return true;
  }

  // False when the run must end: the user cancelled or a read failed. A CPU test beyond the
  // drive leaves the run for good.
  bool RunTest(const CatalogueTest& test) {
    if (!(flags_.*test.flag) || (test.first_pass_only && !FirstPass())) return true;
    const TestCall call = CallFor(test, settings_.userval);
    if (call.test == EngineTest::kCpuUsage && !GateOpen(call.argument)) {
      flags_.*test.flag = false;
      view_.SetEnabled(test.name_label, false);
      return true;
    }
    if (FirstPass()) Describe(test.description_before);
    view_.ShowTestStep(++step_, TestsInPass(), test.place);
    const double value = engine_.RunTest(call);
    if (FirstPass()) Describe(test.description_after);
    // A cancelled test stopped part way, and a failed read measured nothing: neither value is
    // kept or shown.
    if (engine_.StopRequested()) return false;
    Record(test, value);
    return true;
  }

  // Each description is shown once, before the first test it explains.
  void Describe(int description) {
    if (description == 0 || described_[description]) return;
    described_[description] = true;
    view_.DescribeStep(description);
  }

  // Adds one pass's value to its sum, keeps it as that pass's, and shows the mean so far; a
  // value measured once is kept and shown as measured.
  void Record(const CatalogueTest& test, double value) {
    double& field = results_.*test.field;
    field = test.first_pass_only ? value : field + value;
    if (!test.first_pass_only) results_.pass_values.push_back({test.field, pass_, value});
    if (test.field == &TestResults::Read16Outside && FirstPass()) {
      results_.FirstPassRead16Outside = results_.Read16Outside;
      gate_known_ = true;
    }
    if (*test.value_label) {
      view_.SetText(test.value_label,
                    ValueText(test, test.first_pass_only ? value : field / pass_));
    }
  }

  // A failed read outranks a cancel: its results could not be trusted in any case.
  RunOutcome Abort() {
    results_.RunInProgress = false;
    const bool read_failed = engine_.FirstReadFailure().failed;
    view_.ShowMessage(read_failed ? engine_.ReadFailureMessage() : kAbortedMessage);
    view_.HideWindow();
    return read_failed ? RunOutcome::kReadFailed : RunOutcome::kCancelled;
  }

  void TakeMeans() {
    for (const CatalogueTest& test : kTestCatalogue) {
      if (!test.first_pass_only) results_.*test.field /= passes_;
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
  int step_ = 0;                      // tests begun in this pass
  std::array<bool, 15> described_{};  // descriptions shown before the tests of pass 1
  bool gate_known_ = false;           // FirstPassRead16Outside holds this run's value
};

}  // namespace

RunOutcome RunBenchmark(const RunContext& context) { return Run(context).Execute(); }

}  // namespace vantric

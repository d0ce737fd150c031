#include "run/drive_figures.h"

#include "run/value_text.h"

namespace vantric {
namespace {

constexpr double kMinimumLoad = 1.5;

}  // namespace

double WeightedRead16(const TestResults& results) {
  return (3 * results.Read16Inside + 2 * results.Read16Center + results.Read16Outside) / 6;
}

double WeightedRead2(const TestResults& results) {
  return (3 * results.Read2Inside + 2 * results.Read2Center + results.Read2Outside) / 6;
}

bool ReadsAsCav(double inside_rate, double outside_rate) {
  return outside_rate > inside_rate * kCavRatio;
}

std::string ClassifyDriveType(double inside_rate, double outside_rate) {
  return std::string(ReadsAsCav(inside_rate, outside_rate) ? kCavName : kClvName);
}

bool IsDriveTypeName(std::string_view text) { return text == kClvName || text == kCavName; }

std::optional<double> ComputeMultimediaIndex(const TestResults& results) {
  const TestFlags& flags = results.flags;
  if (!flags.Read16On || !flags.Cpu2xOn) return std::nullopt;
  double load = results.CpuUsage2x * 0.5;
  int count = 1;
  if (flags.Cpu4xOn) {
    load += results.CpuUsage4x * 0.25;
    ++count;
  }
  if (flags.Cpu6xOn) {
    load += results.CpuUsage6x * (1.0 / 6);
    ++count;
  }
  load /= count;
  if (load < kMinimumLoad) load = kMinimumLoad;
  return (10 / load) * 10 + (results.Read16Inside / 600) * 10;
}

std::optional<double> ComputeApplicationIndex(const TestResults& results) {
  const TestFlags& flags = results.flags;
  if (!flags.Read16On || !flags.Read2On || !flags.RandomAccessOn) return std::nullopt;
  // An overhead correction larger than the measured time leaves no access time to divide by.
  if (!(results.RandomAccessTime > 0)) return std::nullopt;
  const double w = (WeightedRead16(results) + WeightedRead2(results)) * 0.5;
  return (440 / results.RandomAccessTime) * 10 + (w / 1200) * 10;
}

std::string RatingNumber(double weighted_read16) {
  return FixedText(weighted_read16 * (1.0 / 150), 1);
}

std::string RatingFigure(double weighted_read16) { return RatingNumber(weighted_read16) + "X"; }

void DeriveDriveFigures(TestResults& results, ResultsView& view) {
  if (const auto index = ComputeMultimediaIndex(results)) {
    results.MultimediaIndex = *index;
    view.SetText("mindex", "Multimedia Index: " + RoundedText(*index));
  } else {
    view.SetText("mindex", "Multimedia Index: not tested");
    view.DescribeStep(11);
  }
  view.SetVisible("mindex", true);

  if (const auto index = ComputeApplicationIndex(results)) {
    results.ApplicationIndex = *index;
    view.SetText("aindex", "Application Index: " + RoundedText(*index));
  } else {
    view.SetText("aindex", "Application Index: not tested");
    view.DescribeStep(12);
  }
  view.SetVisible("aindex", true);

  view.SetVisible("drvtype", true);
  view.SetVisible("drvspeed", true);
  const std::string rating_label = std::string(kDriveRatingLabel) + ": ";
  const std::string type_label = std::string(kDriveTypeLabel) + ": ";
  if (results.flags.Read16On) {
    results.DriveRatingText = rating_label + RatingFigure(WeightedRead16(results));
    view.SetText("drvspeed", results.DriveRatingText);
    results.DriveTypeText =
        type_label + ClassifyDriveType(results.Read16Inside, results.Read16Outside);
    view.SetText("drvtype", results.DriveTypeText);
    view.DescribeStep(13);
    view.DescribeStep(14);
  } else {
    results.DriveRatingText = rating_label + "not tested";
    results.DriveTypeText = type_label + "not tested";
    view.SetText("drvspeed", results.DriveRatingText);
    view.SetText("drvtype", results.DriveTypeText);
  }
}

}  // namespace vantric

#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/system.h"

namespace vantric {

// Which tests belong to the run, once the settings were read and the drive's limits applied.
struct TestFlags {
  bool Read16On = false;
  bool Read2On = false;
  bool FullStrokeOn = false;
  bool RandomAccessOn = false;
  bool OverheadOn = false;
  bool Cpu2xOn = false;
  bool Cpu4xOn = false;
  bool Cpu6xOn = false;
  bool Cpu8xOn = false;
  bool Cpu12xOn = false;
  bool CpuUserOn = false;
  bool CalibrationOn = false;
  bool Burst2kOn = false;
  bool Burst8kOn = false;
  bool Burst16kOn = false;
};

// What the last run measured and derived. Values summed over the passes become means after
// the last one; SeekOverhead and CpuCalibration (from Baselines) are measured once, in pass 1.
struct TestResults : Baselines {
  double Read16Inside = 0;
  double Read16Center = 0;
  double Read16Outside = 0;
  double Read2Inside = 0;
  double Read2Center = 0;
  double Read2Outside = 0;
  double FullStrokeTime = 0;
  double RandomAccessTime = 0;
  double CpuUsage2x = 0;
  double CpuUsage4x = 0;
  double CpuUsage6x = 0;
  double CpuUsage8x = 0;
  double CpuUsage12x = 0;
  double CpuUsageUser = 0;
  double BurstRate2k = 0;
  double BurstRate8k = 0;
  double BurstRate16k = 0;
  double FirstPassRead16Outside = 0;
  double MultimediaIndex = 0;
  double ApplicationIndex = 0;

  std::string DriveRatingText;
  std::string DriveTypeText;

  int32_t PassCount = 0;
  LocalTime StartTime;
  LocalTime EndTime;
  bool UserInfoGiven = false;
  bool ResultsValid = false;
  bool RunInProgress = false;

  TestFlags flags;

  // What each pass measured of the values summed over the passes, in the order measured: the
  // sums keep only the total, and a mean does not say how far the passes agreed.
  struct PassValue {
    double TestResults::*field;
    int32_t pass;  // from 1
    double value;
  };
  std::vector<PassValue> pass_values;

  // The values of `field`, one per pass that measured it, in pass order.
  std::vector<double> ValuesPerPass(double TestResults::*field) const;

  // Zeroes every measured value and both indexes, and forgets the passes' values, as the start
  // of a run does.
  void ResetMeasurements();
};

}  // namespace vantric

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/sector_buffer.h"
#include "engine/test_call.h"
#include "platform/platform.h"

namespace vantric {

inline constexpr int32_t SECTOR_SIZE = 2048;

// The places a test file may sit on a drive, in the order they are tried.
extern const std::array<const char*, 4> kTestFilePlaces;

enum DiscSearchResult { NoDisc = 0, SeveralDiscs = 1, DiscOpened = 2 };

// Values measured early in a run that later tests correct for. The run's results record
// derives from this, so the engine reads the very fields the run driver stores.
struct Baselines {
  double SeekOverhead = 0;    // ms
  double CpuCalibration = 0;  // counter polls per ms
};

// The first read of a run that failed. A failed read is never timed into a result: once one
// has failed, the run stops as a cancelled run does.
struct ReadFailure {
  bool failed = false;
  int32_t sector = 0;  // the first sector the read asked for
  int error = 0;       // the disc file's LastError()
};

struct ReadTestShape;

// The benchmark engine: disc discovery, sector access, timing and every test. One instance
// lives for the whole program; it holds what the program treats as module-level state.
class Engine {
 public:
  explicit Engine(Platform platform);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Disc discovery and sector access.
  void ScanDrives();
  DiscSearchResult FindTestDisc();
  // A whole disc in place of the test file, for a read scan: read as the test file is, from the
  // disc's sector 0; `device` stands for the test file's path.
  void UseDisc(std::unique_ptr<DiscFile> disc, const std::string& device);
  bool ReadSectorAt(int32_t sector);
  bool ReadSequential(int32_t count);
  bool ReadOrSkip(int32_t count);
  void SeekToStart();
  bool IsWindowsNT();

  // Timing, pacing and progress.
  // Sets CounterFrequency and CounterTicksPerMs from the clock, as every run does first; false,
  // leaving them as they were, when the machine has no counter.
  bool StartCounter();
  void YieldToUI();
  void PaceUntil(double milliseconds);
  double PickRepresentativeSample() const;

  // The tests; each announces itself through the hooks and returns one value.
  double RunRead16kTest(int32_t start_sector);
  double RunRead2kTest(int32_t start_sector);
  double RunSeekOverheadTest();
  double RunFullStrokeTest();
  double RunRandomAccessTest();
  double RunCpuTest(int32_t block_size, int32_t rate, bool with_reads);
  double RunBurstTest(int32_t block_size);
  // One of the above, as the run calls it.
  double RunTest(const TestCall& call);
  // One of the access and burst tests on a whole disc of `disc_sectors` (UseDisc), at places
  // scaled to its size (PlacesOnDisc) where the benchmark's own keep the test file's.
  double RunDiscTest(const DiscTestCall& call, int64_t disc_sectors);
  // Warm-up step 1..kWarmUpSteps: a positioned read at WarmUpSector(step) and the sectors after it.
  void WarmUpStep(int step);

  // The first failed read since the test file was opened or the record was cleared; after it
  // no read reaches the drive and every test stops at its next progress point.
  const ReadFailure& FirstReadFailure() const { return read_failure_; }
  void ClearReadFailure() { read_failure_ = ReadFailure{}; }
  // "Error reading the test disc at sector 3336: Input/output error."
  std::string ReadFailureMessage() const;
  // Whether the test under way should end: the user cancelled or a read failed.
  bool StopRequested() const { return CancelRequested || read_failure_.failed; }

  // Where SeekOverhead and CpuCalibration are read from; the run points this at its results.
  void UseBaselines(const Baselines& baselines) { baselines_ = &baselines; }

  // The open test file (nullptr before a successful FindTestDisc) and its drive-letter path.
  const DiscFile* TestFile() const { return test_file_.get(); }
  const std::string& TestFilePath() const { return test_file_path_; }
  Platform& platform() { return platform_; }

  std::vector<std::string> CandidateDrives;  // "D:", at most 26
  int32_t CdfsPrefetch = 0;
  int32_t CdfsCacheSize = 0;

  std::array<double, 4> SampleTable{};  // entries 1..4 at indexes 0..3; never cleared
  int64_t CounterFrequency = 0;
  double CounterTicksPerMs = 0;

  std::function<void(const std::string&)> OnTestCaption;
  std::function<void(int)> OnTestProgress;
  bool CancelRequested = false;

 private:
  double RunReadTest(const ReadTestShape& shape, int32_t start_sector);
  // The access and burst tests at the places given.
  double TimeSeekOverhead(int32_t away, int32_t back, int32_t stride);
  double TimeStroke(const std::string& caption, int32_t near_sector, int32_t far_sector);
  double TimeRandomAccess(int64_t span);
  double TimeBurst(int32_t block_size, int32_t first_sector, int32_t stride);
  void Announce(const std::string& caption);
  bool ReachProgressPoint(int percent);
  double Seconds(int64_t counts) const;
  bool ReadAtPosition(int32_t count);

  Platform platform_;
  std::unique_ptr<DiscFile> test_file_;
  std::string test_file_path_;
  int64_t next_sector_ = 0;  // where a sequential read begins
  ReadFailure read_failure_;
  SectorBuffer sector_buffer_;
  Baselines own_baselines_;
  const Baselines* baselines_ = &own_baselines_;
};

}  // namespace vantric

// The audio analyses against the programmable drive's model: what they find of each drive must
// be what the model was told it is.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "audio_rig.h"
#include "curve/audio_extraction.h"
#include "curve/curve_summary.h"
#include "drive/accurate_stream.h"
#include "drive/audio_cache.h"
#include "drive/audio_reader.h"
#include "drive/disc_layout.h"
#include "fakes.h"

namespace vantric::testing {
namespace {

using programmable::DriveDescription;

DriveDescription Drive(int jitter = 0, int cache_kb = 0, bool c2 = true) {
  DriveDescription description;
  description.audio_jitter_samples = jitter;
  description.audio_cache_kb = cache_kb;
  description.c2_pointers = c2;
  return description;
}

// An engine on the rig's machine, for the curve's clock, pacing and cancel.
struct CurveEngine {
  explicit CurveEngine(AudioRig& rig) : engine(rig.machine.PlatformWith(pump)) {}
  ScriptedPump pump;
  Engine engine;
};

// A mixed-mode disc's audio follows its data track: the span starts at the first audio track's
// first sector and holds the pregap between the two; audio after a data track that ends the run
// is not read, and a disc of data has no span.
TEST(AudioAnalysisTest, TheAudioSpanIsTheFirstRunOfAudioTracks) {
  programmable::DiscPlan mixed;
  mixed.tracks = {{programmable::TrackMode::kData, 600, 0, 1},
                  {programmable::TrackMode::kAudio, 300, 150, 1},
                  {programmable::TrackMode::kAudio, 300, 150, 1}};
  AudioRig rig(Drive(), mixed);
  MmcAnswer answer;
  const std::optional<DiscToc> toc = ReadDiscToc(rig.mmc, &answer);
  ASSERT_TRUE(toc) << answer.error;
  const std::optional<AudioSpan> span = AudioSpanOf(*toc);
  ASSERT_TRUE(span);
  EXPECT_EQ(span->first_track, 2);
  EXPECT_EQ(span->last_track, 3);
  EXPECT_EQ(span->first_sector, 750);
  EXPECT_EQ(span->sectors, 750);
  EXPECT_TRUE(span->not_read.empty());

  DiscToc split;
  split.tracks = {{1, 1, true, 0, 100}, {2, 1, false, 100, 100}, {3, 1, true, 200, 100}};
  const std::optional<AudioSpan> first = AudioSpanOf(split);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->last_track, 1);
  EXPECT_EQ(first->sectors, 100);
  EXPECT_EQ(first->not_read, std::vector<int>{3});
  split.tracks.erase(split.tracks.begin());
  split.tracks.pop_back();
  EXPECT_FALSE(AudioSpanOf(split));
}

// The first place tried is the second track's pregap, silence that matches anywhere: the next
// one is compared. A drive that lands N samples off one way and then the other is found N
// samples off, however far N is within a sector.
TEST(AudioAnalysisTest, AccurateStreamIsToldWithTheJitterOfTheModel) {
  const int64_t places[] = {3010, 4500};
  for (const int jitter : {0, 1, 5, 290}) {
    SCOPED_TRACE(jitter);
    AudioRig rig(Drive(jitter));
    AudioReader reader(rig.mmc, false);
    const AccurateStream stream = CheckAccurateStream(reader, places, 0, 0, nullptr);
    ASSERT_TRUE(stream.measured) << stream.problem;
    EXPECT_EQ(stream.first_sector, 4500);
    EXPECT_EQ(stream.Accurate(), jitter == 0);
    EXPECT_EQ(stream.rereads, 8);
    EXPECT_EQ(stream.unmatched, 0);
    EXPECT_EQ(stream.SpreadSamples(), 2 * jitter);
    // Every other read lands the other way.
    EXPECT_EQ(stream.off, jitter == 0 ? 0 : 4);
  }
}

// A drive that serves its memory again is told apart from one that goes to the disc, and the
// size found brackets what the model holds.
TEST(AudioAnalysisTest, AudioCacheIsToldWithItsSize) {
  for (const int cache_kb : {0, 256, 1024, 4000}) {
    SCOPED_TRACE(cache_kb);
    AudioRig rig(Drive(0, cache_kb));
    AudioReader reader(rig.mmc, false);
    const AudioCache cache = CheckAudioCache(reader, rig.clock, 0, kAudioPlanSectors, nullptr);
    ASSERT_TRUE(cache.measured) << cache.problem;
    EXPECT_EQ(cache.caches, cache_kb > 0);
    EXPECT_GT(cache.disc_ms, 10 * cache.reread_ms * (cache_kb > 0));
    if (cache_kb == 0) {
      EXPECT_NEAR(cache.reread_ms, cache.disc_ms, cache.disc_ms * 0.5);
      continue;
    }
    const int64_t held = int64_t{cache_kb} * 1024 / kAudioSectorBytes;
    EXPECT_LE(cache.cached_sectors, held);
    EXPECT_GT(cache.uncached_sectors, held);
    EXPECT_EQ(cache.uncached_sectors, 2 * cache.cached_sectors);
  }
}

// Sectors spoiled within a read, across two reads and at the very end are mapped to the sector
// in a full curve, which reads every sector; a drive without C2 pointers maps nothing. Neither
// costs the curve its rate.
TEST(AudioAnalysisTest, C2ScanMapsTheDamagedSectorsAndNothingElse) {
  const std::vector<UnreadableRange> damaged = {{1000, 1001}, {4090, 4110}, {9299, 9300}};
  std::vector<std::string> faults;
  for (const UnreadableRange& range : damaged) {
    faults.push_back("damaged = " + std::to_string(range.first_sector) + "-" +
                     std::to_string(range.end_sector - 1));
  }
  for (const bool c2 : {true, false}) {
    SCOPED_TRACE(c2);
    AudioRig rig(Drive(0, 0, c2), AudioPlan(), faults);
    AudioReader reader(rig.mmc, false);
    const AudioReadStart start = StartAudioReads(reader, 0, c2);
    ASSERT_TRUE(start.ok);
    EXPECT_EQ(start.c2, c2);
    CurveEngine curve(rig);
    const AudioExtraction extraction =
        ExtractAudio(curve.engine, reader, 0, kAudioPlanSectors, CurveMode::kFull, nullptr);
    ASSERT_EQ(extraction.outcome, CurveOutcome::kCompleted);
    EXPECT_TRUE(extraction.unreadable.empty());
    ASSERT_EQ(extraction.c2_errors.size(), c2 ? damaged.size() : 0u);
    for (size_t i = 0; i < extraction.c2_errors.size(); ++i) {
      EXPECT_EQ(extraction.c2_errors[i].first_sector, damaged[i].first_sector);
      EXPECT_EQ(extraction.c2_errors[i].end_sector, damaged[i].end_sector);
    }
    const CurveSummary summary = SummarizeCurve(extraction.points);
    EXPECT_NEAR(summary.minimum_x, 24, 0.24);
    EXPECT_NEAR(summary.maximum_x, 24, 0.24);
  }
}

// A 74-minute CD at 8X: a full curve reads every one of its 333,000 sectors in the 555 seconds
// the disc takes to pass; a quick one reads a megabyte of every stretch, each after a seek.
TEST(AudioAnalysisTest, CurvesOfA74MinuteDiscAt8XAgainstThePhysicalLimit) {
  constexpr int64_t kSectors = 74 * 60 * 75;
  DriveDescription description;
  description.cd_speeds = {1, 2, 4, 8};
  const double limit = static_cast<double>(kSectors) / (8 * 75);
  for (const CurveMode mode : {CurveMode::kFull, CurveMode::kQuick}) {
    AudioRig rig(description, SilentAudio{kSectors});
    AudioReader reader(rig.mmc, false);
    CurveEngine curve(rig);
    const AudioExtraction extraction =
        ExtractAudio(curve.engine, reader, 0, kSectors, mode, nullptr);
    ASSERT_EQ(extraction.outcome, CurveOutcome::kCompleted);
    const CurveSummary summary = SummarizeCurve(extraction.points);
    EXPECT_NEAR(summary.average_x, 8, 0.08);
    const double seconds = rig.commands.now();
    RecordProperty(mode == CurveMode::kFull ? "full_seconds" : "quick_seconds",
                   std::to_string(seconds));
    std::cout << (mode == CurveMode::kFull ? "full" : "quick")
              << " audio curve of 74 minutes at 8X: " << seconds
              << " s on the drive's clock; the disc passes in " << limit << " s\n";
    if (mode == CurveMode::kFull) {
      EXPECT_GE(seconds, limit);
      EXPECT_LT(seconds, limit * 1.01);
    } else {
      // A megabyte is 446 sectors of the 3,336 of a stretch: about a seventh of the disc.
      EXPECT_GT(seconds, limit * 446 / 3336);
      EXPECT_LT(seconds, limit / 4);
    }
  }
}

}  // namespace
}  // namespace vantric::testing

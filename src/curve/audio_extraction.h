#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curve/transfer_curve.h"
#include "drive/audio_reader.h"
#include "engine/engine.h"

namespace vantric {

// The extraction speed of a CD's audio: the curve's read scan over its audio sectors, read with
// READ CD as CD-DA and timed as the curve times a stretch, in X of 75 sectors of 2,352 bytes a
// second. Where the drive gives C2 pointers, each sector read is looked at for C2 errors.
struct AudioExtraction {
  CurveOutcome outcome = CurveOutcome::kCompleted;
  std::vector<CurvePoint> points;
  // In the disc's sectors, in order, never two that touch.
  std::vector<UnreadableRange> unreadable;
  std::vector<UnreadableRange> c2_errors;
  // With kReadFailed: the read after which the disc read nothing it had read before.
  std::optional<AudioReadFailure> failure;
};

// The audio from sector `first` on, `sectors` long; the engine gives the clock, the pacing and
// the cancel, as for any curve.
AudioExtraction ExtractAudio(Engine& engine, AudioReader& reader, int64_t first, int64_t sectors,
                             CurveMode mode, const CurveProgress& progress);

// What 1X of CD-DA is in KB/s of 1024 bytes, as the curve's rates are.
double CdDaOneXKbps();

}  // namespace vantric

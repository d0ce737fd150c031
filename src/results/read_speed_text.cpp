#include "results/read_speed_text.h"

#include "results/json_text.h"
#include "run/value_text.h"

namespace vantric {

std::string ReadSpeedLine(const SpeedRecord& record, const std::string& not_set_reason) {
  const std::string asked = "Read speed: " + SpeedRequestText(record.asked) + " asked";
  if (!record.set) {
    return asked + "; the drive reads at its own speed (" + not_set_reason + ")";
  }
  const std::string medium = record.medium ? std::string(MediumName(*record.medium)) : "";
  if (!record.x) return asked + "; the drive does not say which " + medium + " speed it chose";
  return asked + ", " + FixedText(*record.x, 1) + "X set by the drive (" + medium + ")";
}

std::string JsonReadSpeed(const std::optional<SpeedRecord>& record) {
  if (!record) return "null";
  const std::optional<double>& asked = record->asked.x;
  return "{\"Asked\": " + JsonString(SpeedRequestText(record->asked)) +
         ", \"AskedX\": " + (asked ? JsonNumber(*asked) : "null") +
         ", \"Set\": " + (record->set ? "true" : "false") +
         ", \"X\": " + (record->x ? JsonNumber(*record->x) : "null") + ", \"Medium\": " +
         (record->medium ? JsonString(std::string(MediumName(*record->medium))) : "null") + "}";
}

}  // namespace vantric

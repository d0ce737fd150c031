#include "drive/held_speed.h"

#include <cmath>
#include <cstdlib>

#include "drive/disc_layout.h"
#include "drive/features.h"

namespace vantric {
namespace {

constexpr uint16_t kHeaderBytes = 8;  // GET CONFIGURATION's header names the current profile
constexpr uint16_t kCapacityBytes = 8;

}  // namespace

std::string SpeedRequestText(const SpeedRequest& request) {
  if (!request.x) return "max";
  std::string text = std::to_string(*request.x);
  // "2.400000" as "2.4", "4.000000" as "4".
  text.erase(text.find_last_not_of('0') + 1);
  if (text.ends_with('.')) text.pop_back();
  return text + "X";
}

std::optional<SpeedRequest> ParseSpeedRequest(const std::string& text) {
  if (text == "max") return SpeedRequest{};
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) {
    return std::nullopt;
  }
  char* end = nullptr;
  const double x = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !(x > 0) || x > kFastestX) return std::nullopt;
  return SpeedRequest{x};
}

HeldSpeed::HeldSpeed(std::unique_ptr<DriveCommands> commands, DiscMedium medium,
                     int64_t disc_sectors)
    : commands_(std::move(commands)), mmc_(*commands_), speed_(mmc_, medium, disc_sectors) {}

HeldSpeed::~HeldSpeed() { speed_.Set(std::nullopt); }

std::unique_ptr<HeldSpeed> HeldSpeed::Hold(DiscDevices& devices, const std::string& device,
                                           const SpeedRequest& request, SpeedRecord* record,
                                           std::string* problem) {
  *record = SpeedRecord{request, std::nullopt, false, std::nullopt};
  std::unique_ptr<DriveCommands> commands = devices.OpenCommands(device, problem);
  if (!commands) return nullptr;
  Mmc mmc(*commands);
  const MmcAnswer config = mmc.Ask(GetConfigurationCdb(0, kHeaderBytes), kHeaderBytes);
  const std::optional<Features> features = config.ok ? ParseFeatures(config.data) : std::nullopt;
  const MmcAnswer answer = mmc.Ask(ReadCapacityCdb(), kCapacityBytes);
  const std::optional<Capacity> capacity = answer.ok ? ParseCapacity(answer.data) : std::nullopt;
  const int64_t sectors = capacity ? capacity->sectors : 0;
  const std::optional<uint16_t> profile = features && features->current_profile != 0
                                              ? std::optional(features->current_profile)
                                              : std::nullopt;
  const DiscMedium medium =
      FindMedium(profile, capacity ? sectors * capacity->sector_bytes : 0).medium;
  record->medium = medium;
  std::unique_ptr<HeldSpeed> held(new HeldSpeed(std::move(commands), medium, sectors));
  const SpeedOutcome outcome = held->speed_.Set(request.x);
  record->set = outcome.ok;
  record->x = outcome.x;
  if (!outcome.ok) {
    *problem = outcome.error;
    // Whatever it made of the request, the hold is not kept: the drive goes back to its fastest.
    return nullptr;
  }
  return held;
}

}  // namespace vantric

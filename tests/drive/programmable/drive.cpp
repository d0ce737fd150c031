#include "drive.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace vantric::programmable {

// INQUIRY, REQUEST SENSE, GET CONFIGURATION and GET EVENT STATUS NOTIFICATION are answered
// even with a unit attention pending, so that a host can learn what happened.
const ProgrammableDrive::Answer ProgrammableDrive::kAnswers[] = {
    {kTestUnitReady, &ProgrammableDrive::TestUnitReady, 6, true, false},
    {kRequestSense, &ProgrammableDrive::RequestSense, 6, false, true},
    {kInquiry, &ProgrammableDrive::Inquiry, 6, false, true},
    {kModeSelect6, &ProgrammableDrive::ModeSelect, 6, false, false},
    {kModeSense6, &ProgrammableDrive::ModeSense, 6, false, false},
    {kStartStopUnit, &ProgrammableDrive::StartStopUnit, 6, false, false},
    {kPreventAllowMediumRemoval, &ProgrammableDrive::PreventAllowMediumRemoval, 6, false, false},
    {kReadCapacity, &ProgrammableDrive::ReadCapacity, 10, true, false},
    {kRead10, &ProgrammableDrive::Read, 10, true, false},
    {kReadToc, &ProgrammableDrive::ReadToc, 10, true, false},
    {kGetConfiguration, &ProgrammableDrive::GetConfiguration, 10, false, true},
    {kGetEventStatusNotification, &ProgrammableDrive::GetEventStatusNotification, 10, false, true},
    {kReadDiscInformation, &ProgrammableDrive::ReadDiscInformation, 10, true, false},
    {kReadTrackInformation, &ProgrammableDrive::ReadTrackInformation, 10, true, false},
    {kModeSelect10, &ProgrammableDrive::ModeSelect, 10, false, false},
    {kModeSense10, &ProgrammableDrive::ModeSense, 10, false, false},
    {kRead12, &ProgrammableDrive::Read, 12, true, false},
    {kGetPerformance, &ProgrammableDrive::GetPerformance, 12, true, false},
    {kSetStreaming, &ProgrammableDrive::SetStreaming, 12, false, false},
    {kSetCdSpeed, &ProgrammableDrive::SetCdSpeed, 12, false, false},
    {kReadCd, &ProgrammableDrive::ReadCd, 12, true, false},
};

ProgrammableDrive::ProgrammableDrive(DriveDescription drive, Medium medium)
    : drive_(std::move(drive)),
      medium_(std::move(medium)),
      read_retries_(kDefaultReadRetries),
      pull_out_at_(std::numeric_limits<double>::infinity()) {
  if (!drive_.Reads(medium_.profile())) {
    throw std::runtime_error("the drive does not read a disc of this profile");
  }
  mechanics_.emplace(drive_, medium_.profile());
}

Reply ProgrammableDrive::Execute(const Command& command, double now) {
  Reply reply;
  try {
    if (command.cdb.empty()) throw kInvalidOpcode;
    Advance(now);
    const Answer* answer =
        std::find_if(std::begin(kAnswers), std::end(kAnswers),
                     [&](const Answer& entry) { return entry.opcode == command.cdb[0]; });
    const std::vector<uint8_t>& refused = drive_.refused;
    if (answer == std::end(kAnswers) ||
        std::find(refused.begin(), refused.end(), command.cdb[0]) != refused.end()) {
      throw kInvalidOpcode;
    }
    if (command.cdb.size() < answer->cdb_bytes) throw kInvalidFieldInCdb;
    if (attention_ && !answer->before_attention) {
      const Sense sense = *attention_;
      attention_.reset();
      throw sense;
    }
    if (answer->needs_medium && !MediumReady()) throw NotReadySense();
    Call call{command, now, reply};
    (this->*answer->answer)(call);
  } catch (const Sense& sense) {
    // What a failed read delivered before the sector it failed on stays in the reply.
    reply.status = kStatusCheckCondition;
    reply.sense = SenseBytes(sense);
  }
  if (reply.data_in.size() > command.data_in_limit) reply.data_in.resize(command.data_in_limit);
  return reply;
}

void ProgrammableDrive::Advance(double now) {
  if (medium_present_ && now >= pull_out_at_) {
    medium_present_ = false;
    media_event_ = kMediaRemoval;
    mechanics_.reset();
  }
}

Sense ProgrammableDrive::NotReadySense() const {
  return tray_ == Tray::kOpen ? kNoMediumTrayOpen : kNoMediumTrayClosed;
}

int64_t ProgrammableDrive::Capacity() const { return medium_.lead_out(); }

const Track& ProgrammableDrive::TrackNumbered(int number) const {
  const std::vector<Track>& tracks = medium_.tracks();
  if (number < 1 || number > static_cast<int>(tracks.size())) throw kInvalidFieldInCdb;
  return tracks[number - 1];
}

double ProgrammableDrive::ReadTime(Call& call, int64_t lba, int64_t count) {
  if (std::isinf(pull_out_at_)) pull_out_at_ = call.now + drive_.pull_out_after_seconds;
  call.reply.seconds = mechanics_->Read(call.now, lba, static_cast<int32_t>(count));
  return call.reply.seconds;
}

void Deliver(Reply& reply, std::vector<uint8_t> data, size_t allocation) {
  if (data.size() > allocation) data.resize(allocation);
  reply.data_in = std::move(data);
}

}  // namespace vantric::programmable

// The commands about the drive itself: its readiness, its sense, its tray, spindle and speed.
#include <algorithm>
#include <cmath>

#include "drive.h"

namespace vantric::programmable {

void ProgrammableDrive::TestUnitReady(Call& call) {
  if (mechanics_->BecomingReady(call.now)) throw kBecomingReady;
}

void ProgrammableDrive::RequestSense(Call& call) {
  Sense sense;
  if (attention_) {
    sense = *attention_;
    attention_.reset();
  } else if (!MediumReady()) {
    sense = NotReadySense();
  } else if (mechanics_->BecomingReady(call.now)) {
    sense = kBecomingReady;
  }
  Deliver(call.reply, SenseBytes(sense), call.cdb()[4]);
}

void ProgrammableDrive::StartStopUnit(Call& call) {
  const bool immediate = call.cdb()[1] & 0x01;
  const bool load_eject = call.cdb()[4] & 0x02;
  const bool start = call.cdb()[4] & 0x01;
  if (call.cdb()[4] >> 4 != 0) throw kInvalidFieldInCdb;  // power conditions are not modelled
  double seconds = 0;
  if (load_eject && !start) {
    if (locked_) throw kRemovalPrevented;
    if (tray_ == Tray::kClosed) {
      if (mechanics_) seconds = mechanics_->SpinDown(call.now);
      seconds += drive_.eject_seconds;
      tray_ = Tray::kOpen;
      mechanics_.reset();
      if (medium_present_) media_event_ = kMediaRemoval;
    }
  } else if (load_eject) {
    if (tray_ == Tray::kOpen) {
      tray_ = Tray::kClosed;
      seconds = drive_.load_seconds;
      if (medium_present_) {
        mechanics_.emplace(drive_, medium_.profile());
        mechanics_->SelectSpeed(requested_kbps_);
        mechanics_->SpinDown(call.now);
        seconds += mechanics_->SpinUp(call.now + seconds);
        attention_ = kMediumMayHaveChanged;
        media_event_ = kNewMedia;
      }
    }
  } else {
    if (!MediumReady()) throw NotReadySense();
    seconds = start ? mechanics_->SpinUp(call.now) : mechanics_->SpinDown(call.now);
  }
  // With Immed the drive answers at once and is becoming ready meanwhile.
  call.reply.seconds = immediate ? 0 : seconds;
}

void ProgrammableDrive::PreventAllowMediumRemoval(Call& call) { locked_ = call.cdb()[4] & 0x01; }

void ProgrammableDrive::SetCdSpeed(Call& call) {
  requested_kbps_ = Get16(call.cdb(), 2);
  if (mechanics_) mechanics_->SelectSpeed(requested_kbps_);
}

void ProgrammableDrive::SetStreaming(Call& call) {
  // Only the performance descriptor, and only its read half.
  if (call.cdb()[8] != 0) throw kInvalidFieldInCdb;
  const std::vector<uint8_t>& descriptor = call.command.data_out;
  if (Get16(call.cdb(), 9) < 28 || descriptor.size() < 28) throw kInvalidFieldInParameters;
  const bool restore_defaults = descriptor[0] & 0x04;
  const uint32_t read_kilobytes = Get32(descriptor, 12);
  const uint32_t read_milliseconds = Get32(descriptor, 16);
  if (restore_defaults) {
    requested_kbps_ = 0xFFFF;
  } else {
    if (read_milliseconds == 0) throw kInvalidFieldInParameters;
    const double kbps = std::nearbyint(1000.0 * read_kilobytes / read_milliseconds);
    requested_kbps_ = static_cast<uint32_t>(std::min(kbps, 65534.0));
  }
  if (mechanics_) mechanics_->SelectSpeed(requested_kbps_);
}

void ProgrammableDrive::GetEventStatusNotification(Call& call) {
  // Polled only, and only the media class.
  constexpr uint8_t kMediaClass = 0x10;
  if (!(call.cdb()[1] & 0x01)) throw kInvalidFieldInCdb;
  Bytes data;
  if (call.cdb()[4] & kMediaClass) {
    data.U16(6).U8(0x04).U8(kMediaClass);
    data.U8(media_event_).U8((MediumReady() ? 0x02 : 0) | (tray_ == Tray::kOpen ? 0x01 : 0));
    data.U16(0);
    media_event_ = 0;
  } else {
    data.U16(2).U8(0x80).U8(kMediaClass);  // no event of a class asked for
  }
  Deliver(call.reply, std::move(data.data()), Get16(call.cdb(), 7));
}

}  // namespace vantric::programmable

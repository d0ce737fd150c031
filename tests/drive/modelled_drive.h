#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "drive.h"
#include "platform/drive_commands.h"

namespace vantric::testing {

// The programmable drive's command layer behind the program's pass-through, on a clock of its
// own that each command moves on by the time the drive takes: the program's drive code talks to
// the same model the guest's drive serves, without the guest.
class ModelledDrive : public DriveCommands {
 public:
  explicit ModelledDrive(programmable::ProgrammableDrive& drive) : drive_(drive) {}

  CommandReply Send(std::span<const uint8_t> cdb, DataDirection direction, std::span<uint8_t> data,
                    unsigned /*timeout_ms*/) override {
    programmable::Command command;
    command.cdb.assign(cdb.begin(), cdb.end());
    if (direction == DataDirection::kToDrive) command.data_out.assign(data.begin(), data.end());
    command.data_in_limit = direction == DataDirection::kFromDrive ? data.size() : 0;
    const programmable::Reply reply = drive_.Execute(command, now_);
    now_ += reply.seconds;
    ++sent_;
    CommandReply out;
    out.delivered = true;
    out.status = reply.status;
    out.sense = reply.sense;
    if (direction == DataDirection::kFromDrive) {
      out.transferred = std::min(reply.data_in.size(), data.size());
      std::memcpy(data.data(), reply.data_in.data(), out.transferred);
    } else if (direction == DataDirection::kToDrive) {
      out.transferred = data.size();
    }
    return out;
  }
  std::string ErrorText(int system_error) const override {
    return "system error " + std::to_string(system_error);
  }

  double now() const { return now_; }
  int sent() const { return sent_; }

 private:
  programmable::ProgrammableDrive& drive_;
  double now_ = 0;
  int sent_ = 0;
};

}  // namespace vantric::testing

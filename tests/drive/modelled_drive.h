#pragma once

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "drive.h"
#include "platform/clock.h"
#include "platform/drive_commands.h"
#include "sim/virtual_clock.h"

namespace vantric::testing {

// The programmable drive's command layer behind the program's pass-through, on a virtual clock
// that each command moves on by the time the drive takes: the program's drive code talks to the
// same model the guest's drive serves, without the guest. The clock may be a simulation's, so
// that the drive's commands take their time on the machine that times them.
class ModelledDrive : public DriveCommands {
 public:
  explicit ModelledDrive(programmable::ProgrammableDrive& drive, VirtualClock* clock = nullptr)
      : drive_(drive), clock_(clock ? *clock : own_clock_) {}

  CommandReply Send(std::span<const uint8_t> cdb, DataDirection direction, std::span<uint8_t> data,
                    unsigned /*timeout_ms*/) override {
    if (before_command) before_command(now());
    if (!cdb.empty() && refused_opcodes.contains(cdb[0])) {
      // ILLEGAL REQUEST, INVALID COMMAND OPERATION CODE, in the fixed format.
      CommandReply refused;
      refused.delivered = true;
      refused.status = 2;
      refused.sense = {0x70, 0, 0x05, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0x20, 0x00};
      return refused;
    }
    programmable::Command command;
    command.cdb.assign(cdb.begin(), cdb.end());
    if (direction == DataDirection::kToDrive) command.data_out.assign(data.begin(), data.end());
    command.data_in_limit = direction == DataDirection::kFromDrive ? data.size() : 0;
    const programmable::Reply reply = drive_.Execute(command, now());
    clock_.AdvanceSeconds(reply.seconds);
    ++sent_;
    CommandReply out;
    out.delivered = true;
    out.status = reply.status;
    out.sense = reply.sense;
    if (direction == DataDirection::kFromDrive) {
      out.transferred = std::min(reply.data_in.size(), data.size());
      std::copy_n(reply.data_in.begin(), out.transferred, data.begin());
    } else if (direction == DataDirection::kToDrive) {
      out.transferred = data.size();
    }
    return out;
  }
  std::string ErrorText(int system_error) const override {
    return "system error " + std::to_string(system_error);
  }

  double now() const { return clock_.SecondsForCounts(clock_.Now()); }
  VirtualClock& clock() { return clock_; }
  int sent() const { return sent_; }
  void Wait(double seconds) { clock_.AdvanceSeconds(seconds); }

  // Commands with these operation codes are refused as ones the drive does not know.
  std::set<uint8_t> refused_opcodes;
  // Called with the drive's time before each command.
  std::function<void(double)> before_command;

 private:
  programmable::ProgrammableDrive& drive_;
  VirtualClock own_clock_;
  VirtualClock& clock_;
  int sent_ = 0;
};

// The modelled drive's time as the program's clock, counting nanoseconds.
class ModelledClock : public Clock {
 public:
  explicit ModelledClock(ModelledDrive& drive) : drive_(drive) {}
  int64_t Counter() override { return static_cast<int64_t>(std::nearbyint(drive_.now() * 1e9)); }
  int64_t Frequency() override { return 1'000'000'000; }
  void Sleep(uint32_t milliseconds) override { drive_.Wait(milliseconds / 1000.0); }

 private:
  ModelledDrive& drive_;
};

// One opening of a modelled drive for commands, as DiscDevices::OpenCommands hands it out: every
// opening talks to the same drive.
class OpenedModelledDrive : public DriveCommands {
 public:
  explicit OpenedModelledDrive(ModelledDrive& drive) : drive_(drive) {}
  CommandReply Send(std::span<const uint8_t> cdb, DataDirection direction, std::span<uint8_t> data,
                    unsigned timeout_ms) override {
    return drive_.Send(cdb, direction, data, timeout_ms);
  }
  std::string ErrorText(int system_error) const override { return drive_.ErrorText(system_error); }

 private:
  ModelledDrive& drive_;
};

}  // namespace vantric::testing

#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "drive.h"

namespace vantric::programmable {

// The kernel's side of a userspace SCSI device (target_core_user): the mailbox and command ring
// in the memory of its uio device. Commands are taken one at a time, in the ring's order.
class UioRing {
 public:
  // Opens the uio device (/dev/uioN) and maps its memory. Throws std::runtime_error.
  explicit UioRing(const std::string& device);
  ~UioRing();
  UioRing(const UioRing&) = delete;
  UioRing& operator=(const UioRing&) = delete;

  using Execute = std::function<Reply(const Command&, double now)>;
  // Answers commands until the device goes away. A command's reply is sent when the time it
  // takes has passed, counted from when it reached the drive: its arrival, or the end of the
  // command before it if that is later. With `trace`, a line a command.
  void Serve(const Execute& execute, std::FILE* trace);

 private:
  double Now() const;

  int fd_ = -1;
  uint8_t* map_ = nullptr;
  size_t map_bytes_ = 0;
  int64_t epoch_ = 0;  // ns of the monotonic clock at the start
};

}  // namespace vantric::programmable

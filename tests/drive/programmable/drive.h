#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "drive_description.h"
#include "mechanics.h"
#include "medium.h"
#include "scsi.h"

namespace vantric::programmable {

// One SCSI command as the initiator sent it.
struct Command {
  std::vector<uint8_t> cdb;
  std::vector<uint8_t> data_out;  // what it sent with the command, if anything
  size_t data_in_limit = 0;       // the room it gave for an answer
};

// The drive's answer, and how long the drive takes to give it.
struct Reply {
  uint8_t status = kStatusGood;
  std::vector<uint8_t> sense;  // with CHECK CONDITION
  std::vector<uint8_t> data_in;
  double seconds = 0;
};

// A CD/DVD/BD drive that answers SCSI/MMC commands from its description and the medium in it.
// Pure: the time a command takes is returned, not waited for, and `now` (seconds, never going
// back) is the drive's only clock, so tests can run it on any schedule.
class ProgrammableDrive {
 public:
  ProgrammableDrive(DriveDescription drive, Medium medium);
  // The mechanics refer to the description it holds.
  ProgrammableDrive(const ProgrammableDrive&) = delete;
  ProgrammableDrive& operator=(const ProgrammableDrive&) = delete;

  Reply Execute(const Command& command, double now);

  const DriveDescription& description() const { return drive_; }

 private:
  struct Call {
    const Command& command;
    double now;
    Reply& reply;
    std::span<const uint8_t> cdb() const { return command.cdb; }
  };
  struct Answer {
    uint8_t opcode;
    void (ProgrammableDrive::*answer)(Call&);
    size_t cdb_bytes;
    bool needs_medium;      // NOT READY without a disc ready to read
    bool before_attention;  // answered even with a unit attention pending
  };
  static const Answer kAnswers[];

  enum class Tray { kClosed, kOpen };
  // Media event codes of GET EVENT STATUS NOTIFICATION.
  static constexpr uint8_t kNewMedia = 2;
  static constexpr uint8_t kMediaRemoval = 3;
  static constexpr uint8_t kDefaultReadRetries = 16;

  // Commands about the drive (drive_answers.cpp).
  void TestUnitReady(Call& call);
  void RequestSense(Call& call);
  void StartStopUnit(Call& call);
  void PreventAllowMediumRemoval(Call& call);
  void SetCdSpeed(Call& call);
  void SetStreaming(Call& call);
  void GetEventStatusNotification(Call& call);
  // What it is and can do (page_answers.cpp).
  void Inquiry(Call& call);
  void ModeSense(Call& call);
  void ModeSelect(Call& call);
  void GetConfiguration(Call& call);
  void GetPerformance(Call& call);
  // The disc's layout (disc_answers.cpp).
  void ReadCapacity(Call& call);
  void ReadToc(Call& call);
  void ReadDiscInformation(Call& call);
  void ReadTrackInformation(Call& call);
  // Its sectors (read_answers.cpp).
  void Read(Call& call);
  void ReadCd(Call& call);

  // Pulls the disc out when its time has come.
  void Advance(double now);
  bool MediumReady() const { return medium_present_ && tray_ == Tray::kClosed; }
  Sense NotReadySense() const;
  std::vector<uint8_t> ModePage(uint8_t page, uint8_t control) const;
  std::vector<uint8_t> CapabilitiesPage() const;
  // The time a read takes before it can fail or deliver, from when it reaches the drive.
  double ReadTime(Call& call, int64_t lba, int64_t count);
  double BadReadSeconds() const;
  int64_t Capacity() const;
  const Track& TrackNumbered(int number) const;

  DriveDescription drive_;
  Medium medium_;
  std::optional<Mechanics> mechanics_;
  bool medium_present_ = true;
  Tray tray_ = Tray::kClosed;
  bool locked_ = false;
  std::optional<Sense> attention_;
  uint8_t media_event_ = 0;  // what GET EVENT STATUS NOTIFICATION has yet to report
  uint32_t requested_kbps_ = 0xFFFF;
  uint8_t read_retries_;
  double pull_out_at_;
  uint64_t audio_reads_ = 0;
  // The audio in the drive's memory: sectors from the first up to the end, as the last read
  // from the disc landed.
  int64_t audio_cached_first_ = 0;
  int64_t audio_cached_end_ = 0;
  int64_t audio_cached_shift_ = 0;
};

// Reply helpers the answers share.
// The answer cut to the allocation length the CDB gives.
void Deliver(Reply& reply, std::vector<uint8_t> data, size_t allocation);

}  // namespace vantric::programmable

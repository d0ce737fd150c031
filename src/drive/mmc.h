#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "drive/scsi_sense.h"
#include "platform/drive_commands.h"

namespace vantric {

// One command's outcome as the drive layer reads it.
struct MmcAnswer {
  bool ok = false;
  std::vector<uint8_t> data;  // what the drive sent, as many bytes as came
  size_t transferred = 0;     // bytes that moved, also for a read into the caller's buffer
  std::optional<Sense> sense;
  // Why not, in words: "the drive refused it: illegal request, invalid field in CDB (05/24/00)"
  // or the system's reason.
  std::string error;
};

// The SCSI/MMC commands of optical drives, built and sent through the platform's pass-through.
class Mmc {
 public:
  static constexpr unsigned kTimeoutMs = 30'000;

  explicit Mmc(DriveCommands& commands) : commands_(commands) {}

  // A command whose answer the drive sends: at most `bytes` of it.
  MmcAnswer Ask(const std::vector<uint8_t>& cdb, size_t bytes, unsigned timeout_ms = kTimeoutMs);
  // The same into the caller's buffer, which the answer fills (READ CD of many sectors).
  MmcAnswer ReadInto(const std::vector<uint8_t>& cdb, std::span<uint8_t> buffer,
                     unsigned timeout_ms = kTimeoutMs);
  // A command that sends `data`, or nothing.
  MmcAnswer Tell(const std::vector<uint8_t>& cdb, std::span<const uint8_t> data = {},
                 unsigned timeout_ms = kTimeoutMs);

 private:
  MmcAnswer Finish(const CommandReply& reply);

  DriveCommands& commands_;
};

// The commands' CDBs. Numbers are big-endian on the wire, as the standard has them.
std::vector<uint8_t> TestUnitReadyCdb();
// `vpd_page`: a page of vital product data (80h: the unit serial number) instead of the
// standard data.
std::vector<uint8_t> InquiryCdb(uint16_t bytes, std::optional<uint8_t> vpd_page = std::nullopt);
std::vector<uint8_t> ModeSense10Cdb(uint8_t page, uint16_t bytes);
std::vector<uint8_t> ModeSelect10Cdb(uint16_t bytes);
std::vector<uint8_t> ReadCapacityCdb();
std::vector<uint8_t> Read10Cdb(uint32_t lba, uint16_t sectors);
// GET CONFIGURATION of every feature from `first_feature` on (RT 0).
std::vector<uint8_t> GetConfigurationCdb(uint16_t first_feature, uint16_t bytes);
// READ TOC/PMA/ATIP: format 0 (the TOC), 1 (the sessions) or 2 (the full TOC), in LBA.
std::vector<uint8_t> ReadTocCdb(uint8_t format, uint8_t track, uint16_t bytes);
std::vector<uint8_t> ReadDiscInformationCdb(uint16_t bytes);
std::vector<uint8_t> ReadTrackInformationCdb(uint8_t track, uint16_t bytes);
// GET PERFORMANCE, the nominal read performance (type 0), from `lba` on.
std::vector<uint8_t> GetPerformanceCdb(uint32_t lba, uint16_t descriptors);
// GET PERFORMANCE of the speeds the drive can be set to (type 3, the write speed descriptors,
// which carry a read speed each).
std::vector<uint8_t> GetSpeedsCdb(uint16_t descriptors);
// Speeds in kB/s of 1000 bytes; 0xFFFF: the fastest the drive can.
std::vector<uint8_t> SetCdSpeedCdb(uint16_t read_kbps, uint16_t write_kbps = 0xFFFF);
std::vector<uint8_t> SetStreamingCdb(uint16_t bytes);
std::vector<uint8_t> StartStopUnitCdb(bool start, bool load_eject, bool immediate);
// READ CD of `sectors` CD-DA sectors from `lba`: their 2,352 bytes each, followed with `c2` by
// the sector's 294 bytes of C2 error pointers (a bit for each byte the drive could not correct).
std::vector<uint8_t> ReadCdDaCdb(uint32_t lba, uint32_t sectors, bool c2);

// Big-endian numbers in answers.
uint32_t Be16(std::span<const uint8_t> data, size_t at);
uint32_t Be24(std::span<const uint8_t> data, size_t at);
uint32_t Be32(std::span<const uint8_t> data, size_t at);
void PutBe16(std::vector<uint8_t>& data, size_t at, uint32_t value);
void PutBe32(std::vector<uint8_t>& data, size_t at, uint32_t value);

}  // namespace vantric

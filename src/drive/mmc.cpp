#include "drive/mmc.h"

namespace vantric {
namespace {

constexpr uint8_t kStatusCheckCondition = 2;

std::vector<uint8_t> Cdb(size_t length, uint8_t opcode) {
  std::vector<uint8_t> cdb(length, 0);
  cdb[0] = opcode;
  return cdb;
}

}  // namespace

MmcAnswer Mmc::Ask(const std::vector<uint8_t>& cdb, size_t bytes, unsigned timeout_ms) {
  std::vector<uint8_t> data(bytes);
  const CommandReply reply = commands_.Send(cdb, DataDirection::kFromDrive, data, timeout_ms);
  MmcAnswer answer = Finish(reply);
  data.resize(std::min(reply.transferred, data.size()));
  answer.data = std::move(data);
  return answer;
}

MmcAnswer Mmc::ReadInto(const std::vector<uint8_t>& cdb, std::span<uint8_t> buffer,
                        unsigned timeout_ms) {
  return Finish(commands_.Send(cdb, DataDirection::kFromDrive, buffer, timeout_ms));
}

MmcAnswer Mmc::Tell(const std::vector<uint8_t>& cdb, std::span<const uint8_t> data,
                    unsigned timeout_ms) {
  // The pass-through takes one buffer for either direction; this one is only read.
  std::vector<uint8_t> sent(data.begin(), data.end());
  return Finish(commands_.Send(cdb, data.empty() ? DataDirection::kNone : DataDirection::kToDrive,
                               sent, timeout_ms));
}

MmcAnswer Mmc::Finish(const CommandReply& reply) {
  MmcAnswer answer;
  answer.transferred = reply.transferred;
  if (!reply.delivered) {
    answer.error = commands_.ErrorText(reply.system_error);
    return answer;
  }
  answer.sense = ParseSense(reply.sense);
  answer.ok = reply.status == 0;
  if (!answer.ok) {
    answer.error = answer.sense ? "the drive refused it: " + SenseText(*answer.sense)
                   : reply.status == kStatusCheckCondition
                       ? std::string("the drive refused it without saying why")
                       : "the drive answered with status " + std::to_string(reply.status);
  }
  return answer;
}

std::vector<uint8_t> TestUnitReadyCdb() { return Cdb(6, 0x00); }

std::vector<uint8_t> InquiryCdb(uint16_t bytes, std::optional<uint8_t> vpd_page) {
  std::vector<uint8_t> cdb = Cdb(6, 0x12);
  if (vpd_page) {
    cdb[1] = 0x01;  // EVPD
    cdb[2] = *vpd_page;
  }
  PutBe16(cdb, 3, bytes);
  return cdb;
}

std::vector<uint8_t> ModeSense10Cdb(uint8_t page, uint16_t bytes) {
  std::vector<uint8_t> cdb = Cdb(10, 0x5A);
  cdb[1] = 0x08;  // DBD: no block descriptors
  cdb[2] = page & 0x3F;
  PutBe16(cdb, 7, bytes);
  return cdb;
}

std::vector<uint8_t> ModeSelect10Cdb(uint16_t bytes) {
  std::vector<uint8_t> cdb = Cdb(10, 0x55);
  cdb[1] = 0x10;  // PF: pages in the standard's format
  PutBe16(cdb, 7, bytes);
  return cdb;
}

std::vector<uint8_t> ReadCapacityCdb() { return Cdb(10, 0x25); }

std::vector<uint8_t> Read10Cdb(uint32_t lba, uint16_t sectors) {
  std::vector<uint8_t> cdb = Cdb(10, 0x28);
  PutBe32(cdb, 2, lba);
  PutBe16(cdb, 7, sectors);
  return cdb;
}

std::vector<uint8_t> GetConfigurationCdb(uint16_t first_feature, uint16_t bytes) {
  std::vector<uint8_t> cdb = Cdb(10, 0x46);
  PutBe16(cdb, 2, first_feature);
  PutBe16(cdb, 7, bytes);
  return cdb;
}

std::vector<uint8_t> ReadTocCdb(uint8_t format, uint8_t track, uint16_t bytes) {
  std::vector<uint8_t> cdb = Cdb(10, 0x43);
  cdb[2] = format & 0x0F;
  cdb[6] = track;
  PutBe16(cdb, 7, bytes);
  return cdb;
}

std::vector<uint8_t> ReadDiscInformationCdb(uint16_t bytes) {
  std::vector<uint8_t> cdb = Cdb(10, 0x51);
  PutBe16(cdb, 7, bytes);
  return cdb;
}

std::vector<uint8_t> ReadTrackInformationCdb(uint8_t track, uint16_t bytes) {
  std::vector<uint8_t> cdb = Cdb(10, 0x52);
  cdb[1] = 0x01;  // the address is a track number
  PutBe32(cdb, 2, track);
  PutBe16(cdb, 7, bytes);
  return cdb;
}

std::vector<uint8_t> GetPerformanceCdb(uint32_t lba, uint16_t descriptors) {
  std::vector<uint8_t> cdb = Cdb(12, 0xAC);
  cdb[1] = 0x00;  // nominal performance of reading
  PutBe32(cdb, 2, lba);
  PutBe16(cdb, 8, descriptors);
  cdb[10] = 0x00;  // type 0: performance
  return cdb;
}

std::vector<uint8_t> GetSpeedsCdb(uint16_t descriptors) {
  std::vector<uint8_t> cdb = GetPerformanceCdb(0, descriptors);
  cdb[10] = 0x03;
  return cdb;
}

std::vector<uint8_t> SetCdSpeedCdb(uint16_t read_kbps, uint16_t write_kbps) {
  std::vector<uint8_t> cdb = Cdb(12, 0xBB);
  PutBe16(cdb, 2, read_kbps);
  PutBe16(cdb, 4, write_kbps);
  return cdb;
}

std::vector<uint8_t> SetStreamingCdb(uint16_t bytes) {
  std::vector<uint8_t> cdb = Cdb(12, 0xB6);
  PutBe16(cdb, 9, bytes);
  return cdb;
}

std::vector<uint8_t> StartStopUnitCdb(bool start, bool load_eject, bool immediate) {
  std::vector<uint8_t> cdb = Cdb(6, 0x1B);
  cdb[1] = immediate ? 0x01 : 0x00;
  cdb[4] = static_cast<uint8_t>((load_eject ? 0x02 : 0x00) | (start ? 0x01 : 0x00));
  return cdb;
}

std::vector<uint8_t> ReadCdDaCdb(uint32_t lba, uint32_t sectors, bool c2) {
  std::vector<uint8_t> cdb = Cdb(12, 0xBE);
  cdb[1] = 1 << 2;  // expected sector type: CD-DA
  PutBe32(cdb, 2, lba);
  cdb[6] = static_cast<uint8_t>(sectors >> 16);
  PutBe16(cdb, 7, sectors);
  cdb[9] = static_cast<uint8_t>(0x10 | (c2 ? 0x02 : 0x00));  // user data; C2 error bits
  return cdb;
}

uint32_t Be16(std::span<const uint8_t> data, size_t at) {
  return at + 2 <= data.size() ? uint32_t{data[at]} << 8 | data[at + 1] : 0;
}

uint32_t Be24(std::span<const uint8_t> data, size_t at) {
  return at + 3 <= data.size() ? uint32_t{data[at]} << 16 | Be16(data, at + 1) : 0;
}

uint32_t Be32(std::span<const uint8_t> data, size_t at) {
  return at + 4 <= data.size() ? uint32_t{data[at]} << 24 | Be24(data, at + 1) : 0;
}

void PutBe16(std::vector<uint8_t>& data, size_t at, uint32_t value) {
  data[at] = static_cast<uint8_t>(value >> 8);
  data[at + 1] = static_cast<uint8_t>(value);
}

void PutBe32(std::vector<uint8_t>& data, size_t at, uint32_t value) {
  PutBe16(data, at, value >> 16);
  PutBe16(data, at + 2, value);
}

}  // namespace vantric

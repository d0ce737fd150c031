#include <array>
#include <limits>

#include "engine/engine.h"
#include "engine/test_positions.h"

namespace vantric {
namespace {

constexpr const char* kCdfsKey = "System\\CurrentControlSet\\Control\\FileSystem\\CDFS";

constexpr uint32_t kWindows95Bit = 0x80000000u;

}  // namespace

const std::array<const char*, 4> kTestFilePlaces = {
    "\\DATA\\VANTRIC.DAT",
    "\\DORVANE.DAT",
    "\\VANTRIC.DAT",
    "\\MIRELTON\\VANTRIC\\VANTRIC.DAT",
};

Engine::Engine(Platform platform) : platform_(platform) {}

Engine::~Engine() = default;

void Engine::ScanDrives() {
  CandidateDrives.clear();
  auto add_drives_of_type = [this](uint32_t type) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      const std::string root = {letter, ':', '\\'};
      if (platform_.drives.GetDriveType(root) == type) CandidateDrives.push_back({letter, ':'});
    }
  };
  add_drives_of_type(DRIVE_CDROM);
  const std::vector<std::string>& arguments = platform_.system.Arguments();
  if (!arguments.empty() && arguments.front() == "NET") add_drives_of_type(DRIVE_REMOTE);

  Registry& registry = platform_.registry;
  if (registry.OpenKey(kCdfsKey)) {
    CdfsPrefetch = 0;
    CdfsCacheSize = 0;
    registry.QueryValue("Prefetch", &CdfsPrefetch);
    registry.QueryValue("CacheSize", &CdfsCacheSize);
    // Wraps like the 32-bit registers the values were made for, instead of overflowing.
    CdfsCacheSize = static_cast<int32_t>(static_cast<uint32_t>(CdfsCacheSize) -
                                         static_cast<uint32_t>(CdfsPrefetch));
    registry.CloseKey();
  }
}

DiscSearchResult Engine::FindTestDisc() {
  test_file_.reset();
  test_file_path_.clear();
  next_sector_ = 0;
  ClearReadFailure();
  int found = 0;
  std::string found_path;
  for (const std::string& drive : CandidateDrives) {
    for (const char* place : kTestFilePlaces) {
      std::string path = drive + place;
      if (platform_.drives.CanOpenForReading(path)) {
        found_path = std::move(path);
        ++found;
        break;
      }
    }
  }
  if (found == 0) return NoDisc;
  if (found > 1) return SeveralDiscs;
  test_file_ = platform_.drives.OpenUnbuffered(found_path);
  if (!test_file_) return NoDisc;
  test_file_path_ = found_path;
  return DiscOpened;
}

bool Engine::ReadSectorAt(int32_t sector) {
  if (!test_file_ || read_failure_.failed) return false;
  test_file_->Seek(static_cast<int64_t>(sector) * SECTOR_SIZE);
  next_sector_ = sector;
  return ReadAtPosition(1);
}

bool Engine::ReadSequential(int32_t count) {
  // The buffer holds 16 sectors; a larger count would overrun it.
  if (!test_file_ || read_failure_.failed || count < 1 || count > 16) return false;
  return ReadAtPosition(count);
}

bool Engine::ReadAtPosition(int32_t count) {
  const int64_t first = next_sector_;
  next_sector_ += count;
  if (test_file_->Read(sector_buffer_.data(), static_cast<uint32_t>(count) * SECTOR_SIZE)) {
    return true;
  }
  // Only the first failure is kept; later reads do not reach the drive.
  read_failure_ = {true, static_cast<int32_t>(first), test_file_->LastError()};
  return false;
}

std::string Engine::ReadFailureMessage() const {
  if (!read_failure_.failed) return "";
  const std::string reason = test_file_ ? test_file_->ErrorText(read_failure_.error) : "";
  return "Error reading the test disc at sector " + std::to_string(read_failure_.sector) + ": " +
         reason + ".";
}

bool Engine::ReadOrSkip(int32_t count) { return count == 0 || ReadSequential(count); }

void Engine::SeekToStart() { ReadSectorAt(0); }

void Engine::WarmUpStep(int step) {
  ReadSectorAt(WarmUpSector(step));
  for (int32_t read = 0; read < kWarmUpReads; ++read) ReadSequential(kWarmUpSectorsPerRead);
}

bool Engine::IsWindowsNT() { return (platform_.system.GetVersion() & kWindows95Bit) == 0; }

}  // namespace vantric

#include "uio_ring.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

// The kernel's struct iovec, which the ring's entries hold, has the name of the C library's.
#define iovec tcmu_iovec
#include <linux/target_core_user.h>
#undef iovec

namespace vantric::programmable {
namespace {

int64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void SleepUntil(int64_t nanoseconds) {
  const timespec until{static_cast<time_t>(nanoseconds / 1'000'000'000),
                       static_cast<long>(nanoseconds % 1'000'000'000)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

size_t MapBytes(const std::string& device) {
  const std::string name = std::filesystem::path(device).filename().string();
  std::ifstream size_file("/sys/class/uio/" + name + "/maps/map0/size");
  std::string text;
  if (!(size_file >> text)) throw std::runtime_error(device + ": no size of its memory in sysfs");
  return std::stoull(text, nullptr, 0);
}

// Where a command's data lies in the map.
struct Piece {
  uint8_t* data;
  size_t bytes;
};

// The reply is written over the request: everything needed is taken out of it first.
Command TakeCommand(uint8_t* map, const tcmu_cmd_entry& entry, std::vector<Piece>& pieces) {
  Command command;
  const uint8_t* cdb = map + entry.req.cdb_off;
  command.cdb.assign(cdb, cdb + CdbLength(cdb[0]));
  pieces.clear();
  for (uint32_t i = 0; i < entry.req.iov_cnt; ++i) {
    const tcmu_iovec& iov = entry.req.iov[i];
    const Piece piece{map + reinterpret_cast<uintptr_t>(iov.iov_base), iov.iov_len};
    pieces.push_back(piece);
    command.data_in_limit += piece.bytes;
    if (CarriesDataOut(cdb[0])) {
      command.data_out.insert(command.data_out.end(), piece.data, piece.data + piece.bytes);
    }
  }
  return command;
}

void PutReply(tcmu_cmd_entry& entry, const Command& command, const Reply& reply,
              const std::vector<Piece>& pieces, bool read_length) {
  size_t copied = 0;
  size_t room = 0;
  for (const Piece& piece : pieces) {
    room += piece.bytes;
    const size_t bytes = std::min(piece.bytes, reply.data_in.size() - copied);
    std::memcpy(piece.data, reply.data_in.data() + copied, bytes);
    copied += bytes;
  }
  // A short answer, or what a failed read delivered before its bad sector, is told as such
  // (data sent to the drive was all taken).
  if (read_length && copied < room && !CarriesDataOut(command.cdb[0])) {
    entry.hdr.uflags |= TCMU_UFLAG_READ_LEN;
    entry.rsp.read_len = static_cast<uint32_t>(copied);
  }
  entry.rsp.scsi_status = reply.status;
  std::memcpy(entry.rsp.sense_buffer, reply.sense.data(),
              std::min(reply.sense.size(), sizeof entry.rsp.sense_buffer));
}

// When a command came, how long it waited behind the one before, what it took and how late its
// answer went out.
void Trace(std::FILE* trace, const Command& command, const Reply& reply, double arrived,
           double start, double late) {
  const bool sense = reply.sense.size() >= 14;
  std::fprintf(trace, "%.6f %02X status %u sense %X/%02X/%02X wait %.6f take %.6f late %.6f\n",
               arrived, command.cdb[0], reply.status, sense ? reply.sense[2] & 0x0F : 0,
               sense ? reply.sense[12] : 0, sense ? reply.sense[13] : 0, start - arrived,
               reply.seconds, late);
}

}  // namespace

UioRing::UioRing(const std::string& device) : map_bytes_(MapBytes(device)) {
  fd_ = open(device.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0) throw std::runtime_error(device + ": " + std::strerror(errno));
  void* map = mmap(nullptr, map_bytes_, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
  if (map == MAP_FAILED) throw std::runtime_error(device + ": mmap: " + std::strerror(errno));
  map_ = static_cast<uint8_t*>(map);
  const auto* mailbox = reinterpret_cast<const tcmu_mailbox*>(map_);
  if (mailbox->version != TCMU_MAILBOX_VERSION) {
    throw std::runtime_error(device + ": mailbox version " + std::to_string(mailbox->version));
  }
  epoch_ = MonotonicNanoseconds();
}

UioRing::~UioRing() {
  if (map_ != nullptr) munmap(map_, map_bytes_);
  if (fd_ >= 0) close(fd_);
}

double UioRing::Now() const { return static_cast<double>(MonotonicNanoseconds() - epoch_) / 1e9; }

void UioRing::Serve(const Execute& execute, std::FILE* trace) {
  auto* mailbox = reinterpret_cast<tcmu_mailbox*>(map_);
  uint8_t* const ring = map_ + mailbox->cmdr_off;
  const bool read_length = mailbox->flags & TCMU_MAILBOX_FLAG_CAP_READ_LEN;
  uint32_t tail = __atomic_load_n(&mailbox->cmd_tail, __ATOMIC_ACQUIRE);
  double free_at = 0;
  std::vector<Piece> pieces;
  for (;;) {
    while (tail != __atomic_load_n(&mailbox->cmd_head, __ATOMIC_ACQUIRE)) {
      auto* entry = reinterpret_cast<tcmu_cmd_entry*>(ring + tail);
      const tcmu_opcode op = tcmu_hdr_get_op(entry->hdr.len_op);
      if (op == TCMU_OP_CMD) {
        const Command command = TakeCommand(map_, *entry, pieces);
        const double arrived = Now();
        const double start = std::max(arrived, free_at);
        const Reply reply = execute(command, start);
        free_at = start + reply.seconds;
        SleepUntil(epoch_ + static_cast<int64_t>(std::nearbyint(free_at * 1e9)));
        PutReply(*entry, command, reply, pieces, read_length);
        if (trace != nullptr) Trace(trace, command, reply, arrived, start, Now() - free_at);
      } else if (op != TCMU_OP_PAD && op != TCMU_OP_TMR) {
        entry->hdr.uflags |= TCMU_UFLAG_UNKNOWN_OP;
      }
      tail = (tail + tcmu_hdr_get_len(entry->hdr.len_op)) % mailbox->cmdr_size;
      __atomic_store_n(&mailbox->cmd_tail, tail, __ATOMIC_RELEASE);
      // Tells the kernel that the ring has moved on.
      const uint32_t one = 1;
      if (write(fd_, &one, sizeof one) != sizeof one) return;
    }
    // Waits for the kernel to put more in.
    uint32_t events = 0;
    if (read(fd_, &events, sizeof events) != sizeof events) return;
  }
}

}  // namespace vantric::programmable

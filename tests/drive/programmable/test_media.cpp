#include "test_media.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace vantric::programmable {
namespace {

class OutputFile {
 public:
  explicit OutputFile(const std::string& path)
      : path_(path), fd_(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {
    if (fd_ < 0) throw std::runtime_error(path + ": cannot be written");
  }
  ~OutputFile() { close(fd_); }
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void Write(int64_t offset, const void* data, size_t bytes) {
    if (pwrite(fd_, data, bytes, offset) != static_cast<ssize_t>(bytes)) {
      throw std::runtime_error(path_ + ": " + std::strerror(errno));
    }
  }
  // Up to `bytes`, as a hole where nothing was written.
  void Extend(int64_t bytes) {
    if (ftruncate(fd_, bytes) != 0) throw std::runtime_error(path_ + ": " + std::strerror(errno));
  }

 private:
  std::string path_;
  int fd_;
};

// The data track's start, copied from the image it is made of in pieces of this size.
constexpr size_t kCopyBytes = 1 << 20;

void CopyData(OutputFile& out, const std::string& from, int64_t offset, int64_t limit) {
  std::ifstream in(from, std::ios::binary);
  if (!in) throw std::runtime_error(from + ": cannot be read");
  std::vector<char> buffer(kCopyBytes);
  for (int64_t done = 0; done < limit && in;) {
    in.read(buffer.data(),
            static_cast<std::streamsize>(std::min<int64_t>(kCopyBytes, limit - done)));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    out.Write(offset + done, buffer.data(), static_cast<size_t>(got));
    done += got;
  }
}

}  // namespace

std::vector<uint8_t> AudioTrackBytes(uint32_t seed, int track, size_t bytes) {
  // xorshift32, seeded apart for every track; never zero.
  uint32_t state = (seed * 2654435761u) ^ (static_cast<uint32_t>(track) * 40503u) ^ 0x9E3779B9u;
  if (state == 0) state = 1;
  std::vector<uint8_t> out(bytes);
  for (size_t i = 0; i + 1 < bytes; i += 2) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    // A quarter of full scale, little-endian.
    const int16_t sample = static_cast<int16_t>(static_cast<int32_t>(state >> 16) / 4 - 8192);
    out[i] = static_cast<uint8_t>(sample & 0xFF);
    out[i + 1] = static_cast<uint8_t>((sample >> 8) & 0xFF);
  }
  return out;
}

void WriteTestMedium(const std::string& description, const std::string& image,
                     const DiscPlan& plan) {
  std::string text = "# A disc made by make-test-media.\nprofile = ";
  text += std::string(ProfileName(plan.profile)) + "\n";
  text += "image = " + std::filesystem::path(image).filename().string() + "\n";
  OutputFile out(image);
  int64_t offset = 0;
  int number = 0;
  for (const TrackPlan& track : plan.tracks) {
    ++number;
    if (track.mode == TrackMode::kData) {
      if (!plan.data_from.empty()) {
        CopyData(out, plan.data_from, offset, track.sectors * kDataSectorBytes);
      }
      offset += track.sectors * kDataSectorBytes;
    } else {
      const std::vector<uint8_t> samples = AudioTrackBytes(
          plan.seed, number, static_cast<size_t>(track.sectors) * kAudioSectorBytes);
      out.Write(offset, samples.data(), samples.size());
      offset += static_cast<int64_t>(samples.size());
    }
    text += "track = " + std::string(track.mode == TrackMode::kData ? "data " : "audio ") +
            std::to_string(track.sectors);
    if (track.pregap != 0) text += " pregap=" + std::to_string(track.pregap);
    if (track.session != 1) text += " session=" + std::to_string(track.session);
    text += "\n";
  }
  out.Extend(offset);
  std::ofstream(description) << text;
}

}  // namespace vantric::programmable

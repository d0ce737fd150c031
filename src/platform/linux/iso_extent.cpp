#include "platform/linux/iso_extent.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vantric {
namespace {

// A device or image file read with pread, bounded by its size.
class DescriptorVolume : public VolumeBytes {
 public:
  DescriptorVolume(int fd, int64_t size) : fd_(fd), size_(size) {}
  int64_t Size() const override { return size_; }
  bool Read(int64_t offset, size_t count, unsigned char* out) override {
    if (offset < 0 || offset > size_ || static_cast<int64_t>(count) > size_ - offset) return false;
    size_t done = 0;
    while (done < count) {
      const ssize_t got = pread(fd_, out + done, count - done, offset + done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      done += static_cast<size_t>(got);
    }
    return true;
  }

 private:
  int fd_;
  int64_t size_;
};

// What the device holds (BLKGETSIZE64: the disc's readable size), or the image file's length.
int64_t VolumeSize(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0) return 0;
  if (S_ISREG(status.st_mode)) return status.st_size;
  uint64_t bytes = 0;
  if (S_ISBLK(status.st_mode) && ioctl(fd, BLKGETSIZE64, &bytes) == 0) {
    return static_cast<int64_t>(bytes);
  }
  return 0;
}

}  // namespace

std::optional<IsoExtent> FindIsoExtent(const std::string& device_or_image,
                                       const std::string& path_in_image, std::string* why_not,
                                       bool* refused) {
  if (refused) *refused = false;
  const int fd = open(device_or_image.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    *why_not = device_or_image + " holds no ISO 9660 volume";
    return std::nullopt;
  }
  DescriptorVolume volume(fd, VolumeSize(fd));
  const IsoLookup lookup = LookUpIsoFile(volume, path_in_image);
  close(fd);
  switch (lookup.failure) {
    case IsoLookupFailure::kNone:
      return lookup.extent;
    case IsoLookupFailure::kNoVolume:
      *why_not = device_or_image + " holds no ISO 9660 volume";
      break;
    case IsoLookupFailure::kNotListed:
      *why_not = "the ISO 9660 directory of " + device_or_image + " does not list " + path_in_image;
      break;
    case IsoLookupFailure::kRefused:
      *why_not = "the disc in " + device_or_image + " is not read: " + lookup.refusal;
      if (refused) *refused = true;
      break;
  }
  return std::nullopt;
}

}  // namespace vantric

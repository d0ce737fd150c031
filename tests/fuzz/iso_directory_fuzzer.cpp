// The directory search on arbitrary bytes: whatever a disc holds, the search reads only within
// it, and an extent it returns lies within it and is not empty.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/linux/iso_directory.h"

namespace {

class MemoryVolume : public vantric::VolumeBytes {
 public:
  MemoryVolume(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}
  int64_t Size() const override { return static_cast<int64_t>(size_); }
  bool Read(int64_t offset, size_t count, unsigned char* out) override {
    if (offset < 0 || static_cast<uint64_t>(offset) > size_ || count > size_ - offset) return false;
    std::memcpy(out, bytes_ + offset, count);
    return true;
  }

 private:
  const uint8_t* bytes_;
  size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryVolume volume(data, size);
  for (const char* path : {"DATA/VANTRIC.DAT", "MIRELTON/VANTRIC/VANTRIC.DAT", "vantric.dat",
                           "A Long Folder Name/DATA/VANTRIC.DAT"}) {
    const vantric::IsoLookup lookup = vantric::LookUpIsoFile(volume, path);
    if (lookup.extent && (lookup.extent->size <= 0 || lookup.extent->first_byte < 0 ||
                          lookup.extent->first_byte + lookup.extent->size > volume.Size())) {
      __builtin_trap();
    }
  }
  return 0;
}

#include <cstring>

#include "platform/disc_file.h"

namespace vantric {

std::string_view ReadModeName(ReadMode mode) {
  switch (mode) {
    case ReadMode::kDirect:
      return "direct";
    case ReadMode::kDevice:
      return "device";
    case ReadMode::kUncached:
      return "uncached";
    case ReadMode::kSimulated:
      return "simulated";
  }
  return "unknown";
}

std::string DiscFile::ErrorText(int code) const {
  if (code == kShortRead) return "the read returned fewer bytes than asked for";
  return std::strerror(code);
}

}  // namespace vantric

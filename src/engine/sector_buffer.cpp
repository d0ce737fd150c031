#include "engine/sector_buffer.h"

#include <cstdlib>
#include <new>

namespace vantric {

SectorBuffer::SectorBuffer() : data_(std::aligned_alloc(kAlignment, kBytes)) {
  if (data_ == nullptr) throw std::bad_alloc();
}

SectorBuffer::~SectorBuffer() { std::free(data_); }

}  // namespace vantric

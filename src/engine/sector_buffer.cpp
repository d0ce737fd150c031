#include "engine/sector_buffer.h"

#include <new>

namespace vantric {

// Aligned new rather than aligned_alloc, which not every C runtime has.
SectorBuffer::SectorBuffer() : data_(::operator new (kBytes, std::align_val_t{kAlignment})) {}

SectorBuffer::~SectorBuffer() { ::operator delete (data_, std::align_val_t{kAlignment}); }

}  // namespace vantric

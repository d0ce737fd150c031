#pragma once

#include <cstdint>

// How far each test reads, kept beside the numbers that decide it.
namespace vantric {

int64_t Read16kTestLastSector(int32_t start_sector);
int64_t Read2kTestLastSector(int32_t start_sector);
int64_t SeekOverheadLastSector();
int64_t FullStrokeLastSector();
int64_t RandomAccessLastSector();
int64_t CpuTestLastSector(int32_t block_size, int32_t rate, bool with_reads);
int64_t BurstTestLastSector(int32_t block_size);

}  // namespace vantric

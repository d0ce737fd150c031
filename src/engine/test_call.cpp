#include "engine/test_call.h"

#include "engine/engine.h"
#include "engine/test_positions.h"
#include "engine/test_reach.h"

namespace vantric {

double Engine::RunTest(const TestCall& call) {
  switch (call.test) {
    case EngineTest::kRead16k:
      return RunRead16kTest(call.argument);
    case EngineTest::kRead2k:
      return RunRead2kTest(call.argument);
    case EngineTest::kSeekOverhead:
      return RunSeekOverheadTest();
    case EngineTest::kFullStroke:
      return RunFullStrokeTest();
    case EngineTest::kRandomAccess:
      return RunRandomAccessTest();
    case EngineTest::kCpuCalibration:
      return RunCpuTest(kCpuTestSectorsPerRead, kCpuCalibrationRate, false);
    case EngineTest::kCpuUsage:
      return RunCpuTest(kCpuTestSectorsPerRead, call.argument, true);
    case EngineTest::kBurst:
      return RunBurstTest(call.argument);
  }
  return 0;
}

int64_t LastSectorRead(const TestCall& call) {
  switch (call.test) {
    case EngineTest::kRead16k:
      return Read16kTestLastSector(call.argument);
    case EngineTest::kRead2k:
      return Read2kTestLastSector(call.argument);
    case EngineTest::kSeekOverhead:
      return SeekOverheadLastSector();
    case EngineTest::kFullStroke:
      return FullStrokeLastSector();
    case EngineTest::kRandomAccess:
      return RandomAccessLastSector();
    case EngineTest::kCpuCalibration:
      return CpuTestLastSector(kCpuTestSectorsPerRead, kCpuCalibrationRate, false);
    case EngineTest::kCpuUsage:
      return CpuTestLastSector(kCpuTestSectorsPerRead, call.argument, true);
    case EngineTest::kBurst:
      return BurstTestLastSector(call.argument);
  }
  return 0;
}

}  // namespace vantric

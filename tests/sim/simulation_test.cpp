#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vantric {
namespace {

// Each profile on a line of its own, the descriptions in one column two blanks past the
// longest name.
TEST(Simulation, ListsEveryProfileOneLineEach) {
  std::vector<std::string> names;
  for (const DriveProfile& profile : DriveProfiles()) names.emplace_back(profile.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"2x-clv", "8x-clv", "24x-cav", "52x-cav", "ideal-8x-clv",
                                      "dvd-16x-cav", "bd-4x-clv", "scratched-24x-cav"}));
  const size_t column = std::string("scratched-24x-cav").size() + 2;

  std::istringstream text(DriveProfileListText());
  std::string line;
  size_t count = 0;
  while (std::getline(text, line)) {
    ASSERT_LT(count, names.size());
    EXPECT_EQ(line, names[count] + std::string(column - names[count].size(), ' ') +
                        std::string(DriveProfiles()[count].description));
    ++count;
  }
  EXPECT_EQ(count, names.size());
}

TEST(Simulation, MakesAClockAndACdRomDriveHoldingTheTestFile) {
  std::string error;
  auto simulation = MakeSimulation("24x-cav", &error);
  ASSERT_NE(simulation, nullptr) << error;
  EXPECT_EQ(simulation->profile().name, "24x-cav");
  EXPECT_EQ(simulation->clock().Frequency(), 1'000'000'000);
  EXPECT_EQ(simulation->clock().PollCost(), kSimulatedPollNanoseconds);

  Drives& drives = simulation->drives();
  EXPECT_EQ(drives.GetDriveType("D:\\"), DRIVE_CDROM);
  EXPECT_NE(drives.GetDriveType("E:\\"), DRIVE_CDROM);
  EXPECT_TRUE(drives.CanOpenForReading("D:\\DATA\\VANTRIC.DAT"));
  auto file = drives.OpenUnbuffered("D:\\DATA\\VANTRIC.DAT");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Mode(), ReadMode::kSimulated);
  EXPECT_EQ(file->Size(), 613'492'736);
  // The last sector the benchmark reads is there; the one after the file is not.
  char buffer[2048];
  ASSERT_TRUE(file->Seek(int64_t{299556} * 2048));
  EXPECT_TRUE(file->Read(buffer, 2048));
  EXPECT_FALSE(file->Read(buffer, 2048));
}

TEST(Simulation, RefusesUnknownNamesAndImpossibleFiles) {
  for (const char* name : {"", "8X-CLV", "8x", "16x-clv"}) {
    std::string error;
    EXPECT_EQ(MakeSimulation(name, &error), nullptr) << name;
    EXPECT_NE(error.find(std::string("\"") + name + "\""), std::string::npos) << error;
    EXPECT_NE(error.find("2x-clv, 8x-clv, 24x-cav, 52x-cav, ideal-8x-clv, dvd-16x-cav, "
                         "bd-4x-clv, scratched-24x-cav."),
              std::string::npos)
        << error;
  }
  for (int64_t bytes : {int64_t{0}, int64_t{-2048}, int64_t{2047}}) {
    std::string error;
    EXPECT_EQ(MakeSimulation("8x-clv", &error, bytes), nullptr) << bytes;
    EXPECT_NE(error.find(std::to_string(bytes)), std::string::npos) << error;
  }
  EXPECT_EQ(MakeSimulation("nope", nullptr), nullptr);
}

}  // namespace
}  // namespace vantric

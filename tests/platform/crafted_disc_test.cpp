// Discs made to trip the directory search: each must be read within its bounds, quickly, and
// found not to be the test disc, with the reason in the help after the search.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/engine.h"
#include "fake_machine.h"
#include "fakes.h"
#include "platform/linux/iso_extent.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_registry.h"
#include "temp_dir.h"

namespace vantric {
namespace {

using testing::PatternBytes;
using testing::WriteFile;

constexpr size_t kSector = 2048;
constexpr size_t kRootRecordSize = 16 * kSector + 156 + 10;  // in the primary descriptor

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Where the directory record of `name` starts: the name follows its 33-byte head, whose last
// byte is the name's length.
size_t RecordOf(const std::string& image, const std::string& name) {
  for (size_t at = image.find(name); at != std::string::npos; at = image.find(name, at + 1)) {
    if (at >= 33 && static_cast<unsigned char>(image[at - 1]) == name.size()) return at - 33;
  }
  ADD_FAILURE() << "no record of " << name;
  return 0;
}

// A number recorded in both byte orders, as the record's extent and size are.
void PutBothEndian(std::string& image, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    image[at + i] = static_cast<char>(value >> (8 * i));
    image[at + 7 - i] = static_cast<char>(value >> (8 * i));
  }
}

class CraftedDiscTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::HaveXorriso()) GTEST_SKIP() << "xorriso is not installed; it makes the images";
  }
  std::string MakeImage(const std::string& name, const std::string& place,
                        const std::string& options) {
    const std::string tree = dir_ / ("tree-" + name);
    WriteFile(tree + "/" + place, content_);
    const std::string image = dir_ / (name + ".iso");
    EXPECT_TRUE(testing::MakeIsoImage(tree, image, options)) << name;
    return image;
  }

  testing::TempDir dir_;
  const std::string content_ = PatternBytes(8 * kSector, 5);
};

// Names that the recorded ISO 9660 names cannot hold are found in the Joliet or the Rock Ridge
// tree, at the very bytes of the file.
TEST_F(CraftedDiscTest, NamesOnlyJolietOrRockRidgeKeepAreFound) {
  const std::string place = "A Long Folder Name/Deeper Still/DATA/Vantric.dat";
  for (const char* options : {"-J", "-R"}) {
    SCOPED_TRACE(options);
    const std::string image = MakeImage(options + 1, place, options);
    std::string why_not;
    const std::optional<IsoExtent> extent = FindIsoExtent(image, place, &why_not);
    ASSERT_TRUE(extent.has_value()) << why_not;
    ASSERT_EQ(extent->size, static_cast<int64_t>(content_.size()));
    EXPECT_EQ(FileBytes(image).substr(extent->first_byte, extent->size), content_);
  }
}

// The file's data lies where its record says: after the extended attribute record that may
// come first, and up to the volume's very last byte, but not one byte beyond.
TEST_F(CraftedDiscTest, AFileIsReadFromWhereItsRecordPutsItToTheVolumesEnd) {
  const std::string good = FileBytes(MakeImage("edges", "DATA/VANTRIC.DAT", ""));
  const size_t file = RecordOf(good, "VANTRIC.DAT;1");
  uint32_t extent = 0;
  for (int i = 3; i >= 0; --i)
    extent = extent << 8 | static_cast<unsigned char>(good[file + 2 + i]);
  const auto blocks = static_cast<uint32_t>(good.size() / kSector);
  const auto size = static_cast<uint32_t>(content_.size());
  const uint32_t last = blocks - size / kSector;  // the first block of a file that ends the volume
  const struct {
    const char* what;
    uint32_t recorded_extent;
    unsigned char attribute_blocks;
    uint32_t data_block;
    uint32_t size;
  } cases[] = {
      {"one block of attributes first", extent - 1, 1, extent, size},
      {"two blocks of attributes first", extent - 2, 2, extent, size},
      {"the volume's last bytes", last, 0, last, size},
      {"after attributes, the volume's last bytes", last - 1, 1, last, size},
      {"a byte past the volume's end", last, 0, last, size + 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string image = good;
    image[file + 1] = static_cast<char>(c.attribute_blocks);
    PutBothEndian(image, file + 2, c.recorded_extent);
    PutBothEndian(image, file + 10, c.size);
    image.replace(c.data_block * kSector, content_.size(), content_);
    const std::string path = dir_ / "edges-crafted.iso";
    WriteFile(path, image);
    std::string why_not;
    const std::optional<IsoExtent> found = FindIsoExtent(path, "DATA/VANTRIC.DAT", &why_not);
    if (c.size > size) {
      EXPECT_FALSE(found.has_value());
      EXPECT_NE(why_not.find("DATA/VANTRIC.DAT lies past the end of the volume"), std::string::npos)
          << why_not;
      continue;
    }
    ASSERT_TRUE(found.has_value()) << why_not;
    EXPECT_EQ(found->first_byte, int64_t{c.data_block} * int64_t{kSector});
    EXPECT_EQ(found->size, int64_t{c.size});
    EXPECT_EQ(image.substr(found->first_byte, found->size), content_);
  }
}

TEST_F(CraftedDiscTest, AnUntrustworthyDirectoryIsNotTheTestDisc) {
  const std::string good = FileBytes(MakeImage("good", "DATA/VANTRIC.DAT", ""));
  const size_t file = RecordOf(good, "VANTRIC.DAT;1");
  const size_t folder = RecordOf(good, "DATA");
  const uint32_t blocks = static_cast<uint32_t>(good.size() / kSector);
  const struct {
    const char* what;
    size_t at;
    uint32_t value;  // recorded in both byte orders at `at`; for `name_length`, one byte
    std::string refusal;
  } cases[] = {
      {"a name longer than its record", file + 32, 255, "the folder DATA holds a damaged record"},
      {"a root folder of 4 GB", kRootRecordSize, 0xfffff800,
       "the root folder claims 4294965248 bytes, more than a disc's folder can sensibly hold "
       "(1 MB)"},
      {"a folder past the end", folder + 2, blocks,
       "the folder DATA lies past the end of the volume"},
      {"an extent past the end", file + 2, blocks - 2,
       "DATA/VANTRIC.DAT lies past the end of the volume"},
      {"a size of 4 GB", file + 10, 0xffffffff, "DATA/VANTRIC.DAT lies past the end of the volume"},
      {"a negative sector", file + 2, 0x80000000,
       "DATA/VANTRIC.DAT lies past the end of the volume"},
      {"a size of 0", file + 10, 0, "DATA/VANTRIC.DAT is empty"},
  };

  testing::FakeMachine machine(dir_ / "machine");
  machine.AddDrive("sr0");
  LinuxDrives drives({}, machine.paths());
  LinuxClock clock;
  LinuxRegistry registry;
  testing::FakeSystem system;
  testing::ScriptedPump pump;
  Engine engine(Platform{clock, drives, registry, system, pump});
  engine.ScanDrives();
  WriteFile(machine.Node("sr0"), good);
  ASSERT_EQ(engine.FindTestDisc(), DiscOpened) << "the disc before it is tampered with";
  ASSERT_EQ(engine.TestFile()->Size(), static_cast<int64_t>(content_.size()));

  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string image = good;
    if (c.at == file + 32) {
      image[c.at] = static_cast<char>(c.value);
    } else {
      PutBothEndian(image, c.at, c.value);
    }
    WriteFile(machine.Node("sr0"), image);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(engine.FindTestDisc(), NoDisc);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(drives.DriveProblem("D:\\"),
              "the disc in " + machine.Node("sr0") + " is not read: " + c.refusal);
  }
  WriteFile(machine.Node("sr0"), good);
  EXPECT_EQ(engine.FindTestDisc(), DiscOpened);
  EXPECT_EQ(drives.DriveProblem("D:\\"), "") << "a good disc leaves no reason behind";
}

}  // namespace
}  // namespace vantric

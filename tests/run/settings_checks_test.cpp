#include "run/settings_checks.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vantric {
namespace {

namespace fs = std::filesystem;

// Answers without touching the disk, and remembers what it was asked.
class FakeProbe : public LogNameProbe {
 public:
  bool exists = false;
  Outcome outcome = Outcome::kCreatedAndRemoved;
  std::vector<std::string> asked;

  bool EntryExists(const std::string& name) override {
    asked.push_back("exists " + name);
    return exists;
  }
  Outcome ProbeCreate(const std::string& name, std::string* detail) override {
    asked.push_back("create " + name);
    if (outcome == Outcome::kCleanupFailed) *detail = "I/O error 5 (delete): Input/output error";
    return outcome;
  }
};

std::optional<std::string> Check(TestSettings settings) {
  FakeProbe probe;
  return CheckSettings(settings, probe);
}

TEST(SettingsChecksTest, PassCount) {
  TestSettings s;
  for (const char* bad : {"0", "", "abc", "100", "-1", "-99", "99999999999"}) {
    s.PassEdit = bad;
    EXPECT_EQ(Check(s), "Invalid number of test passes.") << bad;
  }
  for (const char* good : {"1", "99", "  7  ", "3 passes"}) {
    s.PassEdit = good;
    EXPECT_EQ(Check(s), std::nullopt) << good;
  }
}

TEST(SettingsChecksTest, UserRateOnlyWhenSelected) {
  TestSettings s;
  s.userval = "301";
  EXPECT_EQ(Check(s), std::nullopt);
  s.cpuuser = true;
  for (const char* bad : {"", "0", "301", "x", "-300", "-1"}) {
    s.userval = bad;
    EXPECT_EQ(Check(s), "Invalid speed for user selected CPU test.") << bad;
  }
  s.userval = "300";
  EXPECT_EQ(Check(s), std::nullopt);
  // The pass count is reported first.
  s.userval = "0";
  s.PassEdit = "0";
  EXPECT_EQ(Check(s), "Invalid number of test passes.");
}

TEST(SettingsChecksTest, LogNameIsTrimmedAndStoredBack) {
  FakeProbe probe;
  TestSettings s;
  s.LogEdit = "   ";
  EXPECT_EQ(CheckSettings(s, probe), std::nullopt);
  EXPECT_EQ(s.LogEdit, "");
  EXPECT_TRUE(probe.asked.empty());

  s.LogEdit = "  run.log ";
  EXPECT_EQ(CheckSettings(s, probe), std::nullopt);
  EXPECT_EQ(s.LogEdit, "run.log");
  EXPECT_EQ(probe.asked, (std::vector<std::string>{"exists run.log", "create run.log"}));

  // A failing number check leaves the name as typed.
  s.LogEdit = " x ";
  s.PassEdit = "0";
  CheckSettings(s, probe);
  EXPECT_EQ(s.LogEdit, " x ");
}

TEST(SettingsChecksTest, ProbeOutcomes) {
  FakeProbe probe;
  TestSettings s;
  s.LogEdit = "a.log";
  probe.exists = true;
  probe.outcome = LogNameProbe::Outcome::kCannotCreate;
  EXPECT_EQ(CheckSettings(s, probe), std::nullopt);  // existing entries are never probed
  probe.exists = false;
  EXPECT_EQ(CheckSettings(s, probe), "Invalid log filename.");
  // Another run's probe or log took the name in between: as good as an existing name.
  probe.outcome = LogNameProbe::Outcome::kExists;
  EXPECT_EQ(CheckSettings(s, probe), std::nullopt);
  probe.outcome = LogNameProbe::Outcome::kCleanupFailed;
  EXPECT_EQ(CheckSettings(s, probe), "I/O error 5 (delete): Input/output error");
}

class FileSystemProbeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) / ("checks-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::optional<std::string> CheckName(const fs::path& name) {
    TestSettings s;
    s.LogEdit = name.string();
    return CheckSettings(s);
  }
  fs::path dir_;
};

TEST_F(FileSystemProbeTest, ExistingEntriesPassUntouched) {
  const fs::path existing = dir_ / "old.log";
  std::ofstream(existing) << "keep me";
  fs::permissions(existing,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const auto before = fs::last_write_time(existing);
  EXPECT_EQ(CheckName(existing), std::nullopt);
  EXPECT_EQ(CheckName(dir_), std::nullopt);            // a directory
  EXPECT_EQ(CheckName(dir_ / "*.log"), std::nullopt);  // a pattern matching an entry
  EXPECT_EQ(CheckName(dir_ / "o?d.log"), std::nullopt);
  std::ifstream in(existing);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
  EXPECT_EQ(fs::last_write_time(existing), before);
  // Windows deletes no read-only file.
  fs::permissions(existing, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(FileSystemProbeTest, NewNamesAreProbedAndLeaveNothingBehind) {
  EXPECT_EQ(CheckName(dir_ / "new.log"), std::nullopt);
  EXPECT_TRUE(fs::is_empty(dir_));
  EXPECT_EQ(CheckName(dir_ / "missing" / "new.log"), "Invalid log filename.");
  // A pattern that matches nothing is an ordinary (if odd) name.
  EXPECT_EQ(CheckName(dir_ / "[x].txt"), std::nullopt);
  EXPECT_TRUE(fs::is_empty(dir_));
  std::ofstream(dir_ / "file") << "x";
  EXPECT_EQ(CheckName(dir_ / "file" / "under-a-file.log"), "Invalid log filename.");
  EXPECT_EQ(CheckName("/proc/vantric-cannot-create.log"), "Invalid log filename.");
}

}  // namespace
}  // namespace vantric

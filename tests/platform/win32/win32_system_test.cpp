#include "platform/win32/win32_system.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/engine.h"
#include "fakes.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/windows_api.h"
#include "sim/table_drives.h"

namespace vantric {
namespace {

constexpr const char* kTestKey = "Software\\Vantric test key";

TEST(Win32Registry, ReadsFourBytesOfAnyTypeAndLeavesLongerValuesAlone) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const DWORD prefetch = 32;
  const BYTE cache_size[4] = {0x20, 0x05, 0, 0};  // 1312, stored as bytes
  RegSetValueExA(key, "Prefetch", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&prefetch), 4);
  RegSetValueExA(key, "CacheSize", 0, REG_BINARY, cache_size, sizeof cache_size);
  RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("a long text"), 12);
  RegCloseKey(key);

  Win32Registry registry;
  EXPECT_FALSE(registry.OpenKey("Software\\No such Vantric key"));
  ASSERT_TRUE(registry.OpenKey(kTestKey));
  int32_t value = 7;
  EXPECT_TRUE(registry.QueryValue("Prefetch", &value));
  EXPECT_EQ(value, 32);
  EXPECT_TRUE(registry.QueryValue("CacheSize", &value));
  EXPECT_EQ(value, 1312);
  value = 7;
  EXPECT_FALSE(registry.QueryValue("Text", &value));
  EXPECT_FALSE(registry.QueryValue("Missing", &value));
  EXPECT_EQ(value, 7);
  registry.CloseKey();
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestKey);
}

// The Windows 95 run of the CI sets VANTRIC_EXPECT_WINDOWS_95 when it makes Wine answer as
// Windows 95; otherwise Wine answers as the NT family.
TEST(Win32System, TheVersionWordTellsWindows95FromTheNtFamily) {
  const bool windows95 = std::getenv("VANTRIC_EXPECT_WINDOWS_95") != nullptr;
  Win32System system({});
  EXPECT_EQ((system.GetVersion() & 0x80000000u) != 0, windows95) << std::hex << system.GetVersion();
  Win32Clock clock;
  TableDrives drives;
  testing::FakeRegistry registry;
  testing::ScriptedPump pump;
  Engine engine(Platform{clock, drives, registry, system, pump});
  EXPECT_EQ(engine.IsWindowsNT(), !windows95);
}

TEST(Win32System, TimeOfDayInTheUsersFormatAndACounterInItsOwnUnits) {
  Win32System system({});
  const std::string text = system.FormatTime({1997, 5, 5, 2, 14, 9, 30, 0});
  EXPECT_NE(text.find(":09:30"), std::string::npos) << text;
  EXPECT_TRUE(text.starts_with("14") || text.starts_with("2:") || text.starts_with("02")) << text;

  Win32Clock clock;
  const int64_t frequency = clock.Frequency();
  ASSERT_GT(frequency, 0);
  const int64_t start = clock.Counter();
  clock.Sleep(50);
  const double milliseconds =
      static_cast<double>(clock.Counter() - start) * 1000.0 / static_cast<double>(frequency);
  EXPECT_GE(milliseconds, 45);
  EXPECT_LT(milliseconds, 2000);
}

}  // namespace
}  // namespace vantric

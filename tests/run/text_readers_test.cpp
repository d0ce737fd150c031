#include "run/text_readers.h"

#include <gtest/gtest.h>

#include "run/test_results.h"
#include "run/test_settings.h"

namespace vantric {
namespace {

TEST(TextToIntTest, ReadsWholeNumbersWithSignAndBlanks) {
  EXPECT_EQ(TextToInt("12"), 12);
  EXPECT_EQ(TextToInt("  12  "), 12);
  EXPECT_EQ(TextToInt("-4"), -4);
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("$1A"), 26);
  EXPECT_EQ(TextToInt("$ff"), 255);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
}

TEST(TextToIntTest, ReadsTheLeadingDigitsOfAnythingElseWithoutTheSign) {
  EXPECT_EQ(TextToInt("5 passes"), 5);
  EXPECT_EQ(TextToInt("-3x"), 3);
  EXPECT_EQ(TextToInt("abc"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("   "), 0);
  EXPECT_EQ(TextToInt("-"), 0);
  EXPECT_EQ(TextToInt("$"), 0);
  EXPECT_EQ(TextToInt("1 2"), 1);
  EXPECT_EQ(TextToInt("\t5"), 0) << "only the blank counts as a blank";
}

TEST(TextToIntTest, LooksAtTheFirst24CharactersOnly) {
  EXPECT_EQ(TextToInt(std::string(20, ' ') + "42"), 42);
  EXPECT_EQ(TextToInt(std::string(23, ' ') + "42"), 4);
  EXPECT_EQ(TextToInt(std::string(24, ' ') + "42"), 0);
}

TEST(TextToIntTest, NumbersBeyond32BitsAreInvalid) {
  EXPECT_EQ(TextToInt("2147483648"), 0);
  EXPECT_EQ(TextToInt("-2147483649"), 0);
  EXPECT_EQ(TextToInt("99999999999999999999"), 0);
  EXPECT_EQ(TextToInt("99999999999 passes"), 0);
  EXPECT_EQ(TextToInt("$FFFFFFFFFF"), 0);
}

TEST(TrimBlanksTest, RemovesBlanksAtBothEndsOfTheFirst160Characters) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("     "), "");
  EXPECT_EQ(TrimBlanks("\tx "), "\tx");
  EXPECT_EQ(TrimBlanks(std::string(159, ' ') + "xy"), "x");
  EXPECT_EQ(TrimBlanks(std::string(160, ' ') + "xy"), "");
}

TEST(TestSettingsTest, DefaultsSelectEveryTestButTheUserRateForOnePass) {
  const TestSettings settings;
  EXPECT_TRUE(settings.read16 && settings.read2 && settings.seekfull && settings.seekrand);
  EXPECT_TRUE(settings.cpu2x && settings.cpu4x && settings.cpu6x && settings.cpu8x &&
              settings.cpu12x);
  EXPECT_FALSE(settings.cpuuser);
  EXPECT_TRUE(settings.burst2k && settings.burst8k && settings.burst16k);
  EXPECT_EQ(settings.userval, "");
  EXPECT_EQ(settings.LogEdit, "");
  EXPECT_EQ(settings.PassEdit, "1");
}

TEST(TestResultsTest, ResetZeroesMeasurementsButKeepsTheFirstPassOutsideRate) {
  TestResults results;
  results.SeekOverhead = 3;
  results.CpuCalibration = 900;
  results.Read16Inside = 1000;
  results.BurstRate16k = 5000;
  results.MultimediaIndex = 40;
  results.FirstPassRead16Outside = 1200;
  results.ResetMeasurements();
  EXPECT_EQ(results.SeekOverhead, 0);
  EXPECT_EQ(results.CpuCalibration, 0);
  EXPECT_EQ(results.Read16Inside, 0);
  EXPECT_EQ(results.BurstRate16k, 0);
  EXPECT_EQ(results.MultimediaIndex, 0);
  EXPECT_EQ(results.FirstPassRead16Outside, 1200);
}

}  // namespace
}  // namespace vantric

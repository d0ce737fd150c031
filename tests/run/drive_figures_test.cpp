#include "run/drive_figures.h"

#include <gtest/gtest.h>

#include "run/description_texts.h"
#include "run_rig.h"

namespace vantric::testing {
namespace {

TestResults SixteenK(double inside, double center, double outside) {
  TestResults r;
  r.flags.Read16On = true;
  r.Read16Inside = inside;
  r.Read16Center = center;
  r.Read16Outside = outside;
  return r;
}

TEST(DriveFiguresTest, RatingAndTypeFromTheSixteenKRates) {
  TestResults r = SixteenK(600, 750, 900);
  EXPECT_DOUBLE_EQ(WeightedRead16(r), 700);
  RecordingView view;
  DeriveDriveFigures(r, view);
  EXPECT_EQ(r.DriveRatingText, "Drive rating: 4.7X");
  EXPECT_EQ(r.DriveTypeText, "Drive type: CAV");  // 900 > 720
  EXPECT_EQ(view.Text("drvspeed"), "Drive rating: 4.7X");
  // Only the 16k test: both indexes not tested, then CLV and CAV explained.
  EXPECT_EQ(view.Text("mindex"), "Multimedia Index: not tested");
  EXPECT_EQ(view.Text("aindex"), "Application Index: not tested");
  EXPECT_EQ(view.descriptions, (std::vector<int>{11, 12, 13, 14}));
  EXPECT_EQ(r.MultimediaIndex, 0);
  EXPECT_EQ(r.ApplicationIndex, 0);
  for (const char* line : {"mindex", "aindex", "drvspeed", "drvtype"}) {
    EXPECT_TRUE(view.IsVisible(line)) << line;
  }
}

TEST(DriveFiguresTest, ExactlyOnePointTwoTimesTheInsideRateIsClv) {
  EXPECT_EQ(ClassifyDriveType(1000, 1200), "CLV");
  EXPECT_EQ(ClassifyDriveType(1000, 1200.001), "CAV");
  EXPECT_EQ(ClassifyDriveType(0, 0), "CLV");
}

TEST(DriveFiguresTest, RatingHasOneDecimalRoundedToNearest) {
  EXPECT_EQ(RatingFigure(700), "4.7X");  // 4.6667
  EXPECT_EQ(RatingFigure(1200), "8.0X");
  EXPECT_EQ(RatingFigure(7800), "52.0X");
  EXPECT_EQ(RatingFigure(0), "0.0X");
}

TEST(DriveFiguresTest, ApplicationIndexWorkedExample) {
  TestResults r = SixteenK(600, 750, 900);
  r.flags.Read2On = r.flags.RandomAccessOn = true;
  r.Read2Inside = 300;
  r.Read2Center = 350;
  r.Read2Outside = 400;
  r.RandomAccessTime = 200;
  EXPECT_NEAR(WeightedRead2(r), 333.33, 0.01);
  ASSERT_TRUE(ComputeApplicationIndex(r));
  EXPECT_NEAR(*ComputeApplicationIndex(r), 26.31, 0.01);
  RecordingView view;
  DeriveDriveFigures(r, view);
  EXPECT_EQ(view.Text("aindex"), "Application Index: 26");
}

TEST(DriveFiguresTest, NoAccessTimeToDivideByMeansNotTested) {
  for (double time : {0.0, -0.4}) {
    TestResults r = SixteenK(600, 750, 900);
    r.flags.Read2On = r.flags.RandomAccessOn = true;
    r.Read2Inside = 300;
    r.RandomAccessTime = time;
    RecordingView view;
    DeriveDriveFigures(r, view);
    EXPECT_EQ(view.Text("aindex"), "Application Index: not tested");
    EXPECT_EQ(r.ApplicationIndex, 0);
    EXPECT_EQ(view.descriptions, (std::vector<int>{11, 12, 13, 14}));
  }
}

TEST(DriveFiguresTest, MultimediaIndexAveragesTheLoadPerX) {
  TestResults r = SixteenK(600, 600, 600);
  r.flags.Cpu2xOn = r.flags.Cpu4xOn = r.flags.Cpu6xOn = true;
  r.CpuUsage2x = 8;
  r.CpuUsage4x = 14;
  r.CpuUsage6x = 21;
  r.CpuUsage8x = 90;  // never counts
  r.flags.Cpu8xOn = true;
  ASSERT_TRUE(ComputeMultimediaIndex(r));
  EXPECT_NEAR(*ComputeMultimediaIndex(r), 37.27, 0.01);
  RecordingView view;
  DeriveDriveFigures(r, view);
  EXPECT_EQ(view.Text("mindex"), "Multimedia Index: 37");
  EXPECT_EQ(view.descriptions, (std::vector<int>{12, 13, 14}));
}

TEST(DriveFiguresTest, LightLoadIsRaisedToTheFloor) {
  TestResults r = SixteenK(0, 0, 0);
  r.flags.Cpu2xOn = true;
  r.CpuUsage2x = 2;  // load 1
  EXPECT_NEAR(*ComputeMultimediaIndex(r), 66.67, 0.01);
  r.CpuUsage2x = 0;  // no load at all still divides by the floor
  EXPECT_NEAR(*ComputeMultimediaIndex(r), 66.67, 0.01);
  r.flags.Cpu2xOn = false;  // too slow for 2X
  EXPECT_FALSE(ComputeMultimediaIndex(r));
}

TEST(DriveFiguresTest, WithoutSixteenKNothingIsRated) {
  TestResults r;
  r.flags.Read2On = r.flags.RandomAccessOn = r.flags.Cpu2xOn = true;
  r.RandomAccessTime = 100;
  RecordingView view;
  DeriveDriveFigures(r, view);
  EXPECT_EQ(r.DriveRatingText, "Drive rating: not tested");
  EXPECT_EQ(r.DriveTypeText, "Drive type: not tested");
  EXPECT_EQ(view.descriptions, (std::vector<int>{11, 12}));
}

TEST(DescriptionTextsTest, NumberedFromOne) {
  EXPECT_EQ(DescriptionText(1), "Vantric is preparing your system for CD-ROM benchmarking.");
  EXPECT_NE(DescriptionText(4).find("operation.  This overhead"), std::string_view::npos);
  EXPECT_NE(DescriptionText(5).find("non-sequentialy"), std::string_view::npos);
  EXPECT_EQ(DescriptionText(14).substr(0, 9), "CAV drive");
  EXPECT_TRUE(DescriptionText(0).empty());
  EXPECT_TRUE(DescriptionText(15).empty());
}

}  // namespace
}  // namespace vantric::testing

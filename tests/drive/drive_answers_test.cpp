// The program's drive commands and its reading of the answers, against the programmable drive's
// model of a drive: what the program makes of each answer must be what the model was told.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "drive/capabilities.h"
#include "drive/disc_layout.h"
#include "drive/drive_speed.h"
#include "drive/features.h"
#include "drive/identity.h"
#include "drive/mmc.h"
#include "modelled_drive.h"
#include "temp_dir.h"
#include "test_media.h"

namespace vantric::testing {
namespace {

namespace fs = std::filesystem;
using programmable::DiscPlan;
using programmable::DriveDescription;
using programmable::Medium;
using programmable::ProgrammableDrive;
using programmable::TrackMode;

// A mixed-mode disc: a data track of 600 sectors, then two audio tracks of 300 after pregaps of
// 150, with sectors 100 to 109 unreadable.
constexpr int64_t kTrack2 = 750, kTrack3 = 1200, kLeadOut = 1500;
constexpr int64_t kUnreadable = 100;

class DriveAnswersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DiscPlan plan;
    plan.seed = 3;
    plan.tracks = {{TrackMode::kData, 600, 0, 1},
                   {TrackMode::kAudio, 300, 150, 1},
                   {TrackMode::kAudio, 300, 150, 1}};
    programmable::WriteTestMedium(dir_ / "mixed.medium", dir_ / "mixed.img", plan);
    std::ofstream(dir_ / "mixed.medium", std::ios::app) << "unreadable = 100-109\n";
  }
  Medium Disc() const { return Medium::Load(dir_ / "mixed.medium"); }

  TempDir dir_;
};

// Every drive model the guest's scenarios use, told by its own description.
TEST_F(DriveAnswersTest, IdentityCapabilitiesAndProfilesAreTheModelsOwn) {
  const fs::path models = fs::path(VANTRIC_DRIVE_MODELS);
  int seen = 0;
  for (const fs::directory_entry& file : fs::directory_iterator(models)) {
    if (file.path().extension() != ".model") continue;
    SCOPED_TRACE(file.path().filename().string());
    ++seen;
    const DriveDescription description = DriveDescription::Load(file.path());
    ProgrammableDrive drive(description, Disc());
    ModelledDrive commands(drive);
    Mmc mmc(commands);

    const MmcAnswer inquiry = mmc.Ask(InquiryCdb(96), 96);
    ASSERT_TRUE(inquiry.ok) << inquiry.error;
    const std::optional<InquiryData> names = ParseInquiry(inquiry.data);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->device_type, 5);
    EXPECT_EQ(names->vendor, description.vendor);
    EXPECT_EQ(names->model, description.product);
    EXPECT_EQ(names->revision, description.revision);
    EXPECT_EQ(ParseUnitSerial(mmc.Ask(InquiryCdb(255, 0x80), 255).data), description.serial);

    const MmcAnswer page = mmc.Ask(ModeSense10Cdb(kCapabilitiesPage, 256), 256);
    ASSERT_TRUE(page.ok) << page.error;
    const std::optional<Capabilities> abilities = ParseCapabilitiesPage(page.data);
    ASSERT_TRUE(abilities);
    EXPECT_EQ(LoaderName(abilities->loader), description.loader);
    EXPECT_EQ(abilities->c2_pointers, description.c2_pointers);
    EXPECT_EQ(abilities->accurate_stream, description.audio_jitter_samples == 0);
    EXPECT_TRUE(abilities->cd_da);
    EXPECT_EQ(abilities->buffer_kb, static_cast<uint32_t>(description.buffer_kb));
    // It starts at its fastest CD speed, in kB/s of 176.4 per X.
    const double fastest = description.cd_speeds.back();
    EXPECT_NEAR(abilities->max_read_kbps, fastest * 176.4, 1);
    EXPECT_NEAR(abilities->current_read_kbps, fastest * 176.4, 1);

    const MmcAnswer config = mmc.Ask(GetConfigurationCdb(0, 4096), 4096);
    ASSERT_TRUE(config.ok) << config.error;
    const std::optional<Features> features = ParseFeatures(config.data);
    ASSERT_TRUE(features);
    EXPECT_EQ(features->current_profile, 0x0008);
    std::vector<uint16_t> listed, described;
    for (const MediaProfile& profile : features->profiles) {
      listed.push_back(profile.number);
      EXPECT_EQ(profile.current, profile.number == 0x0008) << ProfileName(profile.number);
    }
    for (programmable::Profile profile : description.profiles) {
      described.push_back(static_cast<uint16_t>(profile));
    }
    std::sort(listed.begin(), listed.end());
    std::sort(described.begin(), described.end());
    EXPECT_EQ(listed, described);
  }
  EXPECT_GE(seen, 2);
}

TEST_F(DriveAnswersTest, TheDiscsTracksSessionsStatusAndSize) {
  ProgrammableDrive drive(DriveDescription{}, Disc());
  ModelledDrive commands(drive);
  Mmc mmc(commands);

  const MmcAnswer toc_answer = mmc.Ask(ReadTocCdb(0, 1, 2048), 2048);
  ASSERT_TRUE(toc_answer.ok) << toc_answer.error;
  std::optional<DiscToc> toc = ParseToc(toc_answer.data);
  ASSERT_TRUE(toc);
  ApplyFullToc(mmc.Ask(ReadTocCdb(2, 1, 4096), 4096).data, *toc);
  ASSERT_EQ(toc->tracks.size(), 3u);
  const TocTrack expected[] = {{1, 1, false, 0, kTrack2},
                               {2, 1, true, kTrack2, kTrack3 - kTrack2},
                               {3, 1, true, kTrack3, kLeadOut - kTrack3}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(toc->tracks[i].number, expected[i].number);
    EXPECT_EQ(toc->tracks[i].session, expected[i].session);
    EXPECT_EQ(toc->tracks[i].audio, expected[i].audio);
    EXPECT_EQ(toc->tracks[i].start, expected[i].start);
    EXPECT_EQ(toc->tracks[i].length, expected[i].length) << i;
  }
  EXPECT_EQ(toc->lead_out, kLeadOut);
  EXPECT_EQ(toc->sessions, 1);

  const std::optional<DiscInformation> disc =
      ParseDiscInformation(mmc.Ask(ReadDiscInformationCdb(34), 34).data);
  ASSERT_TRUE(disc);
  EXPECT_EQ(disc->status, DiscStatus::kClosed);
  EXPECT_EQ(disc->sessions, 1);
  const std::optional<Capacity> capacity = ParseCapacity(mmc.Ask(ReadCapacityCdb(), 8).data);
  ASSERT_TRUE(capacity);
  EXPECT_EQ(capacity->sector_bytes, 2048u);
  EXPECT_GT(capacity->sectors, 0);
  EXPECT_LE(capacity->sectors, kLeadOut);
}

// Each speed a model accepts is read back as set, one between two of them as the one the drive
// rounds it to, and the fastest comes back when none is asked for.
TEST_F(DriveAnswersTest, SpeedsAreSetReadBackAndRestored) {
  for (const fs::directory_entry& file : fs::directory_iterator(VANTRIC_DRIVE_MODELS)) {
    if (file.path().extension() != ".model") continue;
    SCOPED_TRACE(file.path().filename().string());
    const DriveDescription description = DriveDescription::Load(file.path());
    ProgrammableDrive drive(description, Disc());
    ModelledDrive commands(drive);
    Mmc mmc(commands);
    DriveSpeed speed(mmc, DiscMedium::kCd, kLeadOut);
    const std::vector<double>& accepted = description.cd_speeds;
    EXPECT_NEAR(speed.Top().value_or(0), accepted.back(), 0.01);
    for (double x : accepted) {
      const SpeedOutcome set = speed.Set(x);
      ASSERT_TRUE(set.ok) << set.error;
      EXPECT_NEAR(set.x.value_or(0), x, 0.01);
    }
    // Just above the slowest is nearer to it than to the next.
    const double between = accepted[0] + (accepted[1] - accepted[0]) * 0.25;
    EXPECT_NEAR(speed.Set(between).x.value_or(0), accepted[0], 0.01);
    const SpeedOutcome fastest = speed.Set(std::nullopt);
    ASSERT_TRUE(fastest.ok) << fastest.error;
    EXPECT_NEAR(fastest.x.value_or(0), accepted.back(), 0.01);
    EXPECT_NEAR(speed.Current().value_or(0), accepted.back(), 0.01);
  }
}

// A read of a sector the disc cannot give names that sector; a command the drive does not know
// is refused as such; and each says so in words.
TEST_F(DriveAnswersTest, RefusalsAreReadFromTheirSense) {
  ProgrammableDrive drive(DriveDescription{}, Disc());
  ModelledDrive commands(drive);
  Mmc mmc(commands);
  ASSERT_TRUE(mmc.Ask(Read10Cdb(kUnreadable - 1, 1), 2048).ok);

  const MmcAnswer bad = mmc.Ask(Read10Cdb(kUnreadable, 1), 2048);
  EXPECT_FALSE(bad.ok);
  ASSERT_TRUE(bad.sense);
  EXPECT_EQ(bad.sense->key, kSenseMediumError);
  EXPECT_EQ(bad.sense->information, static_cast<uint64_t>(kUnreadable));
  EXPECT_NE(bad.error.find("medium error"), std::string::npos) << bad.error;

  const MmcAnswer unknown = mmc.Ask({0xFF, 0, 0, 0, 0, 0}, 16);
  EXPECT_FALSE(unknown.ok);
  ASSERT_TRUE(unknown.sense);
  EXPECT_EQ(unknown.sense->key, kSenseIllegalRequest);
  EXPECT_EQ(unknown.error,
            "the drive refused it: illegal request, invalid command operation code (05/20/00)");
}

// Sense data in the descriptor format carries the address in a descriptor of its own.
TEST(SenseTest, BothFormatsGiveKeyCodesAndTheAddress) {
  const uint8_t fixed[18] = {0xF0, 0, 0x03, 0x00, 0x00, 0x01, 0x2C, 10, 0, 0, 0, 0, 0x11, 0x05};
  const uint8_t descriptor[20] = {0x72, 0x03, 0x11, 0x05, 0, 0, 0, 12, 0x00, 0x0A,
                                  0x80, 0,    0,    0,    0, 0, 0, 0,  0x01, 0x2C};
  for (const std::span<const uint8_t> data :
       {std::span<const uint8_t>(fixed), std::span<const uint8_t>(descriptor)}) {
    const std::optional<Sense> sense = ParseSense(data);
    ASSERT_TRUE(sense);
    EXPECT_EQ(SenseText(*sense), "medium error, L-EC uncorrectable error (03/11/05)");
    EXPECT_EQ(sense->information, 300u);
  }
  // Without the valid bit the information field is no address.
  uint8_t unset[18];
  std::copy(std::begin(fixed), std::end(fixed), unset);
  unset[0] = 0x70;
  EXPECT_FALSE(ParseSense(unset)->information);
  EXPECT_FALSE(ParseSense(std::span<const uint8_t>(fixed, 2)));
}

}  // namespace
}  // namespace vantric::testing

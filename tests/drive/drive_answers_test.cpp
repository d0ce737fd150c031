// The program's drive commands and its reading of the answers, against the programmable drive's
// model of a drive: what the program makes of each answer must be what the model was told.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>

#include "drive/capabilities.h"
#include "drive/disc_layout.h"
#include "drive/drive_info.h"
#include "drive/drive_speed.h"
#include "drive/features.h"
#include "drive/held_speed.h"
#include "drive/identity.h"
#include "drive/mmc.h"
#include "drive/spin_up.h"
#include "drive_prediction.h"
#include "json_reader.h"
#include "mechanics.h"
#include "modelled_drive.h"
#include "results/drive_info_report.h"
#include "sim/table_disc_devices.h"
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
  // Every drive model the guest's scenarios use.
  static std::vector<DriveDescription> Models() {
    std::vector<DriveDescription> models;
    for (const fs::directory_entry& file : fs::directory_iterator(VANTRIC_DRIVE_MODELS)) {
      if (file.path().extension() == ".model") {
        models.push_back(DriveDescription::Load(file.path()));
      }
    }
    return models;
  }

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

std::string Text(const JsonObject& json, const std::string& key) {
  return std::get<std::string>(json.at(key));
}
double Number(const JsonObject& json, const std::string& key) {
  return std::get<double>(json.at(key));
}

// All `info` says of each model and of the mixed-mode disc, read back from its JSON, is what
// the model was told; the text says the same.
TEST_F(DriveAnswersTest, InfoIsWhatTheModelSaysInTextAndJson) {
  for (const DriveDescription& description : Models()) {
    SCOPED_TRACE(description.product);
    ProgrammableDrive drive(description, Disc());
    ModelledDrive commands(drive);
    Mmc mmc(commands);
    const DriveInfo info = GatherDriveInfo(mmc, commands.clock(), "/dev/sr0", "SCSI");
    const JsonObject json = ParseFlatJson(DriveInfoJson(info));
    EXPECT_EQ(Text(json, "Drive.Device"), "/dev/sr0");
    EXPECT_EQ(Text(json, "Drive.Vendor"), description.vendor);
    EXPECT_EQ(Text(json, "Drive.Model"), description.product);
    EXPECT_EQ(Text(json, "Drive.Revision"), description.revision);
    EXPECT_EQ(Text(json, "Serial"), description.serial);
    EXPECT_EQ(Text(json, "Loader"), description.loader);
    EXPECT_EQ(Text(json, "Bus"), "SCSI");
    std::vector<std::string> reads, described;
    for (int i = 0; i < Number(json, "Reads"); ++i) {
      reads.push_back(Text(json, "Reads." + std::to_string(i)));
    }
    for (programmable::Profile profile : description.profiles) {
      described.push_back(ProfileName(static_cast<uint16_t>(profile)));
    }
    std::sort(reads.begin(), reads.end());
    std::sort(described.begin(), described.end());
    EXPECT_EQ(reads, described);
    EXPECT_EQ(Number(json, "Writes"), 0);
    EXPECT_NEAR(Number(json, "TopSpeedX"), description.cd_speeds.back(), 0.01);
    EXPECT_NEAR(Number(json, "CurrentSpeedX"), description.cd_speeds.back(), 0.01);
    EXPECT_EQ(Number(json, "BufferKB"), description.buffer_kb);
    EXPECT_EQ(json.at("CdDa"), JsonValue(true));
    EXPECT_EQ(json.at("AccurateStream"), JsonValue(description.audio_jitter_samples == 0));
    EXPECT_EQ(json.at("C2Pointers"), JsonValue(description.c2_pointers));

    EXPECT_EQ(Text(json, "DiscState"), "ready");
    EXPECT_EQ(Text(json, "Disc.Profile"), "CD-ROM");
    EXPECT_EQ(Text(json, "Disc.Status"), "closed");
    EXPECT_EQ(Number(json, "Disc.Sectors"), kLeadOut);
    EXPECT_DOUBLE_EQ(Number(json, "Disc.Minutes"), kLeadOut / 4500.0);
    EXPECT_EQ(Number(json, "Disc.Sessions"), 1);
    ASSERT_EQ(Number(json, "Disc.Tracks"), 3);
    const int64_t starts[] = {0, kTrack2, kTrack3, kLeadOut};
    for (int i = 0; i < 3; ++i) {
      const std::string track = "Disc.Tracks." + std::to_string(i) + ".";
      EXPECT_EQ(Number(json, track + "Number"), i + 1);
      EXPECT_EQ(Text(json, track + "Type"), i == 0 ? "data" : "audio");
      EXPECT_EQ(Number(json, track + "Start"), starts[i]);
      EXPECT_EQ(Number(json, track + "Length"), starts[i + 1] - starts[i]);
    }

    // A DVD's speeds are the drive's DVD speeds, in DVD X; on a full disc a CAV drive's
    // current speed, at the last sector, is its top one too.
    if (description.Reads(programmable::Profile::kDvdRom)) {
      DiscPlan plan;
      plan.profile = programmable::Profile::kDvdRom;
      plan.tracks = {{TrackMode::kData, 2'295'104, 0, 1}};
      programmable::WriteTestMedium(dir_ / "dvd.medium", dir_ / "dvd.img", plan);
      ProgrammableDrive dvd_drive(description, Medium::Load(dir_ / "dvd.medium"));
      ModelledDrive dvd_commands(dvd_drive);
      Mmc dvd_mmc(dvd_commands);
      const DriveInfo dvd = GatherDriveInfo(dvd_mmc, dvd_commands.clock(), "/dev/sr0", "");
      EXPECT_EQ(dvd.speed_medium, DiscMedium::kDvd);
      EXPECT_NEAR(dvd.top_x.value_or(0), description.dvd_speeds.back(), 0.01);
      EXPECT_NEAR(dvd.current_x.value_or(0), description.dvd_speeds.back(), 0.01);
    }

    const std::string text = DriveInfoText(info);
    for (const std::string& line :
         {"Model:              " + description.product, "Serial number:      " + description.serial,
          "Buffer:             " + std::to_string(description.buffer_kb) + " KB",
          std::string("Disc:               CD-ROM (CD)"),
          std::string("Track 2:            audio, session 1, sectors 750 to 1199 (450)")}) {
      EXPECT_NE(text.find(line + "\n"), std::string::npos) << line << "\n" << text;
    }
  }
}

// A command the drive refuses leaves what it tells unknown, in the JSON (null) and the text
// ("unknown"), and everything else as known as ever; so does a drive without a disc for the
// disc's parts, and a disc still spinning up is waited for.
TEST_F(DriveAnswersTest, WhatTheDriveDoesNotAnswerIsUnknownAndTheRestKnown) {
  // Each JSON member, and the text's label for it where it has a line of its own.
  const std::pair<std::string, std::string> parts[] = {{"Drive", "Vendor"},
                                                       {"Serial", "Serial number"},
                                                       {"Loader", "Loader"},
                                                       {"Reads", "Reads"},
                                                       {"Writes", "Writes"},
                                                       {"TopSpeedX", "Top read speed"},
                                                       {"BufferKB", "Buffer"},
                                                       {"CdDa", "Reads CD-DA"},
                                                       {"C2Pointers", "C2 error pointers"},
                                                       {"Disc", ""},
                                                       {"Disc.Profile", ""},
                                                       {"Disc.Status", "Status"},
                                                       {"Disc.Sectors", "Size"},
                                                       {"Disc.Tracks", "Tracks"},
                                                       {"Disc.Sessions", "Sessions"}};
  enum class Tray { kAsItIs, kOpened, kReloaded };
  const struct {
    const char* refuse;
    Tray tray;
    std::vector<std::string> unknown;
  } cases[] = {
      {"", Tray::kAsItIs, {}},
      {"12", Tray::kAsItIs, {"Drive", "Serial"}},
      {"5a", Tray::kAsItIs, {"Loader", "TopSpeedX", "BufferKB", "CdDa", "C2Pointers"}},
      {"46", Tray::kAsItIs, {"Reads", "Writes", "Disc.Profile"}},
      {"43", Tray::kAsItIs, {"Disc.Tracks"}},
      {"51", Tray::kAsItIs, {"Disc.Status"}},
      {"25", Tray::kAsItIs, {"Disc.Sectors"}},
      {"",
       Tray::kOpened,
       {"Disc", "Disc.Profile", "Disc.Status", "Disc.Sectors", "Disc.Tracks", "Disc.Sessions"}},
      {"", Tray::kReloaded, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("refusing ") + c.refuse + ", tray " +
                 std::to_string(static_cast<int>(c.tray)));
    DriveDescription description = DriveDescription::Parse(
        programmable::ParseSettings(std::string("refuse = ") + c.refuse, "test"));
    ProgrammableDrive drive(description, Disc());
    ModelledDrive commands(drive);
    Mmc mmc(commands);
    if (c.tray != Tray::kAsItIs) {
      ASSERT_TRUE(mmc.Tell(StartStopUnitCdb(false, true, false)).ok);
    }
    // Answered at once, the drive then spinning up for seconds.
    if (c.tray == Tray::kReloaded) {
      ASSERT_TRUE(mmc.Tell(StartStopUnitCdb(true, true, true)).ok);
    }
    const double before = commands.now();
    const DriveInfo info = GatherDriveInfo(mmc, commands.clock(), "/dev/sr0", "");
    if (c.tray == Tray::kReloaded) {
      EXPECT_GE(commands.now() - before, description.load_seconds + description.spin_up_seconds);
    }
    EXPECT_EQ(info.presence, c.tray == Tray::kOpened ? DiscPresence::kNone : DiscPresence::kReady);
    const JsonObject json = ParseFlatJson(DriveInfoJson(info));
    const std::string text = DriveInfoText(info);
    for (const auto& [key, label] : parts) {
      const bool unknown = std::find(c.unknown.begin(), c.unknown.end(), key) != c.unknown.end() ||
                           (key.starts_with("Disc.") && c.tray == Tray::kOpened);
      const bool null = json.contains(key)
                            ? json.at(key) == JsonValue(nullptr)
                            : !json.contains(key + ".Device") && !json.contains(key + ".Medium");
      EXPECT_EQ(null, unknown) << key;
      if (label.empty() || c.tray == Tray::kOpened) continue;
      EXPECT_EQ(std::regex_search(text, std::regex("\n" + label + ": +unknown")), unknown)
          << label << "\n"
          << text;
    }
  }
}

// A speed asked for is set and named as the drive rounds it, for as long as the hold lasts;
// then the drive reads at its fastest again. A drive that refuses, or takes no commands, says
// why.
TEST_F(DriveAnswersTest, AHeldSpeedIsTheDrivesRoundingAndEndsAtItsFastest) {
  for (const DriveDescription& model : Models()) {
    SCOPED_TRACE(model.product);
    for (const char* refuse : {"", "bb"}) {
      DriveDescription description = model;
      description.refused = *refuse ? std::vector<uint8_t>{0xBB} : std::vector<uint8_t>{};
      ProgrammableDrive drive(description, Disc());
      ModelledDrive modelled(drive);
      TableDiscDevices devices;
      devices.SetDrive({"/dev/sr0", nullptr, std::nullopt, std::nullopt});
      devices.SetDrive({"/dev/sr1", nullptr, std::nullopt, std::nullopt});
      devices.SetCommands("/dev/sr0",
                          [&modelled] { return std::make_unique<OpenedModelledDrive>(modelled); });
      Mmc mmc(modelled);
      DriveSpeed speed(mmc, DiscMedium::kCd, kLeadOut);
      // Each model takes 4X, and rounds 10X to the 8X it has.
      for (const auto& [asked, chosen] : {std::pair{4.0, 4.0}, std::pair{10.0, 8.0}}) {
        SpeedRecord record;
        std::string problem;
        {
          const std::unique_ptr<HeldSpeed> held =
              HeldSpeed::Hold(devices, "/dev/sr0", SpeedRequest{asked}, &record, &problem);
          EXPECT_EQ(held != nullptr, !*refuse) << problem;
          EXPECT_EQ(record.set, !*refuse);
          EXPECT_EQ(record.medium, DiscMedium::kCd);
          EXPECT_NEAR(record.x.value_or(0), *refuse ? description.cd_speeds.back() : chosen, 0.01);
          EXPECT_NEAR(speed.Current().value_or(0), record.x.value_or(-1), 1e-9);
        }
        EXPECT_NEAR(speed.Current().value_or(0), description.cd_speeds.back(), 0.01);
        if (*refuse) {
          EXPECT_EQ(problem,
                    "the drive refused it: illegal request, invalid command operation code "
                    "(05/20/00)");
        }
      }
      SpeedRecord record;
      std::string problem;
      EXPECT_EQ(HeldSpeed::Hold(devices, "/dev/sr1", SpeedRequest{4}, &record, &problem), nullptr);
      EXPECT_EQ(problem, "/dev/sr1 takes no drive commands");
      EXPECT_FALSE(record.medium);
    }
  }
}

// Stopped, each model takes its spin-down time, and its next read its spin-up, the seek from the
// inner edge where it parks and the sector's own read, as its mechanics have them.
TEST_F(DriveAnswersTest, SpinUpIsTheModelsSpinUpSeekAndRead) {
  for (const DriveDescription& description : Models()) {
    SCOPED_TRACE(description.product);
    ProgrammableDrive drive(description, Disc());
    ModelledDrive commands(drive);
    Mmc mmc(commands);
    std::vector<uint8_t> sector(2048);
    ASSERT_TRUE(mmc.ReadInto(Read10Cdb(500, 1), sector).ok);
    const SpinTimes times = MeasureSpinUp(mmc, commands.clock(), 0);
    ASSERT_TRUE(times.spin_up_ms) << times.error;
    const programmable::Mechanics mechanics(description, programmable::Profile::kCdRom);
    const DrivePrediction predict(mechanics.Parameters(), 0);
    // The clock's reads cost it a few nanoseconds each.
    EXPECT_NEAR(*times.spin_down_ms, description.spin_down_seconds * 1000, 1e-3);
    EXPECT_NEAR(*times.spin_up_ms,
                (description.spin_up_seconds + predict.AccessSeconds(0, 0)) * 1000, 1e-3);
  }
  // A drive that will not stop leaves both unknown, and says why.
  ProgrammableDrive drive(DriveDescription::Parse(programmable::ParseSettings("refuse = 1b", "t")),
                          Disc());
  ModelledDrive commands(drive);
  Mmc mmc(commands);
  const SpinTimes refused = MeasureSpinUp(mmc, commands.clock(), 0);
  EXPECT_FALSE(refused.spin_down_ms || refused.spin_up_ms);
  EXPECT_EQ(refused.error,
            "the drive did not stop the disc: the drive refused it: illegal request, invalid "
            "command operation code (05/20/00)");
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

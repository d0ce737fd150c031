// The programmable drive's answers, from the host: its command layer called directly, on a
// mixed-mode disc made as the guest's are.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "drive.h"
#include "temp_dir.h"
#include "test_media.h"

namespace vantric::programmable {
namespace {

using testing::PatternBytes;
using testing::TempDir;

// Track 1: data, sectors 0 to 599; track 2: audio from 750 after a pregap from 600; track 3:
// audio from 1200 after a pregap from 1050; the lead-out at 1500.
constexpr int64_t kDataSectors = 600;
constexpr int64_t kAudioSectors = 300;
constexpr int64_t kPregap = 150;
constexpr int64_t kTrack2 = 750, kTrack3 = 1200, kLeadOut = 1500;
constexpr int64_t kDamaged = 760;          // and 761
constexpr int64_t kFirstUnreadable = 100;  // to 109
constexpr uint32_t kSeed = 7;

std::vector<uint8_t> Cdb(std::initializer_list<int> bytes) {
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// READ (10) and READ CD of `count` sectors from `lba`; READ CD with its byte 9 and 10.
std::vector<uint8_t> Read10(int64_t lba, int count) {
  return Cdb({0x28, 0, static_cast<int>(lba >> 24), static_cast<int>(lba >> 16 & 0xFF),
              static_cast<int>(lba >> 8 & 0xFF), static_cast<int>(lba & 0xFF), 0, count >> 8,
              count & 0xFF, 0});
}
std::vector<uint8_t> ReadCd(int type, int64_t lba, int count, int fields, int subchannel) {
  return Cdb({0xBE, type << 2, static_cast<int>(lba >> 24), static_cast<int>(lba >> 16 & 0xFF),
              static_cast<int>(lba >> 8 & 0xFF), static_cast<int>(lba & 0xFF), 0, count >> 8,
              count & 0xFF, fields, subchannel, 0});
}

// The sense key, ASC and ASCQ of a reply: "5/24/00"; "good" when it succeeded.
std::string SenseOf(const Reply& reply) {
  if (reply.status == kStatusGood) return "good";
  char text[16];
  std::snprintf(text, sizeof text, "%X/%02X/%02X", reply.sense[2] & 0x0F, reply.sense[12],
                reply.sense[13]);
  return text;
}

int Bcd(int value) { return value / 10 * 16 + value % 10; }

class ProgrammableDriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string data = PatternBytes(kDataSectors * kDataSectorBytes);
    testing::WriteFile(dir_ / "data.iso", data);
    data_.assign(data.begin(), data.end());
    DiscPlan plan;
    plan.data_from = dir_ / "data.iso";
    plan.seed = kSeed;
    plan.tracks = {{TrackMode::kData, kDataSectors, 0, 1},
                   {TrackMode::kAudio, kAudioSectors, kPregap, 1},
                   {TrackMode::kAudio, kAudioSectors, kPregap, 1}};
    WriteTestMedium(dir_ / "mixed.medium", dir_ / "mixed.img", plan);
    std::ofstream(dir_ / "mixed.medium", std::ios::app)
        << "unreadable = 100-109\ndamaged = 760-761\n";
    audio_ = AudioTrackBytes(kSeed, 2, kAudioSectors * kAudioSectorBytes);
  }

  ProgrammableDrive Drive(const std::string& model = "") {
    return ProgrammableDrive(DriveDescription::Parse(ParseSettings(model, "model")),
                             Medium::Load(dir_ / "mixed.medium"));
  }
  static Reply Send(ProgrammableDrive& drive, std::vector<uint8_t> cdb, double now = 0,
                    std::vector<uint8_t> data_out = {}) {
    return drive.Execute({std::move(cdb), std::move(data_out), 1 << 20}, now);
  }
  // Track 2's audio from byte `offset` of its first sector on.
  std::vector<uint8_t> Audio(int64_t offset, size_t count) const {
    return {audio_.begin() + offset, audio_.begin() + offset + static_cast<int64_t>(count)};
  }

  TempDir dir_{"programmable-drive"};
  std::vector<uint8_t> data_;
  std::vector<uint8_t> audio_;
};

TEST_F(ProgrammableDriveTest, NamesItselfAsItsDescriptionSays) {
  ProgrammableDrive drive =
      Drive("vendor = ACME\nproduct = SPINNER 8X\nrevision = 2.5\nserial = SN-0042\n");
  const Reply standard = Send(drive, Cdb({0x12, 0, 0, 0, 36, 0}));
  ASSERT_EQ(SenseOf(standard), "good");
  ASSERT_EQ(standard.data_in.size(), 36u);
  EXPECT_EQ(standard.data_in[0], 0x05);  // a CD/DVD device
  EXPECT_EQ(standard.data_in[1], 0x80);  // removable
  EXPECT_EQ(std::string(standard.data_in.begin() + 8, standard.data_in.end()),
            "ACME    SPINNER 8X      2.5 ");
  // The allocation length cuts the answer.
  EXPECT_EQ(Send(drive, Cdb({0x12, 0, 0, 0, 5, 0})).data_in.size(), 5u);

  const Reply pages = Send(drive, Cdb({0x12, 1, 0x00, 0, 255, 0}));
  EXPECT_EQ(std::vector<uint8_t>(pages.data_in.begin() + 4, pages.data_in.end()),
            (std::vector<uint8_t>{0x00, 0x80}));
  const Reply serial = Send(drive, Cdb({0x12, 1, 0x80, 0, 255, 0}));
  ASSERT_EQ(serial.data_in.size(), 4u + 7);
  EXPECT_EQ(serial.data_in[3], 7);
  EXPECT_EQ(std::string(serial.data_in.begin() + 4, serial.data_in.end()), "SN-0042");
}

TEST_F(ProgrammableDriveTest, CapabilitiesPageTellsWhatTheDescriptionSays) {
  struct Case {
    const char* model;
    bool c2;
    bool accurate;
  };
  for (const Case& c : {Case{"cd_speeds = 4 8\nbuffer_kb = 512\n", true, true},
                        Case{"cd_speeds = 4 8\nbuffer_kb = 512\nc2_pointers = no\n"
                             "audio_jitter_samples = 3\n",
                             false, false}}) {
    SCOPED_TRACE(c.model);
    ProgrammableDrive drive = Drive(c.model);
    // MODE SENSE (10) of page 2Ah: an 8-byte header, then the page.
    const Reply sense = Send(drive, Cdb({0x5A, 0, 0x2A, 0, 0, 0, 0, 0x01, 0x00, 0}));
    ASSERT_EQ(SenseOf(sense), "good");
    const std::vector<uint8_t>& page = sense.data_in;
    ASSERT_EQ(Get16(page, 0), page.size() - 2);
    ASSERT_EQ(page[8], 0x2A);
    EXPECT_EQ(page[9], page.size() - 10);
    EXPECT_EQ((page[8 + 5] & 0x10) != 0, c.c2);
    EXPECT_EQ((page[8 + 5] & 0x02) != 0, c.accurate);
    EXPECT_EQ(page[8 + 6] >> 5, 1);        // a tray
    EXPECT_EQ(Get16(page, 8 + 8), 1411u);  // 8X of 176.4 kB/s
    EXPECT_EQ(Get16(page, 8 + 12), 512u);
    EXPECT_EQ(Get16(page, 8 + 14), 1411u);
    // MODE SENSE (6) gives the same page after a 4-byte header.
    const Reply six = Send(drive, Cdb({0x1A, 0, 0x2A, 0, 255, 0}));
    EXPECT_EQ(six.data_in[0], six.data_in.size() - 1);
    EXPECT_TRUE(std::equal(six.data_in.begin() + 4, six.data_in.end(), page.begin() + 8));
  }
}

TEST_F(ProgrammableDriveTest, GetConfigurationListsItsProfilesAndTheDiscs) {
  ProgrammableDrive drive = Drive("profiles = cd-rom cd-r dvd-rom\nc2_pointers = yes\n");
  const Reply all = Send(drive, Cdb({0x46, 0, 0, 0, 0, 0, 0, 0x10, 0, 0}));
  ASSERT_EQ(SenseOf(all), "good");
  const std::vector<uint8_t>& data = all.data_in;
  EXPECT_EQ(Get32(data, 0), data.size() - 4);
  EXPECT_EQ(Get16(data, 6), 0x0008u);  // the disc: CD-ROM
  ASSERT_EQ(Get16(data, 8), 0x0000u);  // the profile list first
  ASSERT_EQ(data[11], 12);
  const std::pair<uint32_t, bool> profiles[] = {{0x0010, false}, {0x0009, false}, {0x0008, true}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(Get16(data, 12 + 4 * i), profiles[i].first);
    EXPECT_EQ((data[14 + 4 * i] & 1) != 0, profiles[i].second);
  }

  // One feature asked for (CD Read) comes alone; only current ones leave DVD Read out.
  const Reply cd_read = Send(drive, Cdb({0x46, 2, 0x00, 0x1E, 0, 0, 0, 0x10, 0, 0}));
  ASSERT_EQ(cd_read.data_in.size(), 8u + 4 + 4);
  EXPECT_EQ(Get16(cd_read.data_in, 8), 0x001Eu);
  EXPECT_EQ(cd_read.data_in[10] & 1, 1);     // current
  EXPECT_EQ(cd_read.data_in[12] & 0x02, 2);  // C2 flags
  for (int request : {0, 1}) {
    const Reply listed = Send(drive, Cdb({0x46, request, 0, 0, 0, 0, 0, 0x10, 0, 0}));
    bool dvd_read = false;
    for (size_t at = 8; at + 4 <= listed.data_in.size(); at += 4 + listed.data_in[at + 3]) {
      dvd_read = dvd_read || Get16(listed.data_in, at) == 0x001F;
    }
    EXPECT_EQ(dvd_read, request == 0) << "request type " << request;
  }
}

TEST_F(ProgrammableDriveTest, ReadTocOfAMixedModeDiscInEveryFormat) {
  ProgrammableDrive drive = Drive();
  auto msf = [](int64_t lba) {
    return std::vector<int>{static_cast<int>((lba + 150) / 4500),
                            static_cast<int>((lba + 150) / 75 % 60),
                            static_cast<int>((lba + 150) % 75)};
  };
  struct Entry {
    int point;
    int control;
    int64_t lba;
  };
  const Entry toc[] = {{1, 4, 0}, {2, 0, kTrack2}, {3, 0, kTrack3}, {0xAA, 0, kLeadOut}};

  for (bool in_msf : {false, true}) {
    const Reply reply = Send(drive, Cdb({0x43, in_msf ? 2 : 0, 0, 0, 0, 0, 1, 0x10, 0, 0}));
    ASSERT_EQ(SenseOf(reply), "good");
    const std::vector<uint8_t>& data = reply.data_in;
    ASSERT_EQ(data.size(), 4u + 8 * 4);
    EXPECT_EQ(Get16(data, 0), data.size() - 2);
    EXPECT_EQ(data[2], 1);
    EXPECT_EQ(data[3], 3);
    for (size_t i = 0; i < 4; ++i) {
      const uint8_t* entry = &data[4 + 8 * i];
      EXPECT_EQ(entry[1], 0x10 | toc[i].control);
      EXPECT_EQ(entry[2], toc[i].point);
      if (in_msf) {
        EXPECT_EQ((std::vector<int>{entry[5], entry[6], entry[7]}), msf(toc[i].lba));
      } else {
        EXPECT_EQ(Get32(data, 4 + 8 * i + 4), toc[i].lba);
      }
    }
  }
  // From track 3 on: track 3 and the lead-out; past the last track: refused.
  EXPECT_EQ(Send(drive, Cdb({0x43, 0, 0, 0, 0, 0, 3, 0x10, 0, 0})).data_in.size(), 4u + 16);
  EXPECT_EQ(SenseOf(Send(drive, Cdb({0x43, 0, 0, 0, 0, 0, 4, 0x10, 0, 0}))), "5/24/00");

  // Session information, asked for in either place: one session, its first track at 0.
  for (const std::vector<uint8_t>& cdb :
       {Cdb({0x43, 0, 1, 0, 0, 0, 0, 0, 12, 0}), Cdb({0x43, 0, 0, 0, 0, 0, 0, 0, 12, 0x40})}) {
    const Reply session = Send(drive, cdb);
    ASSERT_EQ(session.data_in.size(), 12u);
    EXPECT_EQ(Get16(session.data_in, 0), 10u);
    EXPECT_EQ(session.data_in[3], 1);
    EXPECT_EQ(session.data_in[5], 0x14);
    EXPECT_EQ(session.data_in[6], 1);
    EXPECT_EQ(Get32(session.data_in, 8), 0u);
  }

  // The full TOC: A0 (first track), A1 (last), A2 (lead-out), then each track's start.
  const Reply full = Send(drive, Cdb({0x43, 2, 2, 0, 0, 0, 1, 0x10, 0, 0}));
  ASSERT_EQ(SenseOf(full), "good");
  ASSERT_EQ(full.data_in.size(), 4u + 11 * 6);
  const Entry points[] = {{0xA0, 4, -1}, {0xA1, 0, -1},   {0xA2, 0, kLeadOut},
                          {1, 4, 0},     {2, 0, kTrack2}, {3, 0, kTrack3}};
  for (size_t i = 0; i < 6; ++i) {
    const uint8_t* entry = &full.data_in[4 + 11 * i];
    EXPECT_EQ(entry[0], 1);  // session
    EXPECT_EQ(entry[1], 0x10 | points[i].control);
    EXPECT_EQ(entry[3], points[i].point);
    const std::vector<int> given{entry[8], entry[9], entry[10]};
    if (points[i].lba >= 0) {
      EXPECT_EQ(given, msf(points[i].lba)) << "point " << points[i].point;
    }
  }
  EXPECT_EQ(full.data_in[4 + 8], 1);       // A0: the first track
  EXPECT_EQ(full.data_in[4 + 11 + 8], 3);  // A1: the last
}

TEST_F(ProgrammableDriveTest, ReadCdDeliversAudioWithC2PointersWhereItIsDamaged) {
  ProgrammableDrive drive = Drive();
  // From the undamaged sector before the damage into the two damaged ones: 2,352 bytes of
  // audio, then 294 bytes of C2 pointers and the block's error byte and its pad.
  const Reply reply = Send(drive, ReadCd(1, kDamaged - 1, 3, 0x10 | 2 << 1, 0));
  ASSERT_EQ(SenseOf(reply), "good");
  constexpr size_t kSector = kAudioSectorBytes + 296;
  ASSERT_EQ(reply.data_in.size(), 3 * kSector);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const uint8_t* sector = &reply.data_in[i * kSector];
    const std::vector<uint8_t> source =
        Audio((kDamaged - 1 + i - kTrack2) * kAudioSectorBytes, kAudioSectorBytes);
    size_t wrong = 0;
    for (size_t byte = 0; byte < kAudioSectorBytes; ++byte) {
      const bool flagged = sector[kAudioSectorBytes + byte / 8] & (0x80 >> byte % 8);
      ASSERT_EQ(flagged, sector[byte] != source[byte]) << "byte " << byte;
      wrong += flagged;
    }
    EXPECT_EQ(wrong > 0, i > 0);
    EXPECT_EQ(sector[kAudioSectorBytes + 294] != 0, i > 0);  // the block error byte
  }

  // Q sub-channel across the start of track 2: index 0 counting down, then index 1 counting up.
  const Reply q = Send(drive, ReadCd(0, kTrack2 - 2, 4, 0x00, 2));
  ASSERT_EQ(q.data_in.size(), 4u * 16);
  const int index[] = {0, 0, 1, 1}, relative[] = {2, 1, 0, 1};
  for (int i = 0; i < 4; ++i) {
    const uint8_t* entry = &q.data_in[16 * i];
    const int64_t lba = kTrack2 - 2 + i;
    EXPECT_EQ(entry[0], 0x01);  // audio, position
    EXPECT_EQ(entry[1], Bcd(2));
    EXPECT_EQ(entry[2], Bcd(index[i]));
    EXPECT_EQ(entry[5], Bcd(relative[i]));
    EXPECT_EQ(entry[9], Bcd(static_cast<int>((lba + 150) % 75)));
  }
}

TEST_F(ProgrammableDriveTest, WithoutAnAccurateStreamAudioLandsOffWhereAsked) {
  for (int jitter : {0, 3}) {
    SCOPED_TRACE(jitter);
    ProgrammableDrive drive = Drive("audio_jitter_samples = " + std::to_string(jitter) + "\n");
    const int64_t offset = (800 - kTrack2) * kAudioSectorBytes;
    const int shift = jitter * kSampleBytes;
    for (int sign : {1, -1}) {  // one way, then the other
      const Reply reply = Send(drive, ReadCd(1, 800, 1, 0x10, 0));
      EXPECT_EQ(reply.data_in, Audio(offset + sign * shift, kAudioSectorBytes));
    }
  }
}

TEST_F(ProgrammableDriveTest, SetCdSpeedRoundsToASpeedTheDriveTakes) {
  struct Case {
    uint32_t kbps;
    double x;
  };
  // 882 kB/s is 5X, as near 4X as 6X: the slower one.
  for (const Case& c : {Case{0xFFFF, 8}, Case{1416, 8}, Case{5000, 8}, Case{883, 6}, Case{882, 4},
                        Case{706, 4}, Case{1, 1}, Case{0, 1}}) {
    SCOPED_TRACE(c.kbps);
    ProgrammableDrive drive = Drive("cd_speeds = 1 2 4 6 8\n");
    ASSERT_EQ(SenseOf(Send(drive, Cdb({0xBB, 0, static_cast<int>(c.kbps >> 8),
                                       static_cast<int>(c.kbps & 0xFF), 0, 0, 0, 0, 0, 0, 0, 0}))),
              "good");
    const Reply page = Send(drive, Cdb({0x5A, 0, 0x2A, 0, 0, 0, 0, 0x01, 0x00, 0}));
    EXPECT_EQ(Get16(page.data_in, 8 + 14), static_cast<uint32_t>(std::nearbyint(c.x * 176.4)));
    // A second of reading at 1X takes 1/X seconds once the head is in place.
    const Reply first = Send(drive, Read10(0, 8), 1.0);
    const Reply next = Send(drive, Read10(8, 75), 1.0 + first.seconds);
    EXPECT_NEAR(next.seconds, 1 / c.x, 1e-9);
  }
}

TEST_F(ProgrammableDriveTest, SetStreamingAndGetPerformanceGoWithTheSpeed) {
  ProgrammableDrive drive = Drive("cd_speeds = 4 8 16\n");
  // 2,822 kB in a second: 16X; then 1,411 kB in a second: 8X.
  for (const auto& [kilobytes, x] : {std::pair{2822, 16}, std::pair{1411, 8}}) {
    std::vector<uint8_t> descriptor(28, 0);
    descriptor[14] = static_cast<uint8_t>(kilobytes >> 8);
    descriptor[15] = static_cast<uint8_t>(kilobytes & 0xFF);
    descriptor[18] = 1000 >> 8;
    descriptor[19] = 1000 & 0xFF;
    ASSERT_EQ(SenseOf(Send(drive, Cdb({0xB6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 28, 0}), 0, descriptor)),
              "good");
    const Reply nominal = Send(drive, Cdb({0xAC, 0x10, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    ASSERT_EQ(nominal.data_in.size(), 8u + 16);
    EXPECT_EQ(Get32(nominal.data_in, 8 + 4), std::nearbyint(x * 176.4)) << x;
    EXPECT_EQ(Get32(nominal.data_in, 8 + 8), kLeadOut - 1);
  }
  // The speeds it takes, fastest first, as read speeds.
  const Reply speeds = Send(drive, Cdb({0xAC, 0, 0, 0, 0, 0, 0, 0, 0, 8, 3, 0}));
  ASSERT_EQ(speeds.data_in.size(), 8u + 3 * 16);
  EXPECT_EQ(Get32(speeds.data_in, 0), speeds.data_in.size() - 4);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Get32(speeds.data_in, 8 + 16 * i + 8), std::nearbyint((16 >> i) * 176.4));
  }
}

TEST_F(ProgrammableDriveTest, ASecondSessionStartsAfterTheFirstOnesLeadOutAndLeadIn) {
  testing::WriteFile(
      dir_ / "extra.medium",
      "image = mixed.img\ntrack = audio 300\ntrack = data 200 session=2 pregap=150\n");
  ProgrammableDrive drive(DriveDescription::Parse({}), Medium::Load(dir_ / "extra.medium"));
  const int64_t second = 300 + kSessionGapSectors + 150;
  const Reply session = Send(drive, Cdb({0x43, 0, 1, 0, 0, 0, 0, 0, 12, 0}));
  EXPECT_EQ(session.data_in[3], 2);  // the last session
  EXPECT_EQ(session.data_in[6], 2);  // its first track
  EXPECT_EQ(Get32(session.data_in, 8), second);
  const Reply disc = Send(drive, Cdb({0x51, 0, 0, 0, 0, 0, 0, 0, 34, 0}));
  EXPECT_EQ(disc.data_in[4], 2);  // sessions
  EXPECT_EQ(disc.data_in[5], 2);  // the first track of the last one
  const Reply track = Send(drive, Cdb({0x52, 2, 0, 0, 0, 2, 0, 0, 36, 0}));
  EXPECT_EQ(track.data_in[2], 2);
  EXPECT_EQ(track.data_in[3], 2);
  EXPECT_EQ(Get32(track.data_in, 8), second);
  EXPECT_EQ(Get32(track.data_in, 24), 200u);
  // The full TOC gives each session its A0, A1 and A2 and its own track.
  const Reply full = Send(drive, Cdb({0x43, 2, 2, 0, 0, 0, 1, 0x10, 0, 0}));
  ASSERT_EQ(full.data_in.size(), 4u + 11 * 8);
  EXPECT_EQ(full.data_in[4 + 11 * 4], 2);      // the second session's A0
  EXPECT_EQ(full.data_in[4 + 11 * 4 + 8], 2);  // its first track
  EXPECT_EQ(full.data_in[4 + 11 * 2 + 8], 0);  // the first session's lead-out, at 300
  EXPECT_EQ(full.data_in[4 + 11 * 2 + 9], 6);
}

TEST_F(ProgrammableDriveTest, MediaChangesAreReportedAsADriveReportsThem) {
  ProgrammableDrive drive = Drive("eject_seconds = 1\nload_seconds = 2\nspin_up_seconds = 1.5\n");
  const std::vector<uint8_t> tur = Cdb({0, 0, 0, 0, 0, 0});
  const std::vector<uint8_t> eject = Cdb({0x1B, 0, 0, 0, 0x02, 0});
  const std::vector<uint8_t> load = Cdb({0x1B, 0, 0, 0, 0x03, 0});
  const std::vector<uint8_t> media_event = Cdb({0x4A, 1, 0, 0, 0x10, 0, 0, 0, 8, 0});

  EXPECT_EQ(SenseOf(Send(drive, Cdb({0x1E, 0, 0, 0, 1, 0}))), "good");
  EXPECT_EQ(SenseOf(Send(drive, eject)), "5/53/02");  // locked
  EXPECT_EQ(SenseOf(Send(drive, Cdb({0x1E, 0, 0, 0, 0, 0}))), "good");
  EXPECT_GE(Send(drive, eject).seconds, 1.0);
  EXPECT_EQ(SenseOf(Send(drive, tur)), "2/3A/02");
  EXPECT_EQ(SenseOf(Send(drive, Read10(0, 1))), "2/3A/02");
  const Reply removed = Send(drive, media_event);
  EXPECT_EQ(removed.data_in[4], 3);     // media removal
  EXPECT_EQ(removed.data_in[5], 0x01);  // the tray open, no medium to read

  EXPECT_DOUBLE_EQ(Send(drive, load, 10).seconds, 2 + 1.5);
  // The unit attention waits for a command that reports it, once; INQUIRY is not one.
  EXPECT_EQ(SenseOf(Send(drive, Cdb({0x12, 0, 0, 0, 36, 0}), 14)), "good");
  EXPECT_EQ(SenseOf(Send(drive, tur, 14)), "6/28/00");
  EXPECT_EQ(SenseOf(Send(drive, tur, 14)), "good");
  const Reply inserted = Send(drive, media_event, 14);
  EXPECT_EQ(inserted.data_in[4], 2);  // new media
  EXPECT_EQ(inserted.data_in[5], 0x02);
}

TEST_F(ProgrammableDriveTest, ADiscPulledOutFailsEveryReadFromThenOn) {
  ProgrammableDrive drive = Drive("pull_out_after_seconds = 5\n");
  // Counted from the first read.
  EXPECT_EQ(SenseOf(Send(drive, Read10(0, 1), 10)), "good");
  EXPECT_EQ(SenseOf(Send(drive, Read10(1, 1), 14.9)), "good");
  for (const std::vector<uint8_t>& cdb : {Read10(2, 1), Cdb({0, 0, 0, 0, 0, 0})}) {
    EXPECT_EQ(SenseOf(Send(drive, cdb, 15)), "2/3A/01");
  }
  const Reply sense = Send(drive, Cdb({0x03, 0, 0, 0, 18, 0}), 16);
  EXPECT_EQ(sense.data_in[2], kNotReady);
  EXPECT_EQ(sense.data_in[12], 0x3A);
}

TEST_F(ProgrammableDriveTest, AnUnreadableSectorIsAMediumErrorNamingIt) {
  ProgrammableDrive drive = Drive("bad_read_seconds = 2\n");
  const Reply reply = Send(drive, Read10(kFirstUnreadable - 4, 8));
  EXPECT_EQ(SenseOf(reply), "3/11/00");
  EXPECT_EQ(reply.sense[0], 0xF0);  // the information field holds the LBA
  EXPECT_EQ(Get32(reply.sense, 3), kFirstUnreadable);
  EXPECT_GE(reply.seconds, 2.0);
  // What came before it is delivered.
  EXPECT_EQ(reply.data_in, std::vector<uint8_t>(data_.begin() + (kFirstUnreadable - 4) * 2048,
                                                data_.begin() + kFirstUnreadable * 2048));
  EXPECT_EQ(SenseOf(Send(drive, Read10(kFirstUnreadable + 10, 8), 10)), "good");

  // With no retries allowed (MODE SELECT of the error recovery page) it gives up sooner.
  std::vector<uint8_t> parameters(8 + 12, 0);
  parameters[8] = 0x01;
  parameters[9] = 10;
  ASSERT_EQ(SenseOf(Send(drive, Cdb({0x55, 0x10, 0, 0, 0, 0, 0, 0, 20, 0}), 20, parameters)),
            "good");
  EXPECT_EQ(Send(drive, Cdb({0x5A, 0, 0x01, 0, 0, 0, 0, 0, 20, 0}), 20).data_in[8 + 3], 0);
  const Reply before = Send(drive, Read10(kFirstUnreadable - 4, 4), 20);
  const double bad = Send(drive, Read10(kFirstUnreadable, 1), 20 + before.seconds).seconds;
  EXPECT_NEAR(bad, 2.0 / 17, 0.001);  // one try of the 17 it had, and a sector at 24X
}

TEST_F(ProgrammableDriveTest, AStoppedDriveSpinsUpBeforeItReads) {
  ProgrammableDrive drive = Drive("spin_up_seconds = 1.5\n");
  ASSERT_EQ(SenseOf(Send(drive, Cdb({0x1B, 0, 0, 0, 0x00, 0}))), "good");
  const double read = Send(drive, Read10(0, 8), 1).seconds;
  EXPECT_GE(read, 1.5);
  EXPECT_LT(read, 2.0);
  // Started with Immed, it answers at once and is becoming ready until it has spun up.
  ASSERT_EQ(SenseOf(Send(drive, Cdb({0x1B, 0, 0, 0, 0x00, 0}), 5)), "good");
  EXPECT_EQ(Send(drive, Cdb({0x1B, 1, 0, 0, 0x01, 0}), 6).seconds, 0);
  EXPECT_EQ(SenseOf(Send(drive, Cdb({0, 0, 0, 0, 0, 0}), 7.4)), "2/04/01");
  EXPECT_EQ(SenseOf(Send(drive, Cdb({0, 0, 0, 0, 0, 0}), 7.5)), "good");
}

TEST_F(ProgrammableDriveTest, RefusesWhatItDoesNotDo) {
  ProgrammableDrive drive = Drive();
  struct Case {
    const char* what;
    std::vector<uint8_t> cdb;
    const char* sense;
  };
  const Case cases[] = {
      {"WRITE (10)", Cdb({0x2A, 0, 0, 0, 0, 0, 0, 0, 1, 0}), "5/20/00"},
      {"READ SUB-CHANNEL", Cdb({0x42, 0, 0x40, 1, 0, 0, 0, 0, 16, 0}), "5/20/00"},
      {"a vendor's opcode", Cdb({0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), "5/20/00"},
      {"INQUIRY of a page without EVPD", Cdb({0x12, 0, 0x80, 0, 36, 0}), "5/24/00"},
      {"INQUIRY of a page it lacks", Cdb({0x12, 1, 0x83, 0, 36, 0}), "5/24/00"},
      {"saved mode values", Cdb({0x1A, 0, 0xEA, 0, 255, 0}), "5/39/00"},
      {"READ (10) past the lead-out", Read10(kLeadOut - 1, 2), "5/21/00"},
      {"READ (10) of an audio sector", Read10(kTrack2, 1), "5/64/00"},
      {"READ CD of data as CD-DA", ReadCd(1, 0, 1, 0x10, 0), "5/64/00"},
      {"READ CD of data's EDC and ECC", ReadCd(0, 0, 1, 0xF8, 0), "5/24/00"},
  };
  for (const Case& c : cases) {
    const Reply reply = Send(drive, c.cdb);
    EXPECT_EQ(SenseOf(reply), c.sense) << c.what;
    EXPECT_EQ(reply.status, kStatusCheckCondition) << c.what;
  }
}

TEST_F(ProgrammableDriveTest, DescriptionsWithMistakesAreRefusedByLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"cd_speeds = 4 8x\n", "model:1: cd_speeds: not a number: 8x"},
      {"# a comment\n\nspeed = 8\n", "model:3: speed: unknown setting"},
      {"vendor = VANTRIC\nspin = zcav\n", "model:2: spin: clv or cav expected"},
  };
  for (const auto& [text, message] : cases) {
    try {
      DriveDescription::Parse(ParseSettings(text, "model"));
      ADD_FAILURE() << text << " was taken";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

}  // namespace
}  // namespace vantric::programmable

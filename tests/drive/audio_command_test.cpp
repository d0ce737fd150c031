// vantric-cli audio on a modelled drive: its report, its files and its exit codes.
#include "cli/audio_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "audio_rig.h"
#include "cli/cli_app.h"
#include "cli/interrupt.h"
#include "json_reader.h"
#include "results/result_file.h"
#include "results/result_formats.h"

namespace vantric::testing {
namespace {

using programmable::DriveDescription;

struct AudioCliRun {
  int code;
  std::string out, err;
};

AudioCliRun RunAudio(AudioRig& rig, const std::vector<std::string>& arguments) {
  AudioOptions options;
  if (auto error = ParseAudioOptions(arguments, &options)) return {kExitInvalidOptions, "", *error};
  std::ostringstream out, err;
  const int code = RunAudioOn(options, rig.machine, out, err, false);
  return {code, out.str(), err.str()};
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

// Ten sectors with C2 errors: listed in the report and in each kind of curve file, exit code 3;
// the JSON is the same whether asked for as --json or as a .json curve, and compare reads its
// rates in CD-DA's X.
TEST(AudioCommandTest, TheReportAndEachFileListTheSectorsWithC2Errors) {
  for (const ResultFormatEntry& format : ResultFormats()) {
    SCOPED_TRACE(format.extension);
    AudioRig rig(DriveDescription{}, AudioPlan(), {"damaged = 4000-4009"});
    const std::string curve = rig.Path("curve" + std::string(format.extension));
    const std::string json = rig.Path("audio.json");
    const AudioCliRun run = RunAudio(rig, {"--curve", curve, "--json", json, "--speed", "8"});
    ASSERT_EQ(run.code, kExitReadFailed) << run.err;
    for (const char* line :
         {"Tracks: 3 audio, 0 data; 1 session; lead-out at sector 9300 (02:04.00)\n",
          "   2  audio  session 1  sector    3150  00:42.00 long\n",
          "Read: tracks 1 to 3, sectors 0 to 9299 (02:04.00, 20.9 MB) as CD-DA; CD-DA 1X = "
          "176,400 B/s\n",
          "Speed: 8X asked, the drive reads at 8.0X\n", "Shape:   CLV\n",
          "Accurate stream: yes: 8 re-reads from other sectors landed where the first read did "
          "(the drive claims it)\n",
          "Audio cache: none: ", "C2 error pointers: reported (the drive claims it)\n",
          "C2 errors: 1 range, 0.02 MB (0.11% of the audio)\n  sectors 4000 to 4009, at 9.0 MB: ",
          "Unreadable: none\n"}) {
      EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    }
    const std::string text = FileText(curve);
    switch (format.format) {
      case ResultFormat::kCsv:
        EXPECT_EQ(text.substr(0, text.find('\n')), "position_mb,position_percent,kbps,cd_da_x");
        EXPECT_NE(text.find("\n\nc2_first_sector,c2_last_sector,start_mb,mb,percent\n4000,4009,"),
                  std::string::npos);
        break;
      case ResultFormat::kSvg:
        EXPECT_EQ(Count(text, "<rect class=\"c2\""), 1u);
        EXPECT_NE(text.find("C2 errors: 10 sectors"), std::string::npos);
        break;
      case ResultFormat::kJson: {
        EXPECT_EQ(text, FileText(json));
        const JsonObject members = ParseFlatJson(text);
        const auto number = [&](const std::string& key) {
          return std::get<double>(members.at(key));
        };
        EXPECT_EQ(number("WholeDisc.OneXBytesPerSecond"), 176'400);
        EXPECT_EQ(number("WholeDisc.C2Errors.0.FirstSector"), 4000);
        EXPECT_EQ(number("WholeDisc.C2Errors.0.LastSector"), 4009);
        EXPECT_EQ(number("Audio.Tracks"), 3);
        EXPECT_EQ(number("Audio.Tracks.2.Start"), 6300);
        EXPECT_EQ(number("Audio.Tracks.2.Sectors"), 3000);
        // SET CD SPEED asks for 1411 kB/s of the 176.4 that make 1X.
        EXPECT_NEAR(number("Audio.SpeedX"), 8, 0.01);
        EXPECT_TRUE(std::get<bool>(members.at("Audio.AccurateStream.Accurate")));
        EXPECT_FALSE(std::get<bool>(members.at("Audio.Cache.Caches")));
        std::string error;
        const std::optional<ResultFile> read = ReadResultFile(curve, &error);
        ASSERT_TRUE(read) << error;
        ASSERT_EQ(read->points.size(), number("Points"));
        for (size_t i = 0; i < read->points.size(); ++i) {
          EXPECT_NEAR(read->points[i].X(), number("Points." + std::to_string(i) + ".X"), 1e-9);
          EXPECT_NEAR(read->points[i].X(), 8, 0.08);
        }
        break;
      }
    }
  }
}

// A disc without audio, a drive that will not read it, a disc pulled out and Ctrl-C: each is
// said, and nothing is written.
TEST(AudioCommandTest, WhatItRefusesAndWhatEndsIt) {
  programmable::DiscPlan data;
  data.tracks = {{programmable::TrackMode::kData, 3000, 0, 1}};
  DriveDescription pulled;
  pulled.pull_out_after_seconds = 2;
  struct Case {
    const char* what;
    DriveDescription drive;
    programmable::DiscPlan plan;
    std::function<void(AudioRig&)> set_up;
    int code;
    std::string message;
  };
  const Case cases[] = {
      {"no audio",
       {},
       data,
       nullptr,
       kExitFailed,
       "The disc in /dev/sr0 holds no audio track. For the data on it, use --curve FILE "
       "--whole-disc.\n"},
      {"READ CD refused",
       {},
       AudioPlan(),
       [](AudioRig& rig) { rig.commands.refused_opcodes = {0xBE}; },
       kExitFailed,
       "The drive /dev/sr0 will not read audio sectors (READ CD as CD-DA): the drive refused "
       "it: illegal request, invalid command operation code (05/20/00).\n"},
      {"pulled out", pulled, AudioPlan(), nullptr, kExitReadFailed,
       "Error reading the disc in /dev/sr0 at sector "},
      {"Ctrl-C",
       {},
       AudioPlan(),
       [](AudioRig& rig) {
         rig.commands.before_command = [](double now) {
           if (now > 1) SetInterruptRequested(true);
         };
       },
       kExitCancelled,
       "Audio measurement aborted by user.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AudioRig rig(c.drive, c.plan);
    if (c.set_up) c.set_up(rig);
    const std::string curve = rig.Path("curve.svg"), json = rig.Path("audio.json");
    const AudioCliRun run = RunAudio(rig, {"--curve", curve, "--json", json});
    SetInterruptRequested(false);
    EXPECT_EQ(run.code, c.code) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(curve));
    EXPECT_FALSE(std::filesystem::exists(json));
  }
}

TEST(AudioCommandTest, OptionsThatCannotWorkAreRefusedFirst) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--speed", "0"},
                                             {"--speed", "fast"},
                                             {"--curve", "audio.txt"},
                                             {"--json"},
                                             {"--curve", "a.json", "--json", "a.json"},
                                             {"--curve-mode", "slow"},
                                             {"--passes", "2"}}) {
    std::vector<std::string> command = {"audio"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(command, out, err, false), kExitInvalidOptions) << arguments[0];
    EXPECT_NE(err.str().find("Try 'vantric-cli --help'"), std::string::npos);
  }
}

}  // namespace
}  // namespace vantric::testing

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "cli/cli_app.h"
#include "cli_in_process.h"
#include "cli_test_files.h"
#include "curve/disc_access.h"
#include "drive_prediction.h"
#include "engine/disc_places.h"
#include "json_reader.h"
#include "platform/disc_medium.h"
#include "results/curve_json.h"
#include "results/result_file.h"
#include "results/result_formats.h"
#include "run/value_text.h"
#include "sim_rig.h"

namespace vantric::testing {
namespace {

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

// The file of each format, named by its extension, of one simulated drive: one point per
// stretch.
TEST(CurveCommandTest, WritesTheFileTheExtensionNamesAndReportsTheShape) {
  ScratchDir dir("curve");
  for (const ResultFormatEntry& format : ResultFormats()) {
    SCOPED_TRACE(format.extension);
    const fs::path file = dir.path() / ("curve" + std::string(format.extension));
    const CliRun run = RunInProcess({"--simulate", "52x-cav", "--curve", file.string()});
    ASSERT_EQ(run.code, kExitCompleted) << run.err;
    EXPECT_NE(run.out.find("Shape:   CAV\n"), std::string::npos) << run.out;
    const std::string text = FileText(file);
    switch (format.format) {
      case ResultFormat::kCsv:
        EXPECT_EQ(Count(text, "\n"), 101u);
        break;
      case ResultFormat::kJson: {
        const JsonObject json = ParseFlatJson(text);
        EXPECT_EQ(std::get<double>(json.at("Points")), 100);
        EXPECT_EQ(std::get<std::string>(json.at("Shape")), "CAV");
        EXPECT_EQ(std::get<std::string>(json.at("SimulatedProfile")), "52x-cav");
        // The end of a CAV ramp reads faster than its start by the ratio of the radii.
        EXPECT_NEAR(
            std::get<double>(json.at("EndX")) / std::get<double>(json.at("StartX")),
            std::get<double>(json.at("Points.99.X")) / std::get<double>(json.at("Points.0.X")),
            1e-12);
        break;
      }
      case ResultFormat::kSvg:
        EXPECT_EQ(Count(text, "class=\"point\""), 100u);
        EXPECT_EQ(Count(text, "class=\"minimum\""), 1u);
        if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
          EXPECT_EQ(std::system(("xmllint --noout '" + file.string() + "'").c_str()), 0);
        }
        break;
    }
  }
}

std::vector<double> Numbers(const std::string& text, char separator) {
  std::vector<double> numbers;
  std::istringstream in(text);
  for (std::string field; std::getline(in, field, separator);) numbers.push_back(std::stod(field));
  return numbers;
}

// What would only fail after minutes of reading is refused at once, and nothing is written.
TEST(CurveCommandTest, RefusesWhatItCannotWriteOrDoes) {
  ScratchDir dir("curve-options");
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--curve", (dir.path() / "curve.png").string()},
           {"--curve", (dir.path() / "curve.csv").string(), "--passes", "2"},
           {"--curve", (dir.path() / "curve.csv").string(), "--curve-mode", "slow"},
           {"--curve", (dir.path() / "no" / "such" / "curve.csv").string()}}) {
    std::vector<std::string> full = {"--simulate", "8x-clv"};
    full.insert(full.end(), arguments.begin(), arguments.end());
    const CliRun run = RunInProcess(full);
    EXPECT_EQ(run.code, kExitInvalidOptions) << arguments.back();
    EXPECT_EQ(run.out, "");
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// A short test file is measured as far as it goes, without the run's warning; one sector is
// too few to time anything.
TEST(CurveCommandTest, AShortFileIsMeasuredAndASingleSectorIsRefused) {
  ScratchDir dir("curve-short");
  const std::string curve = (dir.path() / "curve.csv").string();
  const CliRun one_sector =
      RunInProcess({"--drive", dir.MakeDiscRoot("one", 2048).string(), "--curve", curve});
  EXPECT_EQ(one_sector.code, kExitFailed);
  EXPECT_NE(one_sector.err.find("The test file holds 2048 bytes, too few for a transfer rate "
                                "curve.\n"),
            std::string::npos)
      << one_sector.err;
  EXPECT_FALSE(fs::exists(curve));

  const CliRun short_file =
      RunInProcess({"--drive", dir.MakeDiscRoot("short", 801 * 2048).string(), "--curve", curve});
  ASSERT_EQ(short_file.code, kExitCompleted) << short_file.err;
  EXPECT_EQ(short_file.err.find("Warning:"), std::string::npos) << short_file.err;
  // 51 stretches of 16 sectors; the last, of one sector, only positions the head.
  EXPECT_EQ(Count(FileText(curve), "\n"), 1 + 50u);
}

TEST(CurveCommandTest, AFailedReadEndsItWithExitThreeAndNoFile) {
  ScratchDir dir("curve-failed");
  CliOptions options;
  options.curve_path = (dir.path() / "curve.svg").string();
  std::string error;
  auto simulation = MakeSimulation("8x-clv", &error);
  // Inside the timed megabyte of the stretch from sector 99000, which reads 8 sectors at a time
  // from 99001.
  simulation->faults().unreadable = {{99'100, 99'101}};
  Machine machine(std::move(simulation));
  std::ostringstream out, err;
  EXPECT_EQ(RunCliOn(options, machine, out, err, false), kExitReadFailed);
  // It stops at the failure, a third of the way through, instead of reading on.
  VirtualClock& clock = machine.simulation()->clock();
  EXPECT_LT(clock.SecondsForCounts(clock.Now()), 40);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("Error reading the test disc at sector 99097: Input/output error.\n"),
            std::string::npos)
      << err.str();
  EXPECT_FALSE(fs::exists(options.curve_path)) << err.str();
}

// --whole-disc on a simulated drive, its faults and discs set by `prepare`.
CliRun ScanInProcess(const std::string& curve_path, const std::string& device,
                     const std::function<void(Simulation&)>& prepare,
                     const std::string& profile = "8x-clv") {
  CliOptions options;
  options.curve_path = curve_path;
  options.whole_disc = true;
  options.device = device;
  std::unique_ptr<Simulation> simulation = SimulationOf(profile);
  if (prepare) prepare(*simulation);
  Machine machine(std::move(simulation));
  std::ostringstream out, err;
  const int code = RunCliOn(options, machine, out, err, false);
  return {code, out.str(), err.str()};
}

// Where the chart's plot area lies: its left edge and width in pixels.
std::pair<double, double> PlotLeftAndWidth(const std::string& svg) {
  std::smatch frame;
  EXPECT_TRUE(std::regex_search(
      svg, frame, std::regex("<rect x=\"([0-9.]+)\" y=\"[0-9.]+\" width=\"([0-9.]+)\"")));
  return {std::stod(frame[1]), std::stod(frame[2])};
}

// A range the simulated CD's drive cannot read, within the megabyte that quick mode times in the
// 46th stretch: the report, each file and the exit code say so, and the scan reads on past it.
TEST(CurveCommandTest, AWholeDiscsReportAndFilesListWhatItCouldNotRead) {
  constexpr int64_t kFirst = 150'400, kEnd = 151'000, kDiscSectors = 333'000;
  const double start_mb = kFirst * 2048.0 / (1 << 20), mb = (kEnd - kFirst) * 2048.0 / (1 << 20);
  const double percent = (kEnd - kFirst) * 100.0 / kDiscSectors;
  ScratchDir dir("curve-whole-disc");
  for (const char* name : {"disc.csv", "disc.json", "disc.svg"}) {
    SCOPED_TRACE(name);
    const fs::path file = dir.path() / name;
    const CliRun run = ScanInProcess(file.string(), "", [&](Simulation& simulation) {
      simulation.faults().unreadable = {{kFirst, kEnd}};
    });
    ASSERT_EQ(run.code, kExitReadFailed) << run.err;
    EXPECT_NE(run.err.find("Whole disc: D: (simulated reads), 681984000 bytes\n"),
              std::string::npos)
        << run.err;
    std::smatch line;
    ASSERT_TRUE(std::regex_search(run.out, line,
                                  std::regex("\nUnreadable: 1 range, [^\n]*\n  sectors ([0-9]+) to "
                                             "([0-9]+), at ([0-9.]+) MB: ([0-9.]+) MB, "
                                             "([0-9.]+)% of the disc\n$")))
        << run.out;
    EXPECT_EQ(std::stoll(line[1]), kFirst);
    EXPECT_EQ(std::stoll(line[2]), kEnd - 1);
    EXPECT_NEAR(std::stod(line[3]), start_mb, 0.051);
    EXPECT_NEAR(std::stod(line[4]), mb, 0.005);
    EXPECT_NEAR(std::stod(line[5]), percent, 0.005);
    EXPECT_NE(run.out.find("\nWhole disc: CD (as the drive reports it), 650.4 MB; CD 1X = 153,600 "
                           "B/s\n"),
              std::string::npos)
        << run.out;

    const std::string text = FileText(file);
    if (file.extension() == ".csv") {
      const size_t blank = text.find("\n\n");
      ASSERT_NE(blank, std::string::npos) << text;
      EXPECT_EQ(text.substr(0, text.find('\n')), "position_mb,position_percent,kbps,cd_x");
      EXPECT_EQ(Count(text.substr(0, blank + 1), "\n"), 101u) << "a row for every stretch";
      std::istringstream ranges(text.substr(blank + 2));
      std::string header, row;
      std::getline(ranges, header);
      EXPECT_EQ(header, "unreadable_first_sector,unreadable_last_sector,start_mb,mb,percent");
      std::getline(ranges, row);
      const std::vector<double> v = Numbers(row, ',');
      ASSERT_EQ(v.size(), 5u) << row;
      EXPECT_EQ(v[0], kFirst);
      EXPECT_EQ(v[1], kEnd - 1);
      EXPECT_NEAR(v[2], start_mb, 0.0005);
      EXPECT_NEAR(v[3], mb, 0.0005);
      EXPECT_NEAR(v[4], percent, 0.0005);
      EXPECT_FALSE(std::getline(ranges, row)) << row;
    } else if (file.extension() == ".json") {
      const JsonObject json = ParseFlatJson(text);
      const auto number = [&json](const std::string& key) {
        return std::get<double>(json.at("WholeDisc." + key));
      };
      EXPECT_EQ(json.at("TestFile"), JsonValue(nullptr));
      EXPECT_EQ(std::get<std::string>(json.at("WholeDisc.Medium")), "CD");
      EXPECT_EQ(number("Sectors"), kDiscSectors);
      EXPECT_EQ(number("UnreadableSectors"), kEnd - kFirst);
      EXPECT_EQ(number("Unreadable"), 1);
      EXPECT_EQ(number("Unreadable.0.FirstSector"), kFirst);
      EXPECT_EQ(number("Unreadable.0.LastSector"), kEnd - 1);
      EXPECT_EQ(number("Unreadable.0.StartMB"), start_mb);
      EXPECT_EQ(number("Unreadable.0.MB"), mb);
      EXPECT_NEAR(number("Unreadable.0.Percent"), percent, 1e-12);
      EXPECT_EQ(std::get<double>(json.at("Points")), 100);
    } else {
      const auto [left, width] = PlotLeftAndWidth(text);
      std::smatch band;
      ASSERT_TRUE(std::regex_search(
          text, band,
          std::regex("<rect class=\"unreadable\" x=\"([0-9.]+)\" [^>]*width=\"([0-9.]+)\"")));
      EXPECT_NEAR(std::stod(band[1]), left + width * kFirst / kDiscSectors, 0.05);
      EXPECT_EQ(std::stod(band[2]), 2) << "narrower than two pixels, it would not show";
      EXPECT_EQ(Count(text, "class=\"unreadable\""), 1u);
      EXPECT_EQ(Count(text, "class=\"point\""), 100u);
      EXPECT_NE(text.find("Read speed (CD 1X = 153,600 B/s)"), std::string::npos);
    }
  }
}

// Every simulated drive holds a whole disc of its own medium, measured in that medium's X as
// its parameters predict, in the file and the report; compare reads the points back in the same
// X. The worn disc's damage is mapped within what its drive cannot read, with exit code 3.
TEST(CurveCommandTest, EverySimulatedDiscIsMeasuredInItsMediumsX) {
  ScratchDir dir("curve-media");
  for (const DriveProfile& profile : DriveProfiles()) {
    SCOPED_TRACE(profile.name);
    const DriveParameters& drive = profile.parameters;
    const fs::path file = dir.path() / (std::string(profile.name) + ".json");
    const CliRun run = ScanInProcess(file.string(), "", nullptr, std::string(profile.name));
    const std::vector<SectorRange>& damage = profile.faults.unreadable;
    ASSERT_EQ(run.code, damage.empty() ? kExitCompleted : kExitReadFailed) << run.err;

    const JsonObject json = ParseFlatJson(FileText(file));
    const auto number = [&json](const std::string& key) { return std::get<double>(json.at(key)); };
    const std::string medium(MediumName(drive.medium));
    EXPECT_EQ(std::get<std::string>(json.at("WholeDisc.Medium")), medium);
    EXPECT_EQ(std::get<std::string>(json.at("WholeDisc.MediumFrom")), "drive");
    EXPECT_EQ(number("WholeDisc.OneXBytesPerSecond"), OneXBytesPerSecond(drive.medium));
    EXPECT_EQ(number("WholeDisc.Sectors"), drive.disc_sectors);
    EXPECT_NE(run.out.find("; " + OneXText(drive.medium) + "\n"), std::string::npos) << run.out;

    const DrivePrediction predict(drive, kSimulatedPollNanoseconds * 1e-9);
    const double one_x_kbps = OneXKbps(drive.medium);
    const auto points = static_cast<int>(number("Points"));
    EXPECT_GT(points, 95);
    for (int i = 0; i < points; ++i) {
      const std::string at = "Points." + std::to_string(i) + ".";
      const double kbps = number(at + "Kbps");
      EXPECT_DOUBLE_EQ(number(at + "X"), kbps / one_x_kbps) << i;
      const double sector = number(at + "PositionMB") * 512;
      const double slowed = profile.faults.IsSlow(sector) ? profile.faults.slow_factor : 1;
      EXPECT_NEAR(kbps, predict.SequentialKbps(sector, 8) / slowed, kbps * 0.01) << i;
    }
    const auto ranges = static_cast<size_t>(number("WholeDisc.Unreadable"));
    EXPECT_EQ(ranges == 0, damage.empty());
    for (size_t r = 0; r < ranges; ++r) {
      const std::string at = "WholeDisc.Unreadable." + std::to_string(r) + ".";
      const auto first = static_cast<int64_t>(number(at + "FirstSector"));
      const auto last = static_cast<int64_t>(number(at + "LastSector"));
      EXPECT_TRUE(
          std::any_of(damage.begin(), damage.end(),
                      [&](const SectorRange& bad) { return first >= bad.first && last < bad.end; }))
          << first << " to " << last;
    }
    const std::optional<ResultFile> read_back =
        ResultFromJson(FileText(file), file.filename().string(), nullptr);
    ASSERT_TRUE(read_back.has_value());
    ASSERT_EQ(read_back->points.size(), static_cast<size_t>(points));
    EXPECT_DOUBLE_EQ(read_back->points[points / 2].X(),
                     number("Points." + std::to_string(points / 2) + ".X"));
  }
}

// The drive read is the one that holds a disc, or the one --device names; anything else is
// named and nothing is read.
TEST(CurveCommandTest, AWholeDiscComesFromTheOneDriveThatHoldsOne) {
  ScratchDir dir("curve-drives");
  const std::string curve = (dir.path() / "disc.csv").string();
  const auto with_drives = [](std::vector<std::string> full, std::vector<std::string> empty) {
    return [=](Simulation& simulation) {
      for (const std::string& device : full) {
        const auto open = [&simulation] {
          std::string why_not;
          return simulation.disc_devices().Open(kSimulatedDevice, &why_not);
        };
        simulation.disc_devices().SetDrive({device, open, std::nullopt, std::nullopt});
      }
      for (const std::string& device : empty) {
        simulation.disc_devices().SetDrive({device, nullptr, std::nullopt, std::nullopt});
      }
    };
  };
  const CliRun one = ScanInProcess(curve, "", with_drives({}, {"E:", "F:"}));
  EXPECT_EQ(one.code, kExitCompleted) << one.err;
  EXPECT_NE(one.err.find("Whole disc: D: "), std::string::npos) << one.err;

  const CliRun named = ScanInProcess(curve, "G:", with_drives({"G:"}, {}));
  EXPECT_EQ(named.code, kExitCompleted) << named.err;
  EXPECT_NE(named.err.find("Whole disc: G: "), std::string::npos) << named.err;

  fs::remove(curve);
  // What keeps the curve from a disc, then what to do: the other drives to name, the simulation.
  const std::string try_simulation =
      "  - or try a simulated drive: --simulate dvd-16x-cav (\"--simulate list\" shows them "
      "all).\n";
  const struct {
    std::string device;
    std::function<void(Simulation&)> prepare;
    std::string message;
    std::string next;
  } refused[] = {
      {"", with_drives({"F:"}, {"E:"}),
       "Several drives hold a disc (D:, F:): name the one to read with --device.\n", ""},
      {"", with_drives({}, {"D:", "E:"}),
       "No disc in an optical drive:\n  D: reports no readable disc\n  E: reports no readable "
       "disc\n",
       "name a drive, or an image file of a disc, with --device DEV;\n" + try_simulation},
      {"E:", with_drives({}, {"E:"}), "vantric-cli: E: reports no readable disc.\n",
       "name another drive with --device: D:;\n" + try_simulation},
      {"Q:", nullptr, "vantric-cli: there is no drive Q:.\n",
       "name another drive with --device: D:;\n" + try_simulation},
  };
  for (const auto& r : refused) {
    const CliRun run = ScanInProcess(curve, r.device, r.prepare);
    EXPECT_EQ(run.code, kExitFailed) << r.message;
    EXPECT_EQ(run.err.substr(0, r.message.size()), r.message);
    EXPECT_EQ(run.err.size() > r.message.size(), !r.next.empty()) << run.err;
    if (!r.next.empty()) {
      EXPECT_EQ(run.err.substr(r.message.size()).rfind("To read a whole disc:\n", 0), 0u);
      EXPECT_TRUE(run.err.ends_with("  - or " + r.next)) << run.err;
    }
    EXPECT_EQ(run.out, "");
  }
  // No optical drive at all.
  CliOptions options;
  options.curve_path = curve;
  options.whole_disc = true;
  std::unique_ptr<Simulation> simulation = SimulationOf("8x-clv");
  Machine without_drives(simulation->clock(), simulation->drives());
  std::ostringstream out, err;
  EXPECT_EQ(RunCliOn(options, without_drives, out, err, false), kExitFailed);
  EXPECT_EQ(err.str().rfind("No optical drive found.\nTo read a whole disc:\n", 0), 0u)
      << err.str();
  EXPECT_TRUE(
      err.str().ends_with("  - or name a drive, or an image file of a disc, with --device "
                          "DEV;\n" +
                          try_simulation))
      << err.str();
  EXPECT_FALSE(fs::exists(curve));
}

// Without --curve the whole disc gets the access tests: the report names its medium and size
// and gives each value, which the JSON holds under the run's keys; the simulated drive takes no
// commands, so its spin-up is unknown. A read that fails ends them with exit code 3 and nothing
// written; a disc too small to spread them over is refused.
TEST(CurveCommandTest, TheAccessTestsOfAWholeDisc) {
  ScratchDir dir("disc-access");
  const std::string json_path = (dir.path() / "access.json").string();
  const auto run = [&json_path](const std::function<void(Simulation&)>& prepare) {
    CliOptions options;
    options.whole_disc = true;
    options.json_path = json_path;
    std::unique_ptr<Simulation> simulation = SimulationOf("8x-clv");
    if (prepare) prepare(*simulation);
    Machine machine(std::move(simulation));
    std::ostringstream out, err;
    const int code = RunCliOn(options, machine, out, err, false);
    return CliRun{code, out.str(), err.str()};
  };
  const CliRun done = run(nullptr);
  ASSERT_EQ(done.code, kExitCompleted) << done.err;
  EXPECT_NE(done.out.find("\nWhole disc: CD (as the drive reports it), 650.4 MB; CD 1X = "
                          "153,600 B/s\n"),
            std::string::npos)
      << done.out;
  const JsonObject json = ParseFlatJson(FileText(json_path));
  for (const DiscAccessTest& test : DiscAccessTests()) {
    const double value = std::get<double>(json.at(test.field_name));
    const std::string shown =
        test.unit == ValueUnit::kKps ? KpsText(value) : FixedText(value, 1) + " ms";
    EXPECT_TRUE(std::regex_search(
        done.out, std::regex("\n" + std::string(test.label) + ": +" + shown + "[ \n]")))
        << test.label << " " << shown << "\n"
        << done.out;
  }
  EXPECT_NE(done.out.find("\nFull Stroke:    "), std::string::npos);
  EXPECT_NE(done.out.find(" (between sectors 0 and 332999)\n"), std::string::npos);
  EXPECT_TRUE(done.out.ends_with("\nSpin-up:        unknown (D: takes no drive commands)\n"));
  EXPECT_EQ(json.at("SpinUpTime"), JsonValue(nullptr));
  EXPECT_EQ(json.at("WholeDisc.Sectors"), JsonValue(333'000.0));
  EXPECT_EQ(json.at("SimulatedProfile"), JsonValue(std::string("8x-clv")));

  fs::remove(json_path);
  // The full stroke's last read is of the disc's last sector.
  const CliRun failed = run([](Simulation& simulation) {
    simulation.faults().unreadable = {{332'999, 333'000}};
  });
  EXPECT_EQ(failed.code, kExitReadFailed);
  EXPECT_EQ(failed.out, "");
  EXPECT_NE(failed.err.find("Error reading the disc in D: at sector 332999: Input/output "
                            "error.\n"),
            std::string::npos)
      << failed.err;
  EXPECT_FALSE(fs::exists(json_path));

  const CliRun small = run([](Simulation& simulation) {
    simulation.InsertWholeDisc((kSmallestAccessDisc - 1) * 2048, kProfileCdRom);
  });
  EXPECT_EQ(small.code, kExitFailed);
  EXPECT_NE(small.err.find("The disc holds 20477952 bytes, too few for the access tests (at "
                           "least 20480000).\n"),
            std::string::npos)
      << small.err;
  EXPECT_EQ(run([](Simulation& simulation) {
              simulation.InsertWholeDisc(kSmallestAccessDisc * 2048, kProfileCdRom);
            }).code,
            kExitCompleted);
}

}  // namespace
}  // namespace vantric::testing

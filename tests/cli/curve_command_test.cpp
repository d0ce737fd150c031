#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "cli/cli_app.h"
#include "cli_in_process.h"
#include "cli_test_files.h"
#include "curve/disc_access.h"
#include "drive/disc_medium.h"
#include "engine/disc_places.h"
#include "json_reader.h"
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
  simulation->faults().first_bad_sector = 99'100;
  simulation->faults().end_bad_sector = 99'101;
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
      simulation.faults().first_bad_sector = kFirst;
      simulation.faults().end_bad_sector = kEnd;
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

// A DVD's drive names its medium; its rates are then in DVD X, in every file and the report.
TEST(CurveCommandTest, AWholeDvdIsMeasuredInDvdX) {
  constexpr double kDvdX = 16;
  constexpr double kDvdOneXKbps = 1'385'000 / 1024.0;
  DriveProfile dvd = *FindDriveProfile("ideal-8x-clv");
  dvd.parameters.nominal_x = kDvdX * 1'385'000 / 153'600;
  dvd.parameters.disc_sectors = 2'295'104;  // 4.7 GB
  ScratchDir dir("curve-dvd");
  const fs::path file = dir.path() / "dvd.json";
  CliOptions options;
  options.curve_path = file.string();
  options.whole_disc = true;
  auto simulation = std::make_unique<Simulation>(dvd);
  simulation->InsertWholeDisc(dvd.parameters.disc_sectors * 2048, kProfileDvdRom);
  Machine machine(std::move(simulation));
  std::ostringstream out, err;
  ASSERT_EQ(RunCliOn(options, machine, out, err, false), kExitCompleted) << err.str();

  const JsonObject json = ParseFlatJson(FileText(file));
  EXPECT_EQ(std::get<std::string>(json.at("WholeDisc.Medium")), "DVD");
  EXPECT_EQ(std::get<std::string>(json.at("WholeDisc.MediumFrom")), "drive");
  EXPECT_EQ(std::get<double>(json.at("WholeDisc.OneXBytesPerSecond")), 1'385'000);
  ASSERT_EQ(std::get<double>(json.at("Points")), 100);
  for (int i = 0; i < 100; ++i) {
    const std::string at = "Points." + std::to_string(i) + ".";
    const double kbps = std::get<double>(json.at(at + "Kbps"));
    EXPECT_DOUBLE_EQ(std::get<double>(json.at(at + "X")), kbps / kDvdOneXKbps) << i;
  }
  // Each read costs the simulated machine a microsecond of reading the clock.
  EXPECT_NEAR(std::get<double>(json.at("AverageX")), kDvdX, kDvdX * 0.003);
  // compare reads the points back in the same X.
  std::string error;
  const std::optional<ResultFile> read_back = ResultFromJson(FileText(file), "dvd.json", &error);
  ASSERT_TRUE(read_back.has_value()) << error;
  ASSERT_EQ(read_back->points.size(), 100u);
  EXPECT_DOUBLE_EQ(read_back->points[37].X(), std::get<double>(json.at("Points.37.X")));
  const std::string report = out.str();
  std::smatch start;
  ASSERT_TRUE(
      std::regex_search(report, start, std::regex("\nStart: +([0-9.]+)X \\(([0-9]+) kps\\)\n")))
      << report;
  const double start_x = std::get<double>(json.at("StartX"));
  EXPECT_NEAR(std::stod(start[1]), start_x, 0.05);
  EXPECT_NEAR(std::stod(start[2]), start_x * kDvdOneXKbps, 0.5);
  EXPECT_NE(report.find("; DVD 1X = 1,385,000 B/s\n"), std::string::npos) << report;
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
  const struct {
    std::string device;
    std::function<void(Simulation&)> prepare;
    std::string message;
  } refused[] = {
      {"", with_drives({"F:"}, {"E:"}),
       "Several drives hold a disc (D:, F:): name the one to read with --device.\n"},
      {"E:", with_drives({}, {"E:"}), "E: reports no readable disc.\n"},
      {"Q:", nullptr, "there is no drive Q:.\n"},
  };
  for (const auto& r : refused) {
    const CliRun run = ScanInProcess(curve, r.device, r.prepare);
    EXPECT_EQ(run.code, kExitFailed) << r.message;
    EXPECT_EQ(run.err, r.message);
    EXPECT_EQ(run.out, "");
  }
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
  for (const DiscAccessTest& test : kDiscAccessTests) {
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
    simulation.faults().first_bad_sector = 332'999;
    simulation.faults().end_bad_sector = 333'000;
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

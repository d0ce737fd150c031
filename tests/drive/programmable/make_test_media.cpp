// make-test-media NAME [--profile cd-rom|cd-r|dvd-rom|bd-rom] [--data IMAGE] [--data-sectors N]
//                 [--audio-tracks N] [--audio-seconds S] [--pregap SECTORS] [--seed N]
// Writes NAME.img and NAME.medium, a disc for the programmable drive: a data track (the image
// given, padded sparsely to N sectors; a DVD or BD is padded to a full single-layer disc) and
// then audio tracks of seeded noise, each after a pregap of silence (150 sectors unless told).
// Faults are lines added to NAME.medium ("unreadable = FIRST-LAST", "damaged = FIRST-LAST").
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>

#include "test_media.h"
#include "tool_main.h"

namespace {

using vantric::programmable::DiscPlan;
using vantric::programmable::Profile;
using vantric::programmable::TrackMode;

constexpr int kSectorsPerSecond = 75;

int64_t WholeNumber(const std::string& option, const std::string& text) {
  size_t end = 0;
  const long long value = std::stoll(text, &end);
  if (end != text.size() || value < 0) throw std::runtime_error(option + ": a whole number");
  return value;
}

int Run(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') throw std::runtime_error("NAME expected");
  const std::string name = argv[1];
  std::map<std::string, std::string> options;
  for (int i = 2; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
  if (argc % 2 != 0) throw std::runtime_error(std::string(argv[argc - 1]) + ": a value expected");
  for (const auto& [option, value] : options) {
    if (option != "--profile" && option != "--data" && option != "--data-sectors" &&
        option != "--audio-tracks" && option != "--audio-seconds" && option != "--pregap" &&
        option != "--seed") {
      throw std::runtime_error("unknown option " + option);
    }
  }
  auto number = [&](const std::string& option, int64_t otherwise) {
    return options.contains(option) ? WholeNumber(option, options[option]) : otherwise;
  };

  DiscPlan plan;
  const std::optional<Profile> profile = vantric::programmable::ProfileNamed(
      options.contains("--profile") ? options["--profile"] : "cd-rom");
  if (!profile) throw std::runtime_error("--profile: cd-rom, cd-r, dvd-rom or bd-rom");
  plan.profile = *profile;
  plan.seed = static_cast<uint32_t>(number("--seed", 1));
  plan.data_from = options.contains("--data") ? options["--data"] : "";
  const int64_t full_disc = plan.profile == Profile::kDvdRom  ? 2'295'104
                            : plan.profile == Profile::kBdRom ? 12'219'392
                                                              : 0;
  int64_t data_sectors = full_disc;
  if (!plan.data_from.empty()) {
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(plan.data_from));
    data_sectors = std::max(full_disc, (bytes + 2047) / 2048);
  }
  data_sectors = number("--data-sectors", data_sectors);
  if (data_sectors > 0) plan.tracks.push_back({TrackMode::kData, data_sectors, 0, 1});
  const int64_t audio_tracks = number("--audio-tracks", 0);
  const int64_t audio_sectors = number("--audio-seconds", 20) * kSectorsPerSecond;
  const int64_t pregap = number("--pregap", 150);
  for (int64_t i = 0; i < audio_tracks; ++i) {
    plan.tracks.push_back({TrackMode::kAudio, audio_sectors, plan.tracks.empty() ? 0 : pregap, 1});
  }
  if (plan.tracks.empty()) throw std::runtime_error("no tracks: give --data or --audio-tracks");
  vantric::programmable::WriteTestMedium(name + ".medium", name + ".img", plan);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return vantric::programmable::ToolMain("make-test-media", Run, argc, argv);
}

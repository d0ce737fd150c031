#include "cli/audio_command.h"

#include <cstdlib>
#include <functional>
#include <memory>

#include "cli/cli_app.h"
#include "cli/cli_checks.h"
#include "cli/cli_options.h"
#include "cli/curve_command.h"
#include "cli/curve_progress.h"
#include "cli/drive_choice.h"
#include "cli/terminal_view.h"
#include "curve/audio_extraction.h"
#include "platform/files.h"
#include "results/audio_report.h"
#include "results/result_formats.h"
#include "run/run_messages.h"

namespace vantric {
namespace {

constexpr double kFastestX = 1000;

std::optional<double> SpeedX(const std::string& text) {
  char* end = nullptr;
  const double x = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !(x > 0 && x <= kFastestX)) return std::nullopt;
  return x;
}

bool Overlaps(int64_t first, int64_t end, const std::vector<UnreadableRange>& ranges) {
  for (const UnreadableRange& range : ranges) {
    if (range.first_sector < end && first < range.end_sector) return true;
  }
  return false;
}

// Where the accurate stream is tried: the middle of each track read, away from the sectors that
// came with errors, whose samples need not come back the same.
std::vector<int64_t> AccuratePlaces(const AudioFindings& audio, const AudioSpan& span,
                                    const AudioExtraction& extraction) {
  constexpr int64_t kRoom = AudioReader::kMostSectorsPerRead;
  std::vector<int64_t> places;
  for (const TocTrack& track : audio.toc.tracks) {
    if (track.number < span.first_track || track.number > span.last_track) continue;
    const int64_t at = track.start + track.length / 2 - kRoom / 2;
    if (at < span.first_sector || at + kRoom > span.first_sector + span.sectors) continue;
    if (Overlaps(at - kRoom, at + 2 * kRoom, extraction.c2_errors) ||
        Overlaps(at - kRoom, at + 2 * kRoom, extraction.unreadable)) {
      continue;
    }
    places.push_back(at);
  }
  return places;
}

// For a drive that caches audio: as much to read elsewhere before each re-read as it was seen
// not to hold, where none of `places` lies; {where, how many sectors}.
std::pair<int64_t, int64_t> CacheFlush(const AudioCache& cache, const AudioSpan& span,
                                       const std::vector<int64_t>& places) {
  if (!cache.caches) return {0, 0};
  const int64_t sectors =
      cache.uncached_sectors ? cache.uncached_sectors : 2 * cache.cached_sectors;
  for (int quarter = 0; quarter < 4; ++quarter) {
    const int64_t at = span.first_sector + span.sectors * quarter / 4;
    if (at + sectors > span.first_sector + span.sectors) break;
    bool clear = true;
    for (const int64_t place : places) {
      clear = clear && (place + AudioReader::kMostSectorsPerRead <= at || at + sectors <= place);
    }
    if (clear) return {at, sectors};
  }
  return {0, 0};
}

class AudioRun {
 public:
  AudioRun(const AudioOptions& options, Machine& machine, std::ostream& out, std::ostream& err,
           bool show_progress)
      : options_(options),
        machine_(machine),
        out_(out),
        err_(err),
        show_progress_(show_progress),
        engine_(machine.PlatformWith(pump_)) {
    pump_.Attach(&engine_);
  }

  int Execute() {
    const LocalTime measured_at = machine_.system().GetLocalTime();
    DiscDevices& devices = machine_.disc_devices();
    std::string problem;
    device_ = ChooseDrive(devices, options_.device, true, &problem);
    std::unique_ptr<DriveCommands> commands;
    if (problem.empty()) commands = devices.OpenCommands(device_, &problem);
    if (!commands) {
      err_ << problem << (problem.ends_with('\n') ? "" : ".\n");
      return kExitFailed;
    }
    Mmc mmc(*commands);
    MmcAnswer answer;
    const std::optional<DiscToc> toc = ReadDiscToc(mmc, &answer);
    if (!toc) {
      err_ << "The drive " << device_ << " gives no table of contents of its disc"
           << (answer.ok ? "" : ": " + answer.error) << ".\n";
      return kExitFailed;
    }
    const std::optional<AudioSpan> span = AudioSpanOf(*toc);
    if (!span) {
      err_ << "The disc in " << device_
           << " holds no audio track. For the data on it, use --curve FILE --whole-disc.\n";
      return kExitFailed;
    }
    audio_.toc = *toc;
    audio_.first_track = span->first_track;
    audio_.last_track = span->last_track;
    audio_.tracks_not_read = span->not_read;
    audio_.claims = ReadCapabilities(mmc);
    const std::optional<DriveIdentity> drive = devices.Identify(device_);
    err_ << "Audio CD: " << device_ << (drive ? ", " + DriveName(*drive) : "") << ", tracks "
         << span->first_track << " to " << span->last_track << ", " << span->sectors << " sectors ("
         << MsfText(span->sectors) << ")\n";
    SetSpeed(mmc, toc->lead_out);

    AudioReader reader(mmc, false);
    const bool c2_claimed = !audio_.claims || audio_.claims->c2_pointers;
    const AudioReadStart start = StartAudioReads(reader, span->first_sector, c2_claimed);
    if (!start.ok) {
      if (start.failure->no_medium) return ReadFailed(*start.failure);
      err_ << "The drive " << device_
           << " will not read audio sectors (READ CD as CD-DA): " << start.failure->error << ".\n";
      return kExitFailed;
    }
    audio_.c2_read = start.c2;
    audio_.c2_refused = start.c2_refused;

    AudioExtraction extraction;
    {
      CurveProgressLine line(err_, show_progress_, "Extraction speed");
      extraction =
          ExtractAudio(engine_, reader, span->first_sector, span->sectors, options_.curve_mode,
                       [&line](int percent, double x) { line.Show(percent, x); });
    }
    switch (extraction.outcome) {
      case CurveOutcome::kNoCounter:
        err_ << kNoCounterMessage << "\n";
        return kExitFailed;
      case CurveOutcome::kCancelled:
        return Cancelled();
      case CurveOutcome::kReadFailed:
        return ReadFailed(extraction.failure.value_or(AudioReadFailure{}));
      case CurveOutcome::kTooShort:
        err_ << "The disc in " << device_ << " holds too little audio for a curve.\n";
        return kExitFailed;
      case CurveOutcome::kCompleted:
        break;
    }
    if (const std::optional<int> code = Analyse(reader, *span, extraction)) return *code;

    const CurveSource source{options_.curve_mode,
                             device_,
                             "READ CD",
                             drive,
                             machine_.SimulatedProfile(),
                             measured_at,
                             WholeDisc{device_, FindMedium(devices.CurrentProfile(device_), 0),
                                       span->sectors * kAudioSectorBytes, extraction.unreadable,
                                       true, span->first_sector, extraction.c2_errors},
                             audio_};
    return Write(extraction.points, source);
  }

 private:
  void SetSpeed(Mmc& mmc, int64_t lead_out) {
    if (options_.speed.empty()) return;
    audio_.speed_asked = options_.speed + (options_.speed_x ? "X" : "");
    audio_.speed = DriveSpeed(mmc, DiscMedium::kCd, lead_out).Set(options_.speed_x);
    if (!audio_.speed.ok)
      err_ << "Note: the drive refused the speed: " << audio_.speed.error << "\n";
  }

  // The cache first, so that the accurate stream's re-reads can be kept from coming out of it.
  std::optional<int> Analyse(AudioReader& reader, const AudioSpan& span,
                             const AudioExtraction& extraction) {
    const std::function<bool()> cancelled = [this] {
      engine_.YieldToUI();
      return engine_.CancelRequested;
    };
    CurveProgressLine line(err_, show_progress_, "");
    line.Say("Audio cache ...");
    audio_.cache =
        CheckAudioCache(reader, machine_.clock(), span.first_sector, span.sectors, cancelled);
    if (const std::optional<int> code = Stopped(audio_.cache.failure)) return code;
    line.Say("Accurate stream ...");
    const std::vector<int64_t> places = AccuratePlaces(audio_, span, extraction);
    const auto [flush_at, flush_sectors] = CacheFlush(audio_.cache, span, places);
    audio_.accurate = places.empty()
                          ? AccurateStream{}
                          : CheckAccurateStream(reader, places, flush_at, flush_sectors, cancelled);
    if (places.empty()) audio_.accurate.problem = "no track has an undamaged middle to read";
    return Stopped(audio_.accurate.failure);
  }

  std::optional<int> Stopped(const std::optional<AudioReadFailure>& failure) {
    if (engine_.CancelRequested) return Cancelled();
    if (failure && failure->no_medium) return ReadFailed(*failure);
    return std::nullopt;
  }

  int Cancelled() {
    err_ << "Audio measurement aborted by user.\n";
    return kExitCancelled;
  }

  int ReadFailed(const AudioReadFailure& failure) {
    err_ << DiscReadFailureMessage(device_, failure.sector, failure.error) << "\n";
    return kExitReadFailed;
  }

  // The report comes first, so that minutes of reading are not lost with a file that cannot be
  // written.
  int Write(const std::vector<CurvePoint>& points, const CurveSource& source) {
    if (options_.json_path != "-") out_ << AudioReportText(points, source) << std::flush;
    bool written = true;
    if (!options_.curve_path.empty()) {
      const WholeDisc& disc = *source.disc;
      const std::string text = ResultFormatOfPath(options_.curve_path)
                                   ->write_curve(points, source, disc.Mb(disc.Sectors()));
      if (!ReplaceFileContents(options_.curve_path, text)) {
        err_ << "Error writing curve file " << options_.curve_path << ".\n";
        written = false;
      }
    }
    if (!options_.json_path.empty() &&
        !WriteJsonOutput(options_.json_path, CurveJson(points, source), out_)) {
      err_ << "Error writing JSON file.\n";
      written = false;
    }
    if (!written) return kExitFailed;
    return source.disc->unreadable.empty() && source.disc->c2_errors.empty() ? kExitCompleted
                                                                             : kExitReadFailed;
  }

  const AudioOptions& options_;
  Machine& machine_;
  std::ostream& out_;
  std::ostream& err_;
  bool show_progress_;
  TerminalPump pump_;
  Engine engine_;
  std::string device_;
  AudioFindings audio_;
};

}  // namespace

std::optional<std::string> ParseAudioOptions(const std::vector<std::string>& arguments,
                                             AudioOptions* options) {
  *options = AudioOptions();
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "-h" || argument == "--help") {
      options->help = true;
      continue;
    }
    if (argument == "--quiet") {
      options->quiet = true;
      continue;
    }
    const std::string name = OptionName(argument);
    if (name != "--device" && name != "--curve" && name != "--curve-mode" && name != "--json" &&
        name != "--speed") {
      return "unknown argument for audio: " + argument;
    }
    const std::optional<std::string> given = OptionValue(arguments, &i);
    if (!given || given->empty()) return name + " needs a value";
    const std::string& value = *given;
    if (name == "--device") {
      options->device = value;
    } else if (name == "--curve") {
      options->curve_path = value;
    } else if (name == "--json") {
      options->json_path = value;
    } else if (name == "--curve-mode") {
      if (auto error = ParseCurveMode(value, &options->curve_mode)) return error;
    } else {
      options->speed = value;
      if (value != "max") {
        options->speed_x = SpeedX(value);
        if (!options->speed_x)
          return "--speed is max or a number of X above 0, not \"" + value + "\"";
      }
    }
  }
  if (options->help) return std::nullopt;
  if (!options->curve_path.empty()) {
    if (!ResultFormatOfPath(options->curve_path)) {
      return "the --curve file must end in " + ResultExtensionList() + ": " + options->curve_path;
    }
    if (options->curve_path == "-" || !JsonPathUsable(options->curve_path)) {
      return "cannot write the --curve file " + options->curve_path;
    }
    if (options->curve_path == options->json_path) {
      return std::string("--curve and --json name the same file");
    }
  }
  if (!options->json_path.empty() && !JsonPathUsable(options->json_path)) {
    return "cannot write the --json file " + options->json_path;
  }
  return std::nullopt;
}

int RunAudioOn(const AudioOptions& options, Machine& machine, std::ostream& out, std::ostream& err,
               bool show_progress) {
  return AudioRun(options, machine, out, err, show_progress).Execute();
}

int RunAudioCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool err_is_terminal) {
  AudioOptions options;
  if (auto error = ParseAudioOptions(arguments, &options)) return InvalidOptions(err, *error);
  if (options.help) {
    out << CliUsage();
    return kExitCompleted;
  }
  std::string error;
  std::unique_ptr<Machine> machine = MakeMachine("", {}, {}, &error);
  if (!machine) return InvalidOptions(err, error);
  return RunAudioOn(options, *machine, out, err, err_is_terminal && !options.quiet);
}

}  // namespace vantric

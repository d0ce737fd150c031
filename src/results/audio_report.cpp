#include "results/audio_report.h"

#include <cstdio>

#include "curve/audio_extraction.h"
#include "results/curve_report.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr int64_t kFramesPerSecond = 75;

std::string Claimed(const std::optional<Capabilities>& claims, bool Capabilities::*claim) {
  if (!claims) return "the drive does not say";
  return std::string("the drive claims ") + (*claims.*claim ? "it" : "it does not");
}

std::string TocLines(const DiscToc& toc) {
  int audio = 0;
  for (const TocTrack& track : toc.tracks) audio += track.audio ? 1 : 0;
  const int data = static_cast<int>(toc.tracks.size()) - audio;
  std::string text = "Tracks: " + std::to_string(audio) + " audio, " + std::to_string(data) +
                     " data; " + std::to_string(toc.sessions) +
                     (toc.sessions == 1 ? " session" : " sessions") + "; lead-out at sector " +
                     std::to_string(toc.lead_out) + " (" + MsfText(toc.lead_out) + ")\n";
  for (const TocTrack& track : toc.tracks) {
    char line[128];
    std::snprintf(line, sizeof line, "  %2d  %-5s  session %d  sector %7lld  %s long\n",
                  track.number, track.audio ? "audio" : "data", track.session,
                  static_cast<long long>(track.start), MsfText(track.length).c_str());
    text += line;
  }
  return text;
}

std::string SpeedLine(const AudioFindings& audio) {
  if (audio.speed_asked.empty()) return "";
  const std::string now = audio.speed.x ? "the drive reads at " + FixedText(*audio.speed.x, 1) + "X"
                                        : "the drive does not say what it reads at";
  if (!audio.speed.ok)
    return "Speed: " + audio.speed_asked + " refused (" + audio.speed.error + "); " + now + "\n";
  return "Speed: " + audio.speed_asked + " asked, " + now + "\n";
}

std::string AccurateLine(const AudioFindings& audio) {
  const AccurateStream& a = audio.accurate;
  const std::string claim = " (" + Claimed(audio.claims, &Capabilities::accurate_stream) + ")\n";
  if (!a.measured) return "Accurate stream: not measured: " + a.problem + claim;
  if (a.Accurate()) {
    return "Accurate stream: yes: " + std::to_string(a.rereads) +
           " re-reads from other sectors landed where the first read did" + claim;
  }
  std::string text = "Accurate stream: no: " + std::to_string(a.off) + " of " +
                     std::to_string(a.rereads) + " re-reads landed elsewhere than the first read";
  if (!a.offsets.empty()) {
    const int spread = a.SpreadSamples();
    text += ", up to " + std::to_string(spread) + " samples apart (" +
            (spread % 2 ? "about " : "") + "±" + std::to_string((spread + 1) / 2) + ")";
  }
  if (a.unmatched > 0) {
    text += "; " + std::to_string(a.unmatched) + " nowhere within " +
            std::to_string(kAccurateStreamSearchSamples) + " samples";
  }
  return text + claim;
}

std::string KbText(int64_t sectors) {
  return FixedText(static_cast<double>(sectors) * kAudioSectorBytes / 1024, 0) + " KB";
}

std::string CacheLine(const AudioCache& c) {
  if (!c.measured) return "Audio cache: not measured: " + c.problem + "\n";
  const std::string times = "a re-read of a sector just read took " + FixedText(c.reread_ms, 1) +
                            " ms, a read from the disc " + FixedText(c.disc_ms, 1) + " ms";
  if (!c.caches) return "Audio cache: none: " + times + "\n";
  std::string size = "it still held the first of " + std::to_string(c.cached_sectors) +
                     " sectors read (" + KbText(c.cached_sectors) + ")";
  size += c.uncached_sectors ? " but not of " + std::to_string(c.uncached_sectors) + " (" +
                                   KbText(c.uncached_sectors) + ")"
                             : ", the most tried";
  return "Audio cache: yes: " + times + "; " + size + "\n";
}

std::string C2Lines(const AudioFindings& audio, const WholeDisc& disc) {
  const std::string claim = " (" + Claimed(audio.claims, &Capabilities::c2_pointers) + ")";
  if (!audio.c2_read) {
    const std::string why =
        audio.c2_refused.empty() ? "" : "; it refused them: " + audio.c2_refused;
    return "C2 error pointers: not reported by this drive" + claim + why +
           "; no C2 scan, no sector mapped\n";
  }
  return "C2 error pointers: reported" + claim + "\n" +
         RangeLines(disc, disc.c2_errors, "C2 errors", "the audio");
}

}  // namespace

std::string MsfText(int64_t sectors) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld.%02lld",
                static_cast<long long>(sectors / kFramesPerSecond / 60),
                static_cast<long long>(sectors / kFramesPerSecond % 60),
                static_cast<long long>(sectors % kFramesPerSecond));
  return text;
}

std::string AudioReportText(const std::vector<CurvePoint>& points, const CurveSource& source) {
  const WholeDisc& disc = *source.disc;
  const AudioFindings& audio = *source.audio;
  std::string read =
      "Read: tracks " + std::to_string(audio.first_track) + " to " +
      std::to_string(audio.last_track) + ", sectors " + std::to_string(disc.first_sector) + " to " +
      std::to_string(disc.first_sector + disc.Sectors() - 1) + " (" + MsfText(disc.Sectors()) +
      ", " + FixedText(disc.Mb(disc.Sectors()), 1) + " MB) as CD-DA; " + disc.OneXText() + "\n";
  if (!audio.tracks_not_read.empty()) {
    read += "Not read: track";
    for (size_t i = 0; i < audio.tracks_not_read.size(); ++i) {
      read += (i                                  ? ", "
               : audio.tracks_not_read.size() > 1 ? "s "
                                                  : " ") +
              std::to_string(audio.tracks_not_read[i]);
    }
    read += ", audio after a data track\n";
  }
  return "Audio CD in " + CurveTitle(source) + ", " + MinuteText(source.measured_at) + "\n" +
         TocLines(audio.toc) + read + SpeedLine(audio) +
         "Extraction speed: " + CurveModeName(source.mode) + " curve, " +
         std::to_string(points.size()) + " stretches\n" +
         CurveSummaryLines(points, CdDaOneXKbps()) + AccurateLine(audio) + CacheLine(audio.cache) +
         C2Lines(audio, disc) + RangeLines(disc, disc.unreadable, "Unreadable", "the audio");
}

}  // namespace vantric

#include "results/audio_json.h"

#include "results/json_text.h"

namespace vantric {
namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Claim(const std::optional<Capabilities>& claims, bool Capabilities::*claim) {
  return claims ? Bool(*claims.*claim) : "null";
}

std::string TextOrNull(const std::string& text) { return text.empty() ? "null" : JsonString(text); }

// {"Name": value, ...} from the members in order, each on a line of its own at `indent`.
class JsonMembersText {
 public:
  explicit JsonMembersText(int indent) : indent_(indent) {}
  JsonMembersText& Add(const char* name, const std::string& value) {
    text_ += (text_.empty() ? "{\n" : ",\n") + std::string(indent_ + 2, ' ') + "\"" + name +
             "\": " + value;
    return *this;
  }
  std::string Text() const { return text_ + "\n" + std::string(indent_, ' ') + "}"; }

 private:
  int indent_;
  std::string text_;
};

std::string TracksJson(const DiscToc& toc) {
  std::string out = "[";
  for (size_t i = 0; i < toc.tracks.size(); ++i) {
    const TocTrack& track = toc.tracks[i];
    out += (i == 0 ? "\n      " : ",\n      ") + std::string("{\"Number\": ") +
           std::to_string(track.number) + ", \"Session\": " + std::to_string(track.session) +
           ", \"Audio\": " + Bool(track.audio) + ", \"Start\": " + std::to_string(track.start) +
           ", \"Sectors\": " + std::to_string(track.length) + "}";
  }
  return out + "\n    ]";
}

std::string NumberList(const std::vector<int>& numbers) {
  std::string out = "[";
  for (size_t i = 0; i < numbers.size(); ++i) {
    out += (i ? ", " : "") + std::to_string(numbers[i]);
  }
  return out + "]";
}

std::string AccurateJson(const AccurateStream& a) {
  JsonMembersText o(4);
  o.Add("Measured", Bool(a.measured)).Add("Problem", TextOrNull(a.problem));
  if (!a.measured) return o.Add("Accurate", "null").Text();
  return o.Add("Accurate", Bool(a.Accurate()))
      .Add("FirstSector", std::to_string(a.first_sector))
      .Add("Rereads", std::to_string(a.rereads))
      .Add("Off", std::to_string(a.off))
      .Add("Unmatched", std::to_string(a.unmatched))
      .Add("SpreadSamples", std::to_string(a.SpreadSamples()))
      .Add("OffsetsSamples", NumberList(a.offsets))
      .Text();
}

std::string CacheJson(const AudioCache& c) {
  JsonMembersText o(4);
  o.Add("Measured", Bool(c.measured)).Add("Problem", TextOrNull(c.problem));
  if (!c.measured) return o.Add("Caches", "null").Text();
  const auto sectors = [](int64_t count) { return count ? std::to_string(count) : "null"; };
  return o.Add("Caches", Bool(c.caches))
      .Add("RereadMs", JsonNumber(c.reread_ms))
      .Add("DiscMs", JsonNumber(c.disc_ms))
      .Add("CachedSectors", c.caches ? sectors(c.cached_sectors) : "null")
      .Add("UncachedSectors", c.caches ? sectors(c.uncached_sectors) : "null")
      .Text();
}

}  // namespace

std::string AudioJson(const AudioFindings& audio) {
  return JsonMembersText(2)
      .Add("Tracks", TracksJson(audio.toc))
      .Add("Sessions", std::to_string(audio.toc.sessions))
      .Add("LeadOut", std::to_string(audio.toc.lead_out))
      .Add("FirstTrackRead", std::to_string(audio.first_track))
      .Add("LastTrackRead", std::to_string(audio.last_track))
      .Add("TracksNotRead", NumberList(audio.tracks_not_read))
      .Add("ClaimsCdDa", Claim(audio.claims, &Capabilities::cd_da))
      .Add("ClaimsAccurateStream", Claim(audio.claims, &Capabilities::accurate_stream))
      .Add("ClaimsC2Pointers", Claim(audio.claims, &Capabilities::c2_pointers))
      .Add("C2Scan", Bool(audio.c2_read))
      .Add("C2Refused", TextOrNull(audio.c2_refused))
      .Add("SpeedAsked", TextOrNull(audio.speed_asked))
      .Add("SpeedX", audio.speed.x ? JsonNumber(*audio.speed.x) : "null")
      .Add("SpeedError", TextOrNull(audio.speed.error))
      .Add("AccurateStream", AccurateJson(audio.accurate))
      .Add("Cache", CacheJson(audio.cache))
      .Text();
}

}  // namespace vantric

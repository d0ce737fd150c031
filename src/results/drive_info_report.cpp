#include "results/drive_info_report.h"

#include <vector>

#include "curve/whole_disc.h"
#include "results/json_text.h"
#include "run/program_version.h"
#include "run/value_text.h"

namespace vantric {
namespace {

constexpr const char* kUnknown = "unknown";

template <typename T, typename Show>
std::string Known(const std::optional<T>& value, Show show) {
  return value ? show(*value) : kUnknown;
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

// The profiles the drive lists, or those it writes; "none" for an empty list.
std::vector<std::string> ProfileNames(const Features& features, bool written_only) {
  std::vector<std::string> names;
  for (const MediaProfile& profile : features.profiles) {
    if (!written_only || profile.writes) names.push_back(ProfileName(profile.number));
  }
  return names;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text.empty() ? "none" : text;
}

// A capabilities page field of 0 is one the drive left empty.
std::optional<uint32_t> Field(const std::optional<Capabilities>& page,
                              uint32_t Capabilities::*field) {
  if (!page || (*page).*field == 0) return std::nullopt;
  return (*page).*field;
}

std::optional<bool> Flag(const std::optional<Capabilities>& page, bool Capabilities::*flag) {
  if (!page) return std::nullopt;
  return (*page).*flag;
}

std::string SpeedText(double x) { return FixedText(x, 1) + "X"; }

std::optional<int> Sessions(const DiscInfo& disc) {
  if (disc.toc) return disc.toc->sessions;
  if (disc.information && disc.information->sessions > 0) return disc.information->sessions;
  return std::nullopt;
}

std::string MediumText(const DiscInfo& disc) {
  const std::string kind(MediumName(disc.medium.medium));
  if (!disc.profile) return "unknown (a " + kind + " by its size)";
  return ProfileName(*disc.profile) + " (" + kind + ")";
}

std::string SizeText(const DiscInfo& disc) {
  if (!disc.capacity) return kUnknown;
  const int64_t sectors = disc.capacity->sectors;
  std::string text = std::to_string(sectors) + " sectors of " +
                     std::to_string(disc.capacity->sector_bytes) + " bytes, " +
                     FixedText(static_cast<double>(*DiscBytes(disc)) / kBytesPerMb, 1) + " MB";
  if (disc.medium.medium == DiscMedium::kCd) {
    text += ", " + FixedText(CdMinutes(sectors), 1) + " minutes";
  }
  return text;
}

std::string DiscText(const DriveInfo& info) {
  switch (info.presence) {
    case DiscPresence::kNone:
      return "Disc:               none\n";
    case DiscPresence::kNotReady:
      return "Disc:               not ready: " + info.not_ready + "\n";
    case DiscPresence::kReady:
      break;
  }
  const DiscInfo& disc = *info.disc;
  std::string text =
      "Disc:               " + MediumText(disc) + "\n" + "Status:             " +
      Known(disc.information,
            [](const DiscInformation& d) { return std::string(DiscStatusName(d.status)); }) +
      "\n" + "Size:               " + SizeText(disc) + "\n" +
      "Sessions:           " + Known(Sessions(disc), [](int n) { return std::to_string(n); }) +
      "\n";
  if (!disc.toc) return text + "Tracks:             unknown\n";
  for (const TocTrack& track : disc.toc->tracks) {
    text += "Track " + std::to_string(track.number) + ":" +
            std::string(track.number < 10 ? 12 : 11, ' ') + (track.audio ? "audio" : "data") +
            ", session " + std::to_string(track.session) + ", sectors " +
            std::to_string(track.start) + " to " + std::to_string(track.start + track.length - 1) +
            " (" + std::to_string(track.length) + ")\n";
  }
  return text;
}

std::string JsonKnownString(const std::optional<std::string>& text) {
  return text ? JsonString(*text) : "null";
}

std::string JsonFlag(const std::optional<bool>& flag) {
  return flag ? (*flag ? "true" : "false") : "null";
}

std::string JsonList(const std::vector<std::string>& names) {
  std::string out = "[";
  for (size_t i = 0; i < names.size(); ++i) out += (i ? ", " : "") + JsonString(names[i]);
  return out + "]";
}

std::string JsonCount(const std::optional<int64_t>& value) {
  return value ? std::to_string(*value) : "null";
}

std::string DiscJson(const DiscInfo& disc) {
  std::string tracks = "null";
  if (disc.toc) {
    tracks = "[";
    for (size_t i = 0; i < disc.toc->tracks.size(); ++i) {
      const TocTrack& t = disc.toc->tracks[i];
      tracks += std::string(i ? ",\n" : "\n") + "    {\"Number\": " + std::to_string(t.number) +
                ", \"Session\": " + std::to_string(t.session) +
                ", \"Type\": " + JsonString(t.audio ? "audio" : "data") +
                ", \"Start\": " + std::to_string(t.start) +
                ", \"Length\": " + std::to_string(t.length) + "}";
    }
    tracks += disc.toc->tracks.empty() ? "]" : "\n  ]";
  }
  const std::optional<int64_t> bytes = DiscBytes(disc);
  const bool cd = disc.medium.medium == DiscMedium::kCd;
  const std::optional<int> sessions = Sessions(disc);
  return std::string("{") + "\"Profile\": " +
         (disc.profile ? JsonString(ProfileName(*disc.profile)) : std::string("null")) +
         ", \"Medium\": " + JsonString(std::string(MediumName(disc.medium.medium))) +
         ", \"MediumFrom\": " + JsonString(disc.medium.from_drive ? "drive" : "size") +
         ", \"Status\": " +
         (disc.information ? JsonString(std::string(DiscStatusName(disc.information->status)))
                           : std::string("null")) +
         ", \"Sectors\": " +
         JsonCount(disc.capacity ? std::optional(disc.capacity->sectors) : std::nullopt) +
         ", \"MB\": " +
         (bytes ? JsonNumber(static_cast<double>(*bytes) / kBytesPerMb) : std::string("null")) +
         ", \"Minutes\": " +
         (cd && disc.capacity ? JsonNumber(CdMinutes(disc.capacity->sectors))
                              : std::string("null")) +
         ", \"Sessions\": " + (sessions ? std::to_string(*sessions) : std::string("null")) +
         ",\n  \"Tracks\": " + tracks + "}";
}

std::string PresenceName(DiscPresence presence) {
  switch (presence) {
    case DiscPresence::kReady:
      return "ready";
    case DiscPresence::kNone:
      return "none";
    case DiscPresence::kNotReady:
      break;
  }
  return "not ready";
}

}  // namespace

std::string DriveInfoText(const DriveInfo& info) {
  const std::optional<InquiryData>& names = info.inquiry;
  const auto name = [&names](std::string InquiryData::*part) {
    return names ? (*names).*part : std::string(kUnknown);
  };
  const std::optional<Capabilities>& page = info.capabilities;
  const auto flag = [&page](bool Capabilities::*f) {
    return Known(Flag(page, f), [](bool b) { return YesNo(b); });
  };
  const std::string medium(MediumName(info.speed_medium));
  return "Device:             " + info.device + "\n" +
         "Vendor:             " + name(&InquiryData::vendor) + "\n" +
         "Model:              " + name(&InquiryData::model) + "\n" +
         "Revision:           " + name(&InquiryData::revision) + "\n" +
         "Serial number:      " + info.serial.value_or(kUnknown) + "\n" + "Loader:             " +
         Known(page, [](const Capabilities& c) { return std::string(LoaderName(c.loader)); }) +
         "\n" + "Bus:                " + (info.bus.empty() ? kUnknown : info.bus) + "\n" +
         "Reads:              " +
         Known(info.features, [](const Features& f) { return Joined(ProfileNames(f, false)); }) +
         "\n" + "Writes:             " +
         Known(info.features, [](const Features& f) { return Joined(ProfileNames(f, true)); }) +
         "\n" + "Top read speed:     " + Known(info.top_x, SpeedText) + " (" + medium + ")\n" +
         "Read speed now:     " + Known(info.current_x, SpeedText) + " (" + medium + ")\n" +
         "Buffer:             " +
         Known(Field(page, &Capabilities::buffer_kb),
               [](uint32_t kb) { return std::to_string(kb) + " KB"; }) +
         "\n" + "Reads CD-DA:        " + flag(&Capabilities::cd_da) + "\n" +
         "Accurate stream:    " + flag(&Capabilities::accurate_stream) + "\n" +
         "C2 error pointers:  " + flag(&Capabilities::c2_pointers) + "\n" + DiscText(info);
}

std::string DriveInfoJson(const DriveInfo& info) {
  const std::optional<Capabilities>& page = info.capabilities;
  const std::optional<DriveIdentity> drive =
      info.inquiry ? std::optional(DriveIdentity{info.device, info.inquiry->vendor,
                                                 info.inquiry->model, info.inquiry->revision})
                   : std::nullopt;
  const auto speed = [](const std::optional<double>& x) { return x ? JsonNumber(*x) : "null"; };
  return JsonObjectText({
      {"Vantric", JsonString(kProgramVersion)},
      {"Format", std::to_string(kResultFormat)},
      {"Device", JsonString(info.device)},
      {"Drive", JsonDriveObject(drive)},
      {"Serial", JsonKnownString(info.serial)},
      {"Loader", page ? JsonString(std::string(LoaderName(page->loader))) : std::string("null")},
      {"Bus", info.bus.empty() ? "null" : JsonString(info.bus)},
      {"Reads", info.features ? JsonList(ProfileNames(*info.features, false)) : "null"},
      {"Writes", info.features ? JsonList(ProfileNames(*info.features, true)) : "null"},
      {"SpeedMedium", JsonString(std::string(MediumName(info.speed_medium)))},
      {"TopSpeedX", speed(info.top_x)},
      {"CurrentSpeedX", speed(info.current_x)},
      {"BufferKB", JsonCount(Field(page, &Capabilities::buffer_kb))},
      {"CdDa", JsonFlag(Flag(page, &Capabilities::cd_da))},
      {"AccurateStream", JsonFlag(Flag(page, &Capabilities::accurate_stream))},
      {"C2Pointers", JsonFlag(Flag(page, &Capabilities::c2_pointers))},
      {"DiscState", JsonString(PresenceName(info.presence))},
      {"DiscProblem",
       info.presence == DiscPresence::kNotReady ? JsonString(info.not_ready) : std::string("null")},
      {"Disc", info.disc ? DiscJson(*info.disc) : "null"},
  });
}

}  // namespace vantric

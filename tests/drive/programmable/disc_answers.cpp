// The disc's layout: its capacity, tables of contents, disc and track information.
#include <algorithm>

#include "drive.h"

namespace vantric::programmable {
namespace {

constexpr uint8_t kLeadOut = 0xAA;
constexpr uint8_t kAdrPosition = 0x10;  // Q sub-channel mode 1: track positions

uint8_t Control(const Track& track) { return track.mode == TrackMode::kData ? 0x04 : 0x00; }

// A TOC address: an LBA, or 0, minute, second, frame.
void Address(Bytes& data, int64_t lba, bool msf) {
  if (!msf) {
    data.U32(static_cast<uint32_t>(lba));
    return;
  }
  const Msf time = ToMsf(lba);
  data.U8(0).U8(time.minute).U8(time.second).U8(time.frame);
}

// A full TOC entry: a point and the time it gives.
void Point(Bytes& data, int session, uint8_t control, uint8_t point, Msf time) {
  data.U8(session).U8(kAdrPosition | control).U8(0).U8(point).Zeros(4);
  data.U8(time.minute).U8(time.second).U8(time.frame);
}

}  // namespace

void ProgrammableDrive::ReadCapacity(Call& call) {
  Bytes data;
  data.U32(static_cast<uint32_t>(Capacity() - 1)).U32(kDataSectorBytes);
  Deliver(call.reply, std::move(data.data()), 8);
}

void ProgrammableDrive::ReadToc(Call& call) {
  const bool msf = call.cdb()[1] & 0x02;
  // Older hosts give the format in the top bits of the last byte.
  uint8_t format = call.cdb()[2] & 0x0F;
  if (format == 0) format = call.cdb()[9] >> 6;
  const uint8_t from = call.cdb()[6];
  const std::vector<Track>& tracks = medium_.tracks();
  const Track& last = tracks.back();
  Bytes data;
  data.U16(0);
  if (format == 0) {
    if (from > last.number && from != kLeadOut) throw kInvalidFieldInCdb;
    data.U8(1).U8(last.number);
    for (const Track& track : tracks) {
      if (track.number < from) continue;
      data.U8(0).U8(kAdrPosition | Control(track)).U8(track.number).U8(0);
      Address(data, track.start, msf);
    }
    data.U8(0).U8(kAdrPosition | Control(last)).U8(kLeadOut).U8(0);
    Address(data, Capacity(), msf);
  } else if (format == 1) {
    const Track* first = &medium_.FirstTrackOf(last.session);
    data.U8(1).U8(last.session);
    data.U8(0).U8(kAdrPosition | Control(*first)).U8(first->number).U8(0);
    Address(data, first->start, msf);
  } else if (format == 2 && IsCd(medium_.profile())) {
    data.U8(1).U8(last.session);
    for (int session = std::max<int>(from, 1); session <= last.session; ++session) {
      const Track* first = &medium_.FirstTrackOf(session);
      const Track* end = first;
      while (end->number < last.number && tracks[end->number].session == session) {
        end = &tracks[end->number];
      }
      // A0: the first track and the disc's type; A1: the last track; A2: the lead-out.
      // (A disc type of 00h: CD-DA or CD-ROM.)
      Point(data, session, Control(*first), 0xA0, {first->number, 0x00, 0});
      Point(data, session, Control(*end), 0xA1, {end->number, 0, 0});
      Point(data, session, Control(*end), 0xA2, ToMsf(end->end()));
      for (const Track& track : tracks) {
        if (track.session == session) {
          Point(data, session, Control(track), static_cast<uint8_t>(track.number),
                ToMsf(track.start));
        }
      }
    }
  } else {
    throw kInvalidFieldInCdb;
  }
  data.Put16(0, static_cast<uint32_t>(data.size() - 2));
  Deliver(call.reply, std::move(data.data()), Get16(call.cdb(), 7));
}

void ProgrammableDrive::ReadDiscInformation(Call& call) {
  if (call.cdb()[1] & 0x07) throw kInvalidFieldInCdb;  // standard disc information only
  const std::vector<Track>& tracks = medium_.tracks();
  const Track& last = tracks.back();
  const Track& first_of_last = medium_.FirstTrackOf(last.session);
  Bytes data;
  // A finalized disc: its last session complete, nothing more can be written.
  data.U16(32).U8(0x0E).U8(1).U8(last.session).U8(first_of_last.number).U8(last.number);
  data.U8(0).U8(0x00).U8(0).U8(0).U8(0).U32(0);
  data.U32(0xFFFFFFFF).U32(0xFFFFFFFF).Zeros(8).U8(0).U8(0);
  Deliver(call.reply, std::move(data.data()), Get16(call.cdb(), 7));
}

void ProgrammableDrive::ReadTrackInformation(Call& call) {
  const uint8_t kind = call.cdb()[1] & 0x03;
  const uint32_t address = Get32(call.cdb(), 2);
  const Track* track = nullptr;
  if (kind == 0) {
    track = medium_.TrackAt(address);
    if (track == nullptr) throw kLbaOutOfRange;
  } else if (kind == 1) {
    track = &TrackNumbered(static_cast<int>(std::min<uint32_t>(address, 0xFFFF)));
  } else if (kind == 2) {
    if (address < 1 || address > static_cast<uint32_t>(medium_.sessions())) {
      throw kInvalidFieldInCdb;
    }
    track = &medium_.FirstTrackOf(static_cast<int>(address));
  } else {
    throw kInvalidFieldInCdb;
  }
  const bool data_track = track->mode == TrackMode::kData;
  Bytes info;
  info.U16(34).U8(track->number).U8(track->session).U8(0);
  info.U8(Control(*track)).U8(data_track ? 0x01 : 0x0F).U8(0);
  info.U32(static_cast<uint32_t>(track->start)).U32(0).U32(0).U32(0);
  info.U32(static_cast<uint32_t>(track->sectors)).U32(0).U8(0).U8(0).U16(0);
  Deliver(call.reply, std::move(info.data()), Get16(call.cdb(), 7));
}

}  // namespace vantric::programmable

#pragma once

#include <memory>

#include "platform/drives.h"
#include "sim/scripted_disc_file.h"
#include "sim/simulation.h"
#include "sim/table_drives.h"
#include "sim/virtual_clock.h"

namespace vantric::testing {

// Makes D: a CD-ROM drive holding a full-size test file whose reads take the times a script
// gives. Every search for the disc opens the file anew; `*opened` is the one opened last.
inline void PutScriptedTestDisc(TableDrives& drives, VirtualClock& clock,
                                ScriptedDiscFile** opened) {
  drives.SetDriveType('D', DRIVE_CDROM);
  drives.AddFile(kSimulatedTestFilePath, [&clock, opened] {
    auto made = std::make_unique<ScriptedDiscFile>(clock, kSimulatedTestFileBytes);
    *opened = made.get();
    return made;
  });
}

}  // namespace vantric::testing

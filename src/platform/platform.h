#pragma once

#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/ui_pump.h"

namespace vantric {

// The services the engine and the run driver are given instead of calling the OS.
struct Platform {
  Clock& clock;
  Drives& drives;
  Registry& registry;
  System& system;
  UiPump& pump;
};

}  // namespace vantric

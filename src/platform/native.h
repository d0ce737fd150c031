#pragma once

// The machine's own services, under one name on every system, for the programs to make.
#ifdef _WIN32
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#else
#include "platform/linux_clock.h"
#include "platform/linux_drives.h"
#include "platform/linux_registry.h"
#include "platform/linux_system.h"
#endif

namespace vantric {

#ifdef _WIN32
using NativeClock = Win32Clock;
using NativeDrives = Win32Drives;
using NativeRegistry = Win32Registry;
using NativeSystem = Win32System;
#else
using NativeClock = LinuxClock;
using NativeDrives = LinuxDrives;
using NativeRegistry = LinuxRegistry;
using NativeSystem = LinuxSystem;
#endif

}  // namespace vantric

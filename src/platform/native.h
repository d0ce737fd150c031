#pragma once

// The machine's own services, under one name on every system, for the programs to make.
//
// How the rest of the program is kept apart from the system it runs on, and why each way:
// - Virtual interfaces (clock.h, drives.h, disc_file.h, registry.h, system.h, ui_pump.h) where
//   tests and the simulated drives put something else in the system's place.
// - A choice at link time (files.h, implemented in linux/ or win32/) where only the system the
//   build is for differs and nothing needs to stand in for it: the files the program writes.
// - This header, the one place that names each kind's native implementation.
// Nothing duck-typed: what a program asks of a service is in its interface, never in a member
// that only the native class has.
#ifdef _WIN32
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#else
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_registry.h"
#include "platform/linux/linux_system.h"
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

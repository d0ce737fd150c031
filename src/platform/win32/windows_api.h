#pragma once

// The Win32 API for the platform layer. Windows names a few things as the drive interface
// does; its macros give way to the interface's names, whose values are the same.
#include <windows.h>

#undef GetDriveType
#undef DRIVE_UNKNOWN
#undef DRIVE_NO_ROOT_DIR
#undef DRIVE_REMOVABLE
#undef DRIVE_FIXED
#undef DRIVE_REMOTE
#undef DRIVE_CDROM
#undef DRIVE_RAMDISK

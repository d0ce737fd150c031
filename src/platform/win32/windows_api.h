#pragma once

// The Win32 API for the platform layer and the toolkit. Windows names a few things as the drive
// interface does; its macros give way to the interface's names, whose values are the same. Its
// TextOut macro gives way to the report canvas's call of that name.
#include <windows.h>

#undef GetDriveType
#undef DRIVE_UNKNOWN
#undef DRIVE_NO_ROOT_DIR
#undef DRIVE_REMOVABLE
#undef DRIVE_FIXED
#undef DRIVE_REMOTE
#undef DRIVE_CDROM
#undef DRIVE_RAMDISK

#undef TextOut

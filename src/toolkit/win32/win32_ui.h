#pragma once

// The Win32 user interface for the toolkit: windows and GDI, the common controls (the progress
// bar) and the common dialogs (the save dialog).
#include "platform/win32/windows_api.h"
// windows.h first: these two build on it.
#include <commctrl.h>
#include <commdlg.h>

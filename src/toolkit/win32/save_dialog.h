#pragma once

#include <optional>
#include <string>

#include "forms/toolkit.h"
#include "toolkit/win32/win32_ui.h"

namespace vantric {

// The system's save dialog, modal to `owner`: the full path of the name confirmed, nothing
// when cancelled.
std::optional<std::string> RunSaveDialog(HWND owner, const SaveDialogSettings& settings);

}  // namespace vantric

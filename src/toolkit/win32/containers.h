#pragma once

#include "toolkit/win32/win32_ui.h"

namespace vantric {

// Group boxes and panels hold controls of their own. What those controls tell their parent
// (clicks, colours, drawing) is passed on to the window they belong to, which handles it for
// all its controls.
inline constexpr const char* kPanelClass = "VantricPanel";

// Registers the panel's window class: a raised face holding its controls.
void RegisterPanelClass(HINSTANCE instance);

// Makes a group box made with the system's button class pass its controls' messages on, and
// draws it in the classic colours instead of the desktop's.
void AdoptGroupBox(HWND group_box);

}  // namespace vantric

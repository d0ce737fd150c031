#pragma once

#include "forms/window_layout.h"
#include "toolkit/win32/win32_ui.h"

namespace vantric {

// The system's window class a control is made of, with the styles that make it the control the
// layout asks for.
struct ControlClass {
  const char* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(const ControlLayout& control);

}  // namespace vantric

#include "forms/toolkit.h"
#include "toolkit/win32/win32_toolkit.h"

namespace vantric {

std::unique_ptr<Toolkit> MakeNativeToolkit(int&, char**) {
  return std::make_unique<Win32Toolkit>();
}

}  // namespace vantric

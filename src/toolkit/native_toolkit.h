#pragma once

#include <memory>

#include "forms/toolkit.h"

namespace vantric {

// The toolkit of the system the program was built for, made before any window. It may take
// options of its own out of the command line.
std::unique_ptr<Toolkit> MakeNativeToolkit(int& argc, char** argv);

}  // namespace vantric

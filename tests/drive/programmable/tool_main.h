#pragma once

#include <exception>
#include <iostream>

namespace vantric::programmable {

// A tool's main: runs it, and turns what it throws into a message and exit code 1.
inline int ToolMain(const char* name, int (*run)(int, char**), int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << name << ": " << error.what() << '\n';
    return 1;
  }
}

}  // namespace vantric::programmable

# Cross-builds the Windows programs with MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Libraries cross-built for this toolchain (GoogleTest, by scripts/build-windows) are found in
# VANTRIC_WINDOWS_DEPS, never the build machine's own.
set(VANTRIC_WINDOWS_DEPS "" CACHE PATH "Install prefix of libraries built for Windows")
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${VANTRIC_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every .exe carries its C and C++ runtimes (and winpthread), so it runs on a bare Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests run under Wine; ctest and gtest_discover_tests go through it.
find_program(VANTRIC_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VANTRIC_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VANTRIC_WINE})
endif()

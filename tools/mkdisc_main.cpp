// vantric-mkdisc: writes the benchmark's test file, and optionally an ISO image to burn.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "test_file_writer.h"
#ifndef _WIN32
#include "iso_image_builder.h"
#endif

namespace {

constexpr const char* kUsage =
    "Usage: vantric-mkdisc [--force] [--iso FILE] DIR\n"
    "\n"
    "Writes DIR/DATA/VANTRIC.DAT, the test file the benchmark reads: 613,492,736 bytes of\n"
    "incompressible data. Burn DIR to a disc (or pass it to the benchmark with --drive DIR).\n"
    "\n"
    "  --force     write the file even when one of the right size is already there\n"
    "  --iso FILE  also build an ISO 9660 image of DIR in FILE (needs xorriso; not on Windows)\n"
    "  --help      show this text\n"
    "\n"
    "Exit status: 0 on success, 1 when writing fails, 2 for a wrong command line.\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "vantric-mkdisc: %s\n%s", message.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  vantric::TestFileOptions options;
  std::string directory, iso_path;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (argument == "--force") {
      options.force = true;
    } else if (argument == "--iso") {
      if (++i == argc) return UsageError("--iso needs a file name");
      iso_path = argv[i];
    } else if (argument.starts_with("-") && argument != "-") {
      return UsageError("unknown option " + argument);
    } else if (!directory.empty()) {
      return UsageError("only one DIR may be given");
    } else {
      directory = argument;
    }
  }
  if (directory.empty()) return UsageError("no DIR given");
    // Found out before spending the time on the test file.
#ifdef _WIN32
  if (!iso_path.empty()) {
    std::fprintf(stderr,
                 "vantric-mkdisc: --iso needs xorriso, which is not available on Windows; write "
                 "the test file without --iso and burn DIR with a disc burning program\n");
    return 1;
  }
#else
  if (!iso_path.empty() && !vantric::ProgramOnPath("xorriso")) {
    std::fprintf(stderr, "vantric-mkdisc: xorriso is not installed; it is needed for --iso\n");
    return 1;
  }
#endif

  const auto start = std::chrono::steady_clock::now();
  const vantric::TestFileOutcome outcome = vantric::WriteTestFile(directory, options);
  if (!outcome.ok) {
    std::fprintf(stderr, "vantric-mkdisc: %s\n", outcome.message.c_str());
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (outcome.already_there) {
    std::printf("%s\n", outcome.message.c_str());
  } else {
    std::printf("%s in %.1f s (%.0f MB/s)\n", outcome.message.c_str(), seconds,
                static_cast<double>(options.size) / 1e6 / seconds);
  }

#ifndef _WIN32
  if (!iso_path.empty()) {
    std::string error;
    if (!vantric::BuildIsoImage(directory, iso_path, &error)) {
      std::fprintf(stderr, "vantric-mkdisc: %s\n", error.c_str());
      return 1;
    }
    std::printf("built %s\n", iso_path.c_str());
  }
#endif
  return 0;
}

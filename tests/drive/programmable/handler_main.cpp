// vantric-drive-handler: serves a programmable drive on a userspace SCSI device.
//   vantric-drive-handler --model FILE --medium FILE --uio /dev/uioN [--ready FILE] [--trace]
//   vantric-drive-handler --medium FILE --capacity-bytes
// The first answers the device's commands until it goes away, after writing FILE to say it is
// there; the second prints the medium's size, which the device is configured with.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>

#include "drive.h"
#include "tool_main.h"
#include "uio_ring.h"

namespace {

using vantric::programmable::Command;
using vantric::programmable::DriveDescription;
using vantric::programmable::Medium;
using vantric::programmable::ProgrammableDrive;
using vantric::programmable::Reply;

int Run(int argc, char** argv) {
  std::map<std::string, std::string> options;
  bool trace = false;
  bool capacity = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--trace") {
      trace = true;
    } else if (option == "--capacity-bytes") {
      capacity = true;
    } else if ((option == "--model" || option == "--medium" || option == "--uio" ||
                option == "--ready") &&
               i + 1 < argc) {
      options[option] = argv[++i];
    } else {
      throw std::runtime_error("unknown option " + option);
    }
  }
  if (!options.contains("--medium")) throw std::runtime_error("--medium FILE is needed");
  Medium medium = Medium::Load(options["--medium"]);
  if (capacity) {
    std::cout << medium.lead_out() * vantric::programmable::kDataSectorBytes << '\n';
    return 0;
  }
  if (!options.contains("--model") || !options.contains("--uio")) {
    throw std::runtime_error("--model FILE and --uio DEVICE are needed");
  }
  ProgrammableDrive drive(DriveDescription::Load(options["--model"]), std::move(medium));
  vantric::programmable::UioRing ring(options["--uio"]);
  if (options.contains("--ready")) std::ofstream(options["--ready"]) << "ready\n";
  ring.Serve(
      [&drive](const Command& command, double now) -> Reply { return drive.Execute(command, now); },
      trace ? stderr : nullptr);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return vantric::programmable::ToolMain("vantric-drive-handler", Run, argc, argv);
}

#include "cli/drive_choice.h"

#include <vector>

namespace vantric {
namespace {

std::string Listed(const std::vector<std::string>& devices) {
  std::string text;
  for (size_t i = 0; i < devices.size(); ++i) text += (i ? ", " : "") + devices[i];
  return text;
}

}  // namespace

std::string ChooseDrive(DiscDevices& devices, const std::string& named, bool disc_needed,
                        std::string* problem, bool* several) {
  if (!named.empty()) {
    if (disc_needed) *problem = devices.DiscProblem(named);
    return problem->empty() ? named : "";
  }
  const std::vector<std::string> drives = devices.List();
  std::vector<std::string> holding;
  std::string others;
  for (const std::string& device : drives) {
    const std::string why = devices.DiscProblem(device);
    if (why.empty()) {
      holding.push_back(device);
    } else {
      others += "  " + why + "\n";
    }
  }
  if (several) *several = holding.size() > 1 || (!disc_needed && drives.size() > 1);
  if (holding.size() == 1) return holding.front();
  if (!disc_needed && drives.size() == 1) return drives.front();
  if (drives.empty()) {
    *problem = "No optical drive found.\n";
  } else if (!holding.empty()) {
    *problem = "Several drives hold a disc (" + Listed(holding) + "): name " +
               (disc_needed ? "the one to read" : "one") + " with --device.\n";
  } else if (disc_needed) {
    *problem = "No disc in an optical drive:\n" + others;
  } else {
    *problem = "Several optical drives (" + Listed(drives) +
               "), none with a disc: name one with --device.\n";
  }
  return "";
}

}  // namespace vantric

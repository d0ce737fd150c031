#include "iso_image_builder.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

extern char** environ;

namespace vantric {
namespace {

std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? resolved : "";
}

// An image written inside the folder it is made of would contain itself, half written.
bool InsideDirectory(const std::string& directory, const std::string& image_path) {
  const size_t slash = image_path.rfind('/');
  const std::string parent =
      RealPath(slash == std::string::npos ? "." : image_path.substr(0, slash + 1));
  const std::string root = RealPath(directory);
  if (parent.empty() || root.empty()) return false;
  return parent == root || (parent.starts_with(root) && parent[root.size()] == '/') || root == "/";
}

}  // namespace

bool ProgramOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream directories(path != nullptr ? path : "/usr/bin:/bin");
  std::string directory;
  while (std::getline(directories, directory, ':')) {
    // An empty entry is the current directory. Not an assignment to `directory`: GCC 12 at -O3
    // warns about that one (-Wrestrict) without cause, and warnings are errors.
    const std::string folder = directory.empty() ? std::string(".") : directory;
    if (access((folder + "/" + name).c_str(), X_OK) == 0) return true;
  }
  return false;
}

bool BuildIsoImage(const std::string& directory, const std::string& image_path,
                   std::string* error) {
  if (!ProgramOnPath("xorriso")) {
    *error = "xorriso is not installed; it is needed for --iso (apt-get install xorriso)";
    return false;
  }
  if (InsideDirectory(directory, image_path)) {
    *error = "the image " + image_path + " must be written outside " + directory;
    return false;
  }
  const std::string partial = image_path + ".partial";
  std::vector<std::string> arguments = {"xorriso", "-as",     "mkisofs", "-quiet", "-R",     "-J",
                                        "-V",      "VANTRIC", "-o",      partial,  directory};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  pid_t child = 0;
  const int spawn_error = posix_spawnp(&child, "xorriso", nullptr, nullptr, argv.data(), environ);
  if (spawn_error != 0) {
    *error = std::string("cannot run xorriso: ") + std::strerror(spawn_error);
    return false;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    unlink(partial.c_str());
    *error = "xorriso could not build " + image_path;
    return false;
  }
  if (rename(partial.c_str(), image_path.c_str()) != 0) {
    *error = "cannot rename " + partial + " to " + image_path + ": " + std::strerror(errno);
    unlink(partial.c_str());
    return false;
  }
  return true;
}

}  // namespace vantric

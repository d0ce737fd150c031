#include "test_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "test_data_generator.h"

namespace vantric {
namespace {

constexpr size_t kChunkBytes = 4 << 20;

std::string Failure(const std::string& what, int error) {
  return what + ": " + std::strerror(error);
}

// Creates `path` unless it is a directory already; says whether it made it.
bool EnsureDirectory(const std::string& path, bool* created, std::string* error) {
  *created = false;
  if (mkdir(path.c_str(), 0755) == 0) {
    *created = true;
    return true;
  }
  const int mkdir_error = errno;
  struct stat status {};
  if (mkdir_error == EEXIST && stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
    return true;
  }
  *error = Failure("cannot make the folder " + path, mkdir_error == EEXIST ? ENOTDIR : mkdir_error);
  return false;
}

bool WriteAll(int fd, const char* data, size_t bytes, const TestFileOptions& options) {
  while (bytes > 0) {
    const ssize_t written = options.write ? options.write(fd, data, bytes) : write(fd, data, bytes);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    data += written;
    bytes -= static_cast<size_t>(written);
  }
  return true;
}

// Fills the temporary file; false with errno set on failure.
bool WriteContent(int fd, const TestFileOptions& options) {
  TestDataGenerator generator(options.seed);
  std::vector<uint64_t> chunk(kChunkBytes / sizeof(uint64_t));
  for (int64_t left = options.size; left > 0;) {
    const size_t bytes =
        left < static_cast<int64_t>(kChunkBytes) ? static_cast<size_t>(left) : kChunkBytes;
    generator.Fill(chunk.data(), (bytes + sizeof(uint64_t) - 1) / sizeof(uint64_t));
    if (!WriteAll(fd, reinterpret_cast<const char*>(chunk.data()), bytes, options)) return false;
    left -= static_cast<int64_t>(bytes);
  }
  return fsync(fd) == 0;
}

void SyncDirectory(const std::string& directory) {
  const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

TestFileOutcome WriteTestFile(const std::string& directory, const TestFileOptions& options) {
  TestFileOutcome outcome;
  const std::string data_directory = directory + "/DATA";
  outcome.path = data_directory + "/VANTRIC.DAT";

  struct stat existing {};
  if (!options.force && stat(outcome.path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
      existing.st_size == options.size) {
    outcome.ok = true;
    outcome.already_there = true;
    outcome.message = outcome.path + " is already there with " + std::to_string(options.size) +
                      " bytes; nothing written (--force writes it again)";
    return outcome;
  }

  bool made_directory = false, made_data_directory = false;
  if (!EnsureDirectory(directory, &made_directory, &outcome.message) ||
      !EnsureDirectory(data_directory, &made_data_directory, &outcome.message)) {
    if (made_directory) rmdir(directory.c_str());
    return outcome;
  }

  std::string temporary = data_directory + "/.VANTRIC.DAT.XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    outcome.message = Failure("cannot create a file in " + data_directory, errno);
  } else {
    fchmod(fd, 0644);
    const bool written = WriteContent(fd, options);
    const int write_error = errno;
    const bool closed = close(fd) == 0;
    if (!written || !closed) {
      outcome.message = Failure("cannot write " + temporary, written ? errno : write_error);
    } else if (rename(temporary.c_str(), outcome.path.c_str()) != 0) {
      outcome.message = Failure("cannot rename " + temporary + " to " + outcome.path, errno);
    } else {
      SyncDirectory(data_directory);
      outcome.ok = true;
      outcome.message = "wrote " + outcome.path + " (" + std::to_string(options.size) + " bytes)";
      return outcome;
    }
    unlink(temporary.c_str());
  }
  // Only folders this run made, and only when empty.
  if (made_data_directory) rmdir(data_directory.c_str());
  if (made_directory) rmdir(directory.c_str());
  return outcome;
}

}  // namespace vantric

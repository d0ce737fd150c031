#include "test_file_writer.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "test_data_generator.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;

constexpr size_t kChunkBytes = 4 << 20;

// Creates `path` unless it is a folder already; says whether it made it.
bool EnsureDirectory(const std::string& path, bool* created, std::string* error) {
  std::error_code failure;
  *created = fs::create_directory(path, failure);
  if (*created) return true;
  std::error_code ignored;
  if (fs::is_directory(path, ignored)) return true;
  if (!failure || failure == std::errc::file_exists) {
    failure = std::make_error_code(std::errc::not_a_directory);
  }
  *error = "cannot make the folder " + path + ": " + failure.message();
  return false;
}

bool WriteContent(ReplacementFile& file, const TestFileOptions& options) {
  TestDataGenerator generator(options.seed);
  std::vector<uint64_t> chunk(kChunkBytes / sizeof(uint64_t));
  for (int64_t left = options.size; left > 0;) {
    const size_t bytes =
        left < static_cast<int64_t>(kChunkBytes) ? static_cast<size_t>(left) : kChunkBytes;
    generator.Fill(chunk.data(), (bytes + sizeof(uint64_t) - 1) / sizeof(uint64_t));
    if (!file.Write({reinterpret_cast<const char*>(chunk.data()), bytes})) return false;
    left -= static_cast<int64_t>(bytes);
  }
  return true;
}

// The folders of the disc: made when missing, and removed again by a failed write.
class DiscFolders {
 public:
  bool Make(const std::string& directory, const std::string& data_directory, std::string* error) {
    if (!EnsureDirectory(directory, &made_directory_, error)) return false;
    directory_ = directory;
    if (!EnsureDirectory(data_directory, &made_data_directory_, error)) return false;
    data_directory_ = data_directory;
    return true;
  }
  void Keep() { made_directory_ = made_data_directory_ = false; }
  ~DiscFolders() {
    // Only folders this run made, and only when empty.
    std::error_code ignored;
    if (made_data_directory_) fs::remove(data_directory_, ignored);
    if (made_directory_) fs::remove(directory_, ignored);
  }

 private:
  std::string directory_, data_directory_;
  bool made_directory_ = false, made_data_directory_ = false;
};

}  // namespace

TestFileOutcome WriteTestFile(const std::string& directory, const TestFileOptions& options) {
  TestFileOutcome outcome;
  // The system's own separator, so that Windows shows D:\DATA\VANTRIC.DAT.
  const std::string data_directory = (fs::path(directory) / "DATA").string();
  outcome.path = (fs::path(data_directory) / "VANTRIC.DAT").string();

  std::error_code failure;
  if (!options.force && fs::is_regular_file(outcome.path, failure) &&
      fs::file_size(outcome.path, failure) == static_cast<uintmax_t>(options.size)) {
    outcome.ok = true;
    outcome.already_there = true;
    outcome.message = outcome.path + " is already there with " + std::to_string(options.size) +
                      " bytes; nothing written (--force writes it again)";
    return outcome;
  }

  DiscFolders folders;
  if (!folders.Make(directory, data_directory, &outcome.message)) return outcome;
  ReplacementFile file(outcome.path, options.write);
  if (!file.ok() || !WriteContent(file, options) || !file.Commit()) {
    outcome.message = file.error();
    return outcome;
  }
  folders.Keep();
  outcome.ok = true;
  outcome.message = "wrote " + outcome.path + " (" + std::to_string(options.size) + " bytes)";
  return outcome;
}

}  // namespace vantric

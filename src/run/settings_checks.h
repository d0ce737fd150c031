#pragma once

#include <optional>
#include <string>

#include "run/test_settings.h"

namespace vantric {

// What the log-name check needs from the file system, so the checks can be tried without it.
class LogNameProbe {
 public:
  enum class Outcome {
    kCreatedAndRemoved,  // the name can be created, and nothing was left behind
    // Something took the name between the existence check and the probe (another run's probe
    // or log, say): it passes as an existing name does, and is left alone.
    kExists,
    kCannotCreate,
    kCleanupFailed,  // created, but closing or deleting it failed; `detail` says why
  };

  virtual ~LogNameProbe() = default;

  // Whether some entry (file, directory, anything) has this name or matches it as a pattern.
  virtual bool EntryExists(const std::string& name) = 0;
  // Creates a new file of that name for writing, then closes it and deletes it while it is the
  // probe's own file and still empty.
  virtual Outcome ProbeCreate(const std::string& name, std::string* detail) = 0;
};

// The real file system.
class FileSystemLogNameProbe : public LogNameProbe {
 public:
  bool EntryExists(const std::string& name) override;
  Outcome ProbeCreate(const std::string& name, std::string* detail) override;
};

// The configuration dialog's Ok checks, in its order; the first failing check's message, or
// nothing when the settings can be used for a run. When the checks get as far as the log name,
// `settings.LogEdit` is left trimmed, whatever the outcome.
std::optional<std::string> CheckSettings(TestSettings& settings, LogNameProbe& probe);
std::optional<std::string> CheckSettings(TestSettings& settings);

inline constexpr const char* kInvalidPassesMessage = "Invalid number of test passes.";
inline constexpr const char* kInvalidUserRateMessage = "Invalid speed for user selected CPU test.";
inline constexpr const char* kInvalidLogNameMessage = "Invalid log filename.";

}  // namespace vantric

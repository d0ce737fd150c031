#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantric {

// Checks the terminal adds to the configuration dialog's, so that what the command line names
// is known to work before a run that takes minutes. Each gives the message, or nothing.

// The log name as given: the run keeps only its first 160 characters, so a longer name would
// send the log elsewhere.
std::optional<std::string> CheckLogNameLength(const std::string& name);

// The log name after the dialog's checks passed it: an existing folder or an existing file
// that cannot be opened for appending would fail only after the run.
std::optional<std::string> CheckLogTarget(const std::string& name);

// When a file cannot be made because the folder it names is not there: the line that says so,
// with what to do; nothing otherwise.
std::optional<std::string> MissingFolderNote(const std::string& path);

// Whether the JSON file can be written ("-" is stdout).
bool JsonPathUsable(const std::string& path);

}  // namespace vantric

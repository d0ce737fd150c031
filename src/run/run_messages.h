#pragma once

namespace vantric {

// What every front end tells the user when a run cannot start or does not finish, in the
// system's own words.
inline constexpr const char* kNoDiscMessage = "Insert Vantric disc in drive before running test.";
inline constexpr const char* kSeveralDiscsMessage =
    "Please insert only ONE Vantric disc in CD-ROM drive(s) for test.";
inline constexpr const char* kNoCounterMessage = "Error intializing performance counter.";
inline constexpr const char* kAbortedMessage = "Test aborted by user.";

}  // namespace vantric

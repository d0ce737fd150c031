#pragma once

namespace vantric {

// Lets the front end handle what is waiting while a test runs.
class UiPump {
 public:
  virtual ~UiPump() = default;

  // Stands in for the framework's "process all pending messages".
  virtual void ProcessMessages() = 0;
};

}  // namespace vantric

#pragma once

#include <functional>

#include "engine/engine.h"
#include "platform/ui_pump.h"

namespace vantric {

// The message pump of a front end without windows: the only message that matters is a request
// to cancel, which becomes the engine's cancel flag.
class CancelPump : public UiPump {
 public:
  explicit CancelPump(std::function<bool()> cancel_requested)
      : cancel_requested_(std::move(cancel_requested)) {}
  void Attach(Engine* engine) { engine_ = engine; }
  void ProcessMessages() override {
    if (engine_ && cancel_requested_()) engine_->CancelRequested = true;
  }

 private:
  std::function<bool()> cancel_requested_;
  Engine* engine_ = nullptr;
};

}  // namespace vantric

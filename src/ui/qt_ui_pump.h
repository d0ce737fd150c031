#pragma once

#include <QCoreApplication>

#include "platform/ui_pump.h"

namespace vantric {

// Keeps the windows alive during a run: the engine and the run driver hand control to the
// event loop at their fixed points.
class QtUiPump : public UiPump {
 public:
  void ProcessMessages() override { QCoreApplication::processEvents(); }
};

}  // namespace vantric

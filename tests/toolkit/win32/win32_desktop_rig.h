#pragma once

#include <memory>
#include <string_view>

#include "fakes.h"
#include "forms/desktop.h"
#include "sim/simulation.h"
#include "toolkit/win32/win32_toolkit.h"

namespace vantric::testing {

// The whole program on the Win32 toolkit and a simulated drive, with the registry and system
// given or fakes (the NT family, no cache values).
class Win32DesktopRig {
 public:
  Win32DesktopRig() : Win32DesktopRig(fake_registry_, fake_system_) {}
  Win32DesktopRig(Registry& registry, System& system) {
    std::string error;
    simulation_ = MakeSimulation("ideal-8x-clv", &error);
    desktop_ = std::make_unique<Desktop>(
        toolkit, Platform{simulation_->clock(), simulation_->drives(), registry, system, toolkit});
  }
  ~Win32DesktopRig() {
    desktop_.reset();
    // Nothing a test left behind reaches the next one.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  // "Form1" .. "Form4".
  Win32Form& Window(std::string_view name) const {
    const Forms& forms = desktop_->forms();
    Form* windows[] = {&forms.Form1->window(), &forms.Form2->window(), &forms.Form3->window(),
                       &forms.Form4->window()};
    for (Form* window : windows) {
      auto& form = static_cast<Win32Form&>(*window);
      if (form.layout().name == name) return form;
    }
    throw std::invalid_argument(std::string(name));
  }
  HWND Control(std::string_view window, std::string_view name) const {
    return Window(window).ControlWindow(name);
  }
  Desktop& desktop() const { return *desktop_; }

  Win32Toolkit toolkit;

 private:
  FakeRegistry fake_registry_;
  FakeSystem fake_system_;
  std::unique_ptr<Simulation> simulation_;
  std::unique_ptr<Desktop> desktop_;
};

}  // namespace vantric::testing

#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "run/results_view.h"

namespace vantric::testing {

// Remembers what the run did to the results window. `trail` keeps the order of captions,
// descriptions, messages and hiding; the maps keep each control's last state.
class RecordingView : public ResultsView {
 public:
  std::vector<std::string> trail;
  std::vector<int> descriptions;
  std::vector<int> progress;
  std::vector<std::string> messages;
  std::map<std::string, std::string, std::less<>> texts;
  std::map<std::string, bool, std::less<>> enabled;
  std::map<std::string, bool, std::less<>> visible;
  std::string window_caption;
  bool hidden = false;
  int process_calls = 0;
  std::function<void(const std::string&)> on_caption;  // for pressing Cancel mid-run

  void ShowTestCaption(const std::string& text) override {
    trail.push_back("caption " + text);
    texts["CurTest"] = text;
    if (on_caption) on_caption(text);
  }
  void ShowTestProgress(int percent) override { progress.push_back(percent); }
  void SetWindowCaption(const std::string& text) override {
    window_caption = text;
    trail.push_back("window " + text);
  }
  void SetText(std::string_view control, const std::string& text) override {
    texts[std::string(control)] = text;
  }
  void SetEnabled(std::string_view control, bool on) override {
    enabled[std::string(control)] = on;
  }
  void SetVisible(std::string_view control, bool on) override {
    visible[std::string(control)] = on;
  }
  void ClearDescriptions() override {
    descriptions.clear();
    trail.push_back("clear");
  }
  void DescribeStep(int number) override {
    descriptions.push_back(number);
    trail.push_back("describe " + std::to_string(number));
  }
  void ShowMessage(const std::string& text) override {
    messages.push_back(text);
    trail.push_back("message " + text);
  }
  void HideWindow() override {
    hidden = true;
    trail.push_back("hide");
  }
  void ProcessMessages() override { ++process_calls; }

  std::string Text(std::string_view control) const {
    const auto found = texts.find(control);
    return found == texts.end() ? "" : found->second;
  }
  bool IsEnabled(std::string_view control) const {
    const auto found = enabled.find(control);
    return found != enabled.end() && found->second;
  }
  bool IsVisible(std::string_view control) const {
    const auto found = visible.find(control);
    return found != visible.end() && found->second;
  }
  // The trail entries that start with `prefix`, without it.
  std::vector<std::string> TrailOf(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : trail) {
      if (entry.rfind(prefix, 0) == 0) found.push_back(entry.substr(prefix.size()));
    }
    return found;
  }
};

}  // namespace vantric::testing

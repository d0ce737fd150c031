#pragma once

#include <optional>
#include <string>

#include "platform/win32/windows_api.h"
#include "run/report_layout.h"

namespace vantric {

// The report's canvas on a printer's device context: coordinates, font heights and
// measurements are the printer's own units. The fonts it makes live until it is destroyed,
// which puts the context's first font back.
class PrinterCanvas : public ReportCanvas {
 public:
  explicit PrinterCanvas(HDC printer);
  ~PrinterCanvas() override;
  PrinterCanvas(const PrinterCanvas&) = delete;
  PrinterCanvas& operator=(const PrinterCanvas&) = delete;

  int VerticalDpi() const override;
  void SetFont(const DeviceFont& font) override;
  int TextWidth(const std::string& text) const override;
  int LineHeight() const override;
  void TextOut(int x, int y, const std::string& text) override;

 private:
  HDC dc_;
  HGDIOBJ original_font_ = nullptr;
  HFONT font_ = nullptr;
  std::optional<DeviceFont> current_;
};

}  // namespace vantric

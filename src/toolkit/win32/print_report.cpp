#include "toolkit/win32/print_report.h"

#include "run/print_messages.h"
#include "toolkit/win32/printer_canvas.h"

namespace vantric {
namespace {

// The page drawn between StartPage and EndPage; false when the job could not be completed.
bool PrintPage(HDC dc, const std::vector<ReportLine>& lines, const ReportFonts& fonts) {
  if (StartPage(dc) <= 0) return false;
  {
    PrinterCanvas canvas(dc);
    // The device context's origin is the printable area's corner; its width is that area's.
    DrawReport(lines, fonts, {0, 0, GetDeviceCaps(dc, HORZRES)}, canvas);
  }
  return EndPage(dc) > 0;
}

}  // namespace

std::optional<std::string> DefaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterA(nullptr, &size);
  if (size == 0) return std::nullopt;
  std::string name(size, '\0');
  if (!GetDefaultPrinterA(name.data(), &size)) return std::nullopt;
  name.resize(name.find('\0'));
  return name;
}

std::optional<std::string> PrintReportOn(const std::string& printer,
                                         const std::vector<ReportLine>& lines,
                                         const ReportFonts& fonts) {
  const HDC dc = CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
  if (dc == nullptr) return PrintJobNotStartedMessage(printer);
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = "";
  std::optional<std::string> message;
  if (StartDocA(dc, &document) <= 0) {
    message = PrintJobNotStartedMessage(printer);
  } else if (!PrintPage(dc, lines, fonts)) {
    AbortDoc(dc);
    message = PrintJobNotCompletedMessage(printer);
  } else if (EndDoc(dc) <= 0) {
    message = PrintJobNotCompletedMessage(printer);
  }
  DeleteDC(dc);
  return message;
}

std::optional<std::string> PrintReportOnDefaultPrinter(const std::vector<ReportLine>& lines,
                                                       const ReportFonts& fonts) {
  const std::optional<std::string> printer = DefaultPrinterName();
  if (!printer) return NoDefaultPrinterMessage();
  return PrintReportOn(*printer, lines, fonts);
}

}  // namespace vantric

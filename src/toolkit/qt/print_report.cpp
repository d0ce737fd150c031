#include "toolkit/qt/print_report.h"

#include <QPainter>
#include <utility>

#include "run/print_messages.h"
#include "toolkit/qt/painter_canvas.h"

namespace vantric {
namespace {

PrintHandler& InstalledPrintHandler() {
  static PrintHandler handler;
  return handler;
}

}  // namespace

std::optional<std::string> PrintReportOn(QPrinter& printer, const std::vector<ReportLine>& lines,
                                         const ReportFonts& fonts) {
  QPainter painter;
  const std::string name = printer.printerName().toStdString();
  if (!painter.begin(&printer)) {
    return PrintJobNotStartedMessage(name);
  }
  // Without full-page mode the painter's origin is the corner of the printable area and the
  // device's size is that area's.
  PainterCanvas canvas(painter);
  DrawReport(lines, fonts, {0, 0, printer.width()}, canvas);
  if (!painter.end()) {
    return PrintJobNotCompletedMessage(name);
  }
  return std::nullopt;
}

std::optional<std::string> PrintReport(const std::vector<ReportLine>& lines,
                                       const ReportFonts& fonts, const QPrinterInfo& printer_info) {
  if (printer_info.isNull()) {
    return NoDefaultPrinterMessage();
  }
  QPrinter printer(printer_info, QPrinter::HighResolution);
  printer.setDocName(QString());
  return PrintReportOn(printer, lines, fonts);
}

std::optional<std::string> PrintOnDefaultPrinter(const std::vector<ReportLine>& lines,
                                                 const ReportFonts& fonts) {
  if (InstalledPrintHandler()) return InstalledPrintHandler()(lines, fonts);
  return PrintReport(lines, fonts, QPrinterInfo::defaultPrinter());
}

PrintHandler SetPrintHandler(PrintHandler handler) {
  return std::exchange(InstalledPrintHandler(), std::move(handler));
}

}  // namespace vantric

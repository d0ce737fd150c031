#include "ui/print/print_report.h"

#include <QPainter>
#include <utility>

#include "engine/rounding.h"
#include "run/print_messages.h"
#include "ui/print/painter_canvas.h"

namespace vantric {
namespace {

constexpr double kLayoutPixelsPerInch = 96.0;

PrintHandler& InstalledPrintHandler() {
  static PrintHandler handler;
  return handler;
}

}  // namespace

ReportFontSpec ReportFontOf(const QFont& font) {
  const int points = font.pointSize() > 0
                         ? font.pointSize()
                         : static_cast<int>(Round(font.pixelSize() * 72.0 / kLayoutPixelsPerInch));
  return {font.family().toStdString(), points, font.bold(), font.italic()};
}

std::optional<QString> PrintReportOn(QPrinter& printer, const ReportContent& content,
                                     const ReportFonts& fonts) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    return QString::fromStdString(PrintJobNotStartedMessage(printer.printerName().toStdString()));
  }
  // Without full-page mode the painter's origin is the corner of the printable area and the
  // device's size is that area's.
  PainterCanvas canvas(painter);
  DrawReport(ReportLines(content), fonts, {0, 0, printer.width()}, canvas);
  if (!painter.end()) {
    return QString::fromStdString(PrintJobNotCompletedMessage(printer.printerName().toStdString()));
  }
  return std::nullopt;
}

std::optional<QString> PrintReport(const ReportContent& content, const ReportFonts& fonts,
                                   const QPrinterInfo& printer_info) {
  if (printer_info.isNull()) {
    return QString::fromStdString(NoDefaultPrinterMessage());
  }
  QPrinter printer(printer_info, QPrinter::HighResolution);
  printer.setDocName(QString());
  return PrintReportOn(printer, content, fonts);
}

std::optional<QString> PrintOnDefaultPrinter(const ReportContent& content,
                                             const ReportFonts& fonts) {
  if (InstalledPrintHandler()) return InstalledPrintHandler()(content, fonts);
  return PrintReport(content, fonts, QPrinterInfo::defaultPrinter());
}

PrintHandler SetPrintHandler(PrintHandler handler) {
  return std::exchange(InstalledPrintHandler(), std::move(handler));
}

}  // namespace vantric

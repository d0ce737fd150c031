#pragma once

#include <QPrinter>
#include <QPrinterInfo>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "run/report_layout.h"
#include "run/report_lines.h"

namespace vantric {

// Prints the report as one job of one page on the given printer, with an empty document name.
// Returns the message to show the user when nothing could be printed.
std::optional<std::string> PrintReport(const std::vector<ReportLine>& lines,
                                       const ReportFonts& fonts, const QPrinterInfo& printer);

// What the Print button does: prints the report on the default printer, or hands it to the
// handler that tests put in the printer's place.
std::optional<std::string> PrintOnDefaultPrinter(const std::vector<ReportLine>& lines,
                                                 const ReportFonts& fonts);
using PrintHandler = std::function<std::optional<std::string>(const std::vector<ReportLine>& lines,
                                                              const ReportFonts& fonts)>;
// An empty handler restores the default printer. Returns the handler it replaced.
PrintHandler SetPrintHandler(PrintHandler handler);

// Draws the report as one page on a printer that is set up but not yet printing.
std::optional<std::string> PrintReportOn(QPrinter& printer, const std::vector<ReportLine>& lines,
                                         const ReportFonts& fonts);

}  // namespace vantric

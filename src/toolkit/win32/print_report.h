#pragma once

#include <optional>
#include <string>
#include <vector>

#include "run/report_layout.h"
#include "run/report_lines.h"

namespace vantric {

// The name of the system's default printer; nothing when there is none.
std::optional<std::string> DefaultPrinterName();

// Prints the report as one job of one page on the printer of that name, with an empty
// document name, from the corner of its printable area. Returns the message to show the user
// when nothing could be printed.
std::optional<std::string> PrintReportOn(const std::string& printer,
                                         const std::vector<ReportLine>& lines,
                                         const ReportFonts& fonts);

// The same on the system's default printer.
std::optional<std::string> PrintReportOnDefaultPrinter(const std::vector<ReportLine>& lines,
                                                       const ReportFonts& fonts);

}  // namespace vantric

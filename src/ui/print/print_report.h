#pragma once

#include <QFont>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <functional>
#include <optional>

#include "run/report_layout.h"
#include "run/report_lines.h"

namespace vantric {

// The typeface, size in points and style of a font label, as the report copies them. A size
// given in pixels is taken at the 96 pixels per inch the windows were laid out for.
ReportFontSpec ReportFontOf(const QFont& font);

// Prints the report as one job of one page on the given printer, with an empty document name.
// Returns the message to show the user when nothing could be printed.
std::optional<QString> PrintReport(const ReportContent& content, const ReportFonts& fonts,
                                   const QPrinterInfo& printer);

// What the Print button does: prints the report on the default printer, or hands it to the
// handler that tests put in the printer's place.
std::optional<QString> PrintOnDefaultPrinter(const ReportContent& content,
                                             const ReportFonts& fonts);
using PrintHandler =
    std::function<std::optional<QString>(const ReportContent& content, const ReportFonts& fonts)>;
// An empty handler restores the default printer. Returns the handler it replaced.
PrintHandler SetPrintHandler(PrintHandler handler);

// Draws the report as one page on a printer that is set up but not yet printing.
std::optional<QString> PrintReportOn(QPrinter& printer, const ReportContent& content,
                                     const ReportFonts& fonts);

}  // namespace vantric

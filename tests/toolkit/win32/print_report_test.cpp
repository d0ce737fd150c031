// The report on a Windows printer. A printer that does not exist gets the message that nothing
// was printed; the report of a simulated run goes to the default printer as one job, started
// by wine_print_test.sh, which finds the page the queue makes of it and reads it back against
// the files written here.
#include "toolkit/win32/print_report.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "forms/results_window.h"
#include "platform/win32/windows_api.h"
#include "report_page_lines.h"
#include "run/print_messages.h"
#include "run/results_log.h"
#include "run_rig.h"

namespace vantric {
namespace {

using Clock = std::chrono::steady_clock;

TEST(PrintReportOn, APrinterThatDoesNotExistPrintsNothingAndSaysSo) {
  const std::string printer = "Vantric Printer That Does Not Exist";
  EXPECT_EQ(PrintReportOn(printer, {{ReportFont::kTitle, ReportColumn::kMargin, "Title", "", 2}},
                          ResultsWindowReportFonts()),
            PrintJobNotStartedMessage(printer));
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  EXPECT_EQ(AppendLinesToFile(path, lines, "\n"), LogWriteOutcome::kWritten) << path;
}

// A line as the page should show it: its column, its font's size in points and style, and
// how many of its font's line heights come after it.
std::string LineShape(const ReportLine& line, const ReportFonts& fonts) {
  const char* column = line.column == ReportColumn::kMargin   ? "margin"
                       : line.column == ReportColumn::kIndent ? "indent"
                                                              : "row";
  const ReportFontSpec& font = SpecOf(line.font, fonts);
  return std::string(column) + " " + std::to_string(font.point_size) +
         (font.italic ? " italic " : " upright ") + std::to_string(line.advance);
}

// The printer's printable width, resolution and the printable area's offset on the page, in
// its device units: where the page's columns should be.
std::string PrinterGeometry() {
  const std::optional<std::string> printer = DefaultPrinterName();
  if (!printer) return "";
  const HDC dc = CreateDCA(nullptr, printer->c_str(), nullptr, nullptr);
  if (dc == nullptr) return "";
  const std::string geometry = std::to_string(GetDeviceCaps(dc, HORZRES)) + " " +
                               std::to_string(GetDeviceCaps(dc, LOGPIXELSX)) + " " +
                               std::to_string(GetDeviceCaps(dc, PHYSICALOFFSETX));
  DeleteDC(dc);
  return geometry;
}

TEST(PrintedReport, OfASimulatedRunOnTheDefaultPrinter) {
  const std::string folder = Variable("VANTRIC_PRINT_FILES");
  if (folder.empty()) {
    GTEST_SKIP() << "wine_print_test.sh runs this and reads the printed page back";
  }
  testing::ProfileRunRig rig("8x-clv");
  rig.settings.cpuuser = true;
  rig.settings.userval = "900";
  const Clock::time_point run_start = Clock::now();
  ASSERT_EQ(rig.Run(), RunOutcome::kCompleted);
  const double run_seconds = SecondsSince(run_start);
  rig.user.edit1 = "Test Drive 8X";
  rig.user.edit2 = "ATAPI on PCI";
  // Tells this job's page from whatever else the queue prints meanwhile.
  rig.user.edit3 = "Wine job " + Variable("VANTRIC_PRINT_TOKEN");
  const ReportContent content =
      GatherReportContent(rig.engine, rig.settings, rig.results, rig.user);

  const std::vector<ReportLine> lines = ReportLines(content);
  const ReportFonts fonts = ResultsWindowReportFonts();
  std::vector<std::string> shapes;
  for (const ReportLine& line : lines) shapes.push_back(LineShape(line, fonts));
  const std::vector<std::string> page = testing::ExpectedPageLines(content);
  // The page's lines are matched with the report's by their order.
  ASSERT_EQ(page.size(), lines.size()) << "every line of this report has text";
  WriteLines(folder + "\\log.txt", ResultsLogLines(content));
  WriteLines(folder + "\\page.txt", page);
  WriteLines(folder + "\\shapes.txt", shapes);
  const std::string geometry = PrinterGeometry();
  ASSERT_FALSE(geometry.empty()) << "no default printer to measure";
  WriteLines(folder + "\\printer.txt", {geometry});

  const Clock::time_point print_start = Clock::now();
  EXPECT_EQ(PrintReportOnDefaultPrinter(lines, fonts), std::nullopt);
  std::cout << "Simulated run in " << run_seconds << " s, printed in " << SecondsSince(print_start)
            << " s\n";
}

}  // namespace
}  // namespace vantric

#include "curve/chart_frame.h"

#include <algorithm>
#include <cmath>

#include "run/value_text.h"

namespace vantric {
namespace {

constexpr double kLeft = 72;
constexpr double kRight = 24;
constexpr double kTop = 56;
constexpr double kBottom = 64;
constexpr double kPlotWidth = ChartFrame::kWidth - kLeft - kRight;
constexpr double kPlotHeight = ChartFrame::kHeight - kTop - kBottom;

std::string EscapeXml(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        // Control characters are not allowed in XML 1.0 text.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') escaped += c;
    }
  }
  return escaped;
}

// A step of 1, 2 or 5 times a power of ten that cuts `range` into about eight parts.
double TickStep(double range) {
  if (range <= 0) return 1;
  const double rough = range / 8;
  const double power = std::pow(10, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

}  // namespace

ChartFrame::ChartFrame(double x_max, double fastest_x) : x_max_(x_max > 0 ? x_max : 1) {
  // Room above the fastest point, on a whole tick.
  const double top = std::max(fastest_x * 1.1, 1.0);
  const double step = TickStep(top);
  y_max_ = std::ceil(top / step) * step;
}

double ChartFrame::X(double mb) const { return kLeft + mb / x_max_ * kPlotWidth; }
double ChartFrame::Y(double x) const { return kTop + kPlotHeight - x / y_max_ * kPlotHeight; }
double ChartFrame::PlotLeft() const { return kLeft; }
double ChartFrame::PlotRight() const { return kLeft + kPlotWidth; }
double ChartFrame::PlotBottom() const { return kTop + kPlotHeight; }

void ChartText(std::ostringstream& svg, double x, double y, const std::string& anchor,
               const std::string& text, const std::string& extra) {
  svg << "<text x=\"" << FixedText(x, 1) << "\" y=\"" << FixedText(y, 1) << "\" text-anchor=\""
      << anchor << "\"" << extra << ">" << EscapeXml(text) << "</text>\n";
}

void ChartFrame::Begin(std::ostringstream& svg, double height, const std::string& title,
                       const std::string& subtitle, const std::string& one_x) const {
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\"" << height
      << "\" viewBox=\"0 0 " << kWidth << " " << height
      << "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" fill=\"#000000\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  ChartText(svg, kWidth / 2, 24, "middle", title, " font-size=\"16\" font-weight=\"bold\"");
  ChartText(svg, kWidth / 2, 42, "middle", subtitle, " font-size=\"12\"");

  const double x_step = TickStep(x_max_);
  const double y_step = TickStep(y_max_);
  svg << "<g stroke=\"#c8c8c8\" stroke-width=\"1\">\n";
  for (double mb = 0; mb <= x_max_ + 1e-9; mb += x_step) {
    svg << "<line x1=\"" << FixedText(X(mb), 1) << "\" y1=\"" << kTop << "\" x2=\""
        << FixedText(X(mb), 1) << "\" y2=\"" << kTop + kPlotHeight << "\"/>\n";
  }
  for (double x = 0; x <= y_max_ + 1e-9; x += y_step) {
    svg << "<line x1=\"" << kLeft << "\" y1=\"" << FixedText(Y(x), 1) << "\" x2=\""
        << kLeft + kPlotWidth << "\" y2=\"" << FixedText(Y(x), 1) << "\"/>\n";
  }
  svg << "</g>\n<g font-size=\"12\">\n";
  const int x_digits = x_step < 1 ? 1 : 0;
  for (double mb = 0; mb <= x_max_ + 1e-9; mb += x_step) {
    ChartText(svg, X(mb), kTop + kPlotHeight + 18, "middle", FixedText(mb, x_digits));
  }
  const int y_digits = y_step < 1 ? 1 : 0;
  for (double x = 0; x <= y_max_ + 1e-9; x += y_step) {
    ChartText(svg, kLeft - 8, Y(x) + 4, "end", FixedText(x, y_digits));
  }
  svg << "</g>\n";

  svg << "<rect x=\"" << kLeft << "\" y=\"" << kTop << "\" width=\"" << kPlotWidth << "\" height=\""
      << kPlotHeight << "\" fill=\"none\" stroke=\"#000000\"/>\n";
  ChartText(svg, kLeft + kPlotWidth / 2, kHeight - 18, "middle", "Position (MB)",
            " font-size=\"13\"");
  ChartText(svg, 18, kTop + kPlotHeight / 2, "middle", "Read speed (" + one_x + ")",
            " font-size=\"13\" transform=\"rotate(-90 18 " + FixedText(kTop + kPlotHeight / 2, 1) +
                ")\"");
}

}  // namespace vantric

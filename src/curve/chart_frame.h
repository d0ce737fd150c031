#pragma once

#include <sstream>
#include <string>

namespace vantric {

// What the curve charts share: a page 800 pixels wide, the rate in X (up) over the position
// in MB (right) on gridded, numbered axes, black on white so that it prints as it shows.
class ChartFrame {
 public:
  static constexpr double kWidth = 800;
  static constexpr double kHeight = 500;  // of the plot and its axes; a legend goes below

  // Axes from 0 to `x_max` MB and from 0 to a whole tick above `fastest_x`.
  ChartFrame(double x_max, double fastest_x);

  double X(double mb) const;
  double Y(double x) const;
  double PlotLeft() const;
  double PlotRight() const;
  double PlotBottom() const;

  // The SVG's head (`height` pixels tall), the title and subtitle, the grid, the frame and the
  // names of both axes with their units; `one_x` says what 1X is.
  void Begin(std::ostringstream& svg, double height, const std::string& title,
             const std::string& subtitle, const std::string& one_x = "X = 150 KB/s") const;

 private:
  double x_max_;
  double y_max_;
};

// One line of text, its characters escaped for XML.
void ChartText(std::ostringstream& svg, double x, double y, const std::string& anchor,
               const std::string& text, const std::string& extra = "");

}  // namespace vantric

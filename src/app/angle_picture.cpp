// Drawing a resonant angle against time.
#include "app/angle_picture.h"

#include <algorithm>
#include <cmath>

#include "app/plot_failure.h"
#include "plot/plotix.h"

namespace app {

namespace {

// Degrees between the numbers of the angle axis: the marks of the Lagrange points (60)
// and the planet's opposite point (180) fall on numbers.
constexpr float kAngleStep = 60.0f;
constexpr int kMostAngleNumbers = 12;
constexpr float kYearStep = 50.0f;

}  // namespace

bool draw_angle_picture(const AnglePicture& picture, PlotOutput output, const std::string& file) {
  const auto [low, high] = std::minmax_element(picture.phi.begin(), picture.phi.end());
  const float y0 = kAngleStep * std::floor(*low / kAngleStep), y1 = kAngleStep * std::ceil(*high / kAngleStep);
  const float y_step = kAngleStep * std::ceil((y1 - y0) / kAngleStep / kMostAngleNumbers);
  const float x0 = kYearStep * std::floor(picture.years.front() / kYearStep);
  const float x1 = kYearStep * std::ceil(picture.years.back() / kYearStep);
  plotix::setfil(file);
  plotix::metafl(output == PlotOutput::svg ? "SVG" : "PNG");
  if (output == PlotOutput::png) plotix::winsiz(kPngWidth, kPngHeight);
  plotix::disini();
  plotix::skip_protocol();  // standard output may be carrying a table
  plotix::pagera();
  plotix::labdig(-1, "XY");
  plotix::hname(26);
  plotix::name("Year", "X");
  plotix::name("Resonant angle (deg)", "Y");
  plotix::titlin(picture.title, 1);
  plotix::titlin(picture.subtitle, 2);
  plotix::height(26);
  plotix::color("MAGENTA");
  plotix::graf2d(x0, x1 > x0 ? x1 : x0 + kYearStep, x0, kYearStep, y0, y1 > y0 ? y1 : y0 + kAngleStep, y0, y_step);
  plotix::color("GREEN");
  plotix::curv2d(picture.years.data(), picture.phi.data(), static_cast<int>(picture.years.size()));
  plotix::color("WHITE");
  plotix::title();
  plotix::disfin();
  check_plot_status();
  return !plot_file_write_failed();
}

}  // namespace app

// Drawing a path in the planet's turning frame from above.
#include "app/path_picture.h"

#include <algorithm>
#include <cmath>

#include "app/figure_page.h"
#include "app/figure_palette.h"
#include "app/figure_titles.h"
#include "app/viridis.h"
#include "plot/plotix.h"

namespace app {

namespace {

// Steps of colour along the path: each a piece of one colour, neighbours sharing a point.
constexpr int kColourSteps = 128;
constexpr int kPathWidth = 1;
constexpr int kInkWidth = 2;
// The key of the colours: a bar this wide (plot units) this far right of the axis area.
constexpr float kKeyWidth = 40.0f;
constexpr float kKeyGap = 70.0f;
constexpr float kMarkerSize = 30.0f;

void draw_path(const PathPicture& picture, const FigurePalette& palette) {
  const std::size_t n = picture.years.size();
  const float first = picture.years.front(), span = std::max(picture.years.back() - first, 1e-6f);
  plotix::linwid(kPathWidth);
  std::size_t start = 0;
  while (start + 1 < n) {
    const int step = static_cast<int>((picture.years[start] - first) / span * kColourSteps);
    std::size_t end = start + 1;
    while (end + 1 < n && static_cast<int>((picture.years[end] - first) / span * kColourSteps) == step) ++end;
    use_colour(viridis(static_cast<double>(step) / (kColourSteps - 1), palette.viridis_first, palette.viridis_last));
    plotix::curv2d(picture.x.data() + start, picture.y.data() + start, static_cast<int>(end - start + 1));
    start = end;
  }
  plotix::linwid(kInkWidth);
}

// The years of the key: every 1, 2, 5, 10, 20 ... years, the first step giving at most
// five intervals.
std::vector<float> key_years(float first, float last) {
  static constexpr double kLadder[3] = {1.0, 2.0, 5.0};
  const double span = static_cast<double>(last - first);
  double step = 1.0;
  for (int k = 1; span / step > 5.0; ++k) step = kLadder[k % 3] * std::pow(10.0, k / 3);
  std::vector<float> years;
  for (double y = step * std::ceil(first / step); y <= last; y += step) years.push_back(static_cast<float>(y));
  return years;
}

// The key: the bar of colours from the first year (bottom) to the last (top), its years.
void draw_key(const PathPicture& picture, const FigurePalette& palette) {
  int x = 0, y = 0, width = 0, height = 0;
  plotix::axis_area2d(x, y, width, height);
  const float left = static_cast<float>(x + width) + kKeyGap, right = left + kKeyWidth;
  const float first = picture.years.front(), last = picture.years.back();
  for (int k = 0; k < kColourSteps; ++k) {
    use_colour(viridis(static_cast<double>(k) / (kColourSteps - 1), palette.viridis_first, palette.viridis_last));
    const float bottom = static_cast<float>(y) - static_cast<float>(height) * k / kColourSteps;
    plotix::box_fill(left, bottom, right, bottom - static_cast<float>(height) / kColourSteps - 1.0f);
  }
  use_colour(palette.ink);
  plotix::rline(left, static_cast<float>(y), right, static_cast<float>(y));
  plotix::rline(right, static_cast<float>(y), right, static_cast<float>(y - height));
  plotix::rline(right, static_cast<float>(y - height), left, static_cast<float>(y - height));
  plotix::rline(left, static_cast<float>(y - height), left, static_cast<float>(y));
  for (const float year : key_years(first, last)) {
    const float at = static_cast<float>(y) - static_cast<float>(height - 1) * (year - first) / std::max(last - first, 1e-6f);
    plotix::rline(right, at, right + kFigureTextHeight / 2.0f, at);
    plotix::messag(std::to_string(static_cast<int>(std::lround(year))), static_cast<int>(right + kFigureTextHeight),
                   static_cast<int>(at) - kFigureTextHeight / 2);
  }
  plotix::messag("Year", static_cast<int>(left), y + kFigureTextHeight);
}

// The planet at the origin, named; the Sun drawn where it lies inside the view, else an
// arrow from the planet towards it.
void draw_planet_and_sun(const PathPicture& picture, const FigurePalette& palette, const ViewLimits& view) {
  use_colour(palette.ink);
  float px = 0, py = 0;
  plotix::user_to_page2d(0.0f, 0.0f, px, py);
  plotix::marker(plotix::MarkerShape::circle, px, py, kMarkerSize);
  plotix::messag(picture.planet, static_cast<int>(px + kMarkerSize), static_cast<int>(py + kMarkerSize / 2));
  if (view.x0 < -1.0f) {
    float sx = 0, sy = 0;
    plotix::user_to_page2d(-1.0f, 0.0f, sx, sy);
    plotix::marker(plotix::MarkerShape::ring, sx, sy, 1.5f * kMarkerSize);
    plotix::messag("Sun", static_cast<int>(sx + kMarkerSize), static_cast<int>(sy + kMarkerSize / 2));
    return;
  }
  // The arrow: a sixth of the view's width from the planet, pointing at the Sun (-x).
  int x = 0, y = 0, width = 0, height = 0;
  plotix::axis_area2d(x, y, width, height);
  const float length = static_cast<float>(width) / 6.0f, head = kMarkerSize / 1.5f;
  const float tip = px - length;
  plotix::linwid(3);
  plotix::rline(px - kMarkerSize, py, tip, py);
  plotix::rline(tip, py, tip + head, py - head / 2);
  plotix::rline(tip, py, tip + head, py + head / 2);
  plotix::linwid(kInkWidth);
  plotix::messag("to the Sun", static_cast<int>(tip), static_cast<int>(py - 2 * kFigureTextHeight));
}

}  // namespace

ViewLimits view_limits(const std::vector<float>& x, const std::vector<float>& y, int width, int height) {
  float x0 = 0, x1 = 0, y0 = 0, y1 = 0;  // the origin is always in view
  for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
    x0 = std::min(x0, x[i]);
    x1 = std::max(x1, x[i]);
    y0 = std::min(y0, y[i]);
    y1 = std::max(y1, y[i]);
  }
  const float size = std::max({x1 - x0, y1 - y0, 1e-6f});
  const float margin = size / 20.0f;
  x0 -= margin;
  x1 += margin;
  y0 -= margin;
  y1 += margin;
  // Units per plot unit alike on both axes: widen the axis that has fewer.
  const float per_x = (x1 - x0) / static_cast<float>(width), per_y = (y1 - y0) / static_cast<float>(height);
  if (per_x < per_y) {
    const float grow = (per_y * static_cast<float>(width) - (x1 - x0)) / 2.0f;
    x0 -= grow;
    x1 += grow;
  } else {
    const float grow = (per_x * static_cast<float>(height) - (y1 - y0)) / 2.0f;
    y0 -= grow;
    y1 += grow;
  }
  return {x0, x1, y0, y1};
}

bool draw_path_picture(const PathPicture& picture, PlotOutput output, const std::string& file) {
  const FigurePalette palette = figure_palette(picture.background);
  open_figure(output, file, picture.background);
  int x = 0, y = 0, width = 0, height = 0;
  plotix::axis_area2d(x, y, width, height);
  const ViewLimits view = view_limits(picture.x, picture.y, width, height);
  const std::string unit = " (Sun-" + picture.planet + " distances)";
  plotix::name("X" + unit, "X");
  plotix::name("Y" + unit, "Y");
  plotix::labdig(-2, "XY");
  const float x_step = plotix::spaced_step2d(view.x0, view.x1, "X");
  const float y_step = plotix::spaced_step2d(view.y0, view.y1, "Y");
  use_colour(palette.ink);
  plotix::linwid(kInkWidth);
  plotix::graf2d(view.x0, view.x1, x_step * std::ceil(view.x0 / x_step), x_step, view.y0, view.y1,
                 y_step * std::ceil(view.y0 / y_step), y_step);
  if (picture.years.size() >= 2) draw_path(picture, palette);
  draw_planet_and_sun(picture, palette, view);
  use_colour(palette.ink);
  plotix::frame2d();
  if (picture.years.size() >= 2) draw_key(picture, palette);
  use_colour(palette.ink);
  draw_figure_titles(picture.title, picture.subtitle);
  return close_figure();
}

}  // namespace app

// Drawing a resonant angle against time.
#include "app/angle_picture.h"

#include <cmath>

#include "app/figure_page.h"
#include "app/figure_titles.h"
#include "plot/plotix.h"

namespace app {

namespace {

// Degrees between the numbers of the angle axis: the Lagrange points (60 and 300, or
// -60) and the planet's opposite point (180) fall on numbers.
constexpr float kAngleStep = 60.0f;

// Line widths, plot units: texts and axes, the object's angle, the clone's, the
// epoch's line.
constexpr int kInkWidth = 2;
constexpr int kCurveWidth = 4;
constexpr int kCloneWidth = 2;
constexpr int kEpochWidth = 2;

float wrapped(float phi, float low) { return phi - 360.0f * std::floor((phi - low) / 360.0f); }

void draw_pieces(const std::vector<AnglePiece>& pieces) {
  for (const AnglePiece& piece : pieces) {
    std::vector<float> x, y;
    for (const auto& [year, phi] : piece) {
      x.push_back(year);
      y.push_back(phi);
    }
    plotix::curv2d(x.data(), y.data(), static_cast<int>(x.size()));
  }
}

// The episodes as bands behind the curves, each named in its upper left corner: the
// name, or the short name when the name is wider than the band, or nothing when neither
// fits.
void draw_episodes(const AnglePicture& picture, const FigurePalette& palette) {
  const float top = picture.window_low + 360.0f;
  for (const AngleEpisode& episode : picture.episodes) {
    if (episode.tint == EpisodeTint::none) continue;
    use_colour(palette.tints[static_cast<std::size_t>(episode.tint)]);
    plotix::shade2d(episode.from_year, picture.window_low, episode.to_year, top);
  }
  use_colour(palette.ink);
  for (const AngleEpisode& episode : picture.episodes) {
    float x1 = 0, x2 = 0, y = 0;
    plotix::user_to_page2d(episode.from_year, top, x1, y);
    plotix::user_to_page2d(episode.to_year, top, x2, y);
    for (const std::string& name : {episode.name, episode.short_name}) {
      if (plotix::message_length(name) + kFigureTextHeight > x2 - x1) continue;
      plotix::messag(name, static_cast<int>(x1) + kFigureTextHeight / 2, static_cast<int>(y) + kFigureTextHeight / 2);
      break;
    }
  }
}

void draw_epoch(const AnglePicture& picture, const FigurePalette& palette) {
  use_colour(palette.epoch);
  plotix::linwid(kEpochWidth);
  plotix::dash();
  // From the bottom to below the episodes' names.
  float px = 0, py = 0, top = 0;
  plotix::user_to_page2d(picture.epoch_year, picture.window_low + 360.0f, px, top);
  plotix::user_to_page2d(picture.epoch_year, picture.window_low, px, py);
  plotix::rline(px, py, px, top + 2.0f * kFigureTextHeight);
  plotix::solid();
  plotix::linwid(kInkWidth);
  plotix::messag("epoch", static_cast<int>(px) + kFigureTextHeight / 2, static_cast<int>(py) - 2 * kFigureTextHeight);
}

// The Lagrange points named beyond the right edge, level with their numbers.
void name_lagrange_points(const AnglePicture& picture) {
  for (const auto& [phi, name] : {std::pair{60.0f, "L4"}, std::pair{-60.0f, "L5"}}) {
    float px = 0, py = 0;
    plotix::user_to_page2d(picture.epoch_year, wrapped(phi, picture.window_low), px, py);
    int x = 0, y = 0, width = 0, height = 0;
    plotix::axis_area2d(x, y, width, height);
    plotix::messag(name, x + width + kFigureTextHeight / 2, static_cast<int>(py) - kFigureTextHeight / 2);
  }
}

// Which line is which, below the right end of the axis area, level with the name of
// the years.
void draw_key(const AnglePicture& picture, const FigurePalette& palette) {
  if (picture.clone_phi.empty()) return;
  int x = 0, y = 0, width = 0, height = 0;
  plotix::axis_area2d(x, y, width, height);
  const float line_y = static_cast<float>(y + 5 * kFigureTextHeight);
  const float length = 3.0f * kFigureTextHeight;
  float right = static_cast<float>(x + width);
  for (const auto& [text, colour, line_width] :
       {std::tuple{std::string("clone, a + 1e-6 AU"), palette.clone, kCloneWidth},
        std::tuple{std::string("object"), palette.curve, kCurveWidth}}) {
    use_colour(palette.ink);
    const float text_left = right - static_cast<float>(plotix::message_length(text));
    plotix::messag(text, static_cast<int>(text_left), static_cast<int>(line_y) - kFigureTextHeight / 2);
    use_colour(colour);
    plotix::linwid(line_width);
    plotix::rline(text_left - length - kFigureTextHeight / 2, line_y, text_left - kFigureTextHeight / 2, line_y);
    plotix::linwid(kInkWidth);
    right = text_left - length - 2.0f * kFigureTextHeight;
  }
}

}  // namespace

std::vector<AnglePiece> wrapped_pieces(const std::vector<float>& years, const std::vector<float>& phi, float low) {
  std::vector<AnglePiece> pieces;
  const float high = low + 360.0f;
  for (std::size_t i = 0; i < years.size() && i < phi.size(); ++i) {
    const float here = wrapped(phi[i], low);
    if (i == 0) {
      pieces.push_back({{years[0], here}});
      continue;
    }
    // The turns between the two samples: each is a crossing of an edge.
    const float before = phi[i - 1], step = phi[i] - phi[i - 1];
    const float turns_before = std::floor((before - low) / 360.0f), turns_here = std::floor((phi[i] - low) / 360.0f);
    const int crossings = static_cast<int>(std::fabs(turns_here - turns_before));
    for (int k = 1; k <= crossings; ++k) {
      const float edge = low + 360.0f * (step > 0 ? turns_before + k : turns_before - k + 1);
      const float year = years[i - 1] + (years[i] - years[i - 1]) * (edge - before) / step;
      pieces.back().emplace_back(year, step > 0 ? high : low);
      pieces.push_back({{year, step > 0 ? low : high}});
    }
    pieces.back().emplace_back(years[i], here);
  }
  return pieces;
}

bool draw_angle_picture(const AnglePicture& picture, PlotOutput output, const std::string& file) {
  const FigurePalette palette = figure_palette(picture.background);
  open_figure(output, file, picture.background);
  plotix::labdig(-1, "XY");
  plotix::name("Year", "X");
  plotix::name("Resonant angle phi (deg)", "Y");
  const float x0 = picture.years.front();
  const float x1 = picture.years.back() > x0 ? picture.years.back() : x0 + 1.0f;
  const float x_step = plotix::spaced_step2d(x0, x1, "X");
  use_colour(palette.ink);
  plotix::linwid(kInkWidth);
  plotix::graf2d(x0, x1, x_step * std::ceil(x0 / x_step), x_step, picture.window_low, picture.window_low + 360.0f,
                 picture.window_low, kAngleStep);
  draw_episodes(picture, palette);
  use_colour(palette.clone);
  plotix::linwid(kCloneWidth);
  draw_pieces(wrapped_pieces(picture.clone_years, picture.clone_phi, picture.window_low));
  use_colour(palette.curve);
  plotix::linwid(kCurveWidth);
  draw_pieces(wrapped_pieces(picture.years, picture.phi, picture.window_low));
  draw_epoch(picture, palette);
  use_colour(palette.ink);
  plotix::frame2d();
  name_lagrange_points(picture);
  draw_key(picture, palette);
  use_colour(palette.ink);
  draw_figure_titles(picture.title, picture.subtitle);
  return close_figure();
}

}  // namespace app

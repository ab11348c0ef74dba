// The picture of a resonant angle against time, drawn on PLOTIX's 2D axis system: the
// angle wrapped to one turn on the window where its libration stays whole, the episodes
// shaded behind it, the clone lighter behind the object, the epoch a vertical line.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/figure_palette.h"
#include "app/plot_stage.h"

namespace app {

struct AngleEpisode {
  float from_year = 0, to_year = 0;
  std::string name;        // "quasi-satellite"
  std::string short_name;  // "QS": when the name is wider than the episode
  EpisodeTint tint = EpisodeTint::none;
};

struct AnglePicture {
  std::string title;         // the object's readable name
  std::string subtitle;      // the planet and the motion at the epoch
  std::vector<float> years;  // calendar years, increasing
  std::vector<float> phi;    // the object's angle, degrees, unwrapped
  std::vector<float> clone_years, clone_phi;  // the clone's, likewise
  std::vector<AngleEpisode> episodes;          // in time order
  float epoch_year = 0;
  float window_low = 0;  // phi is drawn in [window_low, window_low + 360)
  PngBackground background = PngBackground::white;
};

// One unbroken piece of the wrapped angle: (year, degrees) points.
using AnglePiece = std::vector<std::pair<float, float>>;

// The angle wrapped into [low, low + 360), cut where it crosses the window's edge: each
// cut piece ends on the edge it crossed and the next starts on the opposite edge, at the
// year where the straight line between the two samples meets it.
std::vector<AnglePiece> wrapped_pieces(const std::vector<float>& years, const std::vector<float>& phi, float low);

// Draws the picture into `file` of the working folder as `output` (PNG, SVG, PDF, PS).
// False when the file could not be written; throws PlotFailure (app/plot_failure.h)
// when the plot library stopped.
bool draw_angle_picture(const AnglePicture& picture, PlotOutput output, const std::string& file);

}  // namespace app

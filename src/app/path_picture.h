// The top view of a co-orbital's path in the frame that turns with its planet: the
// planet at the origin, the Sun's direction an arrow, the path coloured by time (viridis)
// with its key, zoomed on the loop with equal scales on both axes.
#pragma once

#include <string>
#include <vector>

#include "app/picture_style.h"
#include "app/plot_stage.h"

namespace app {

struct PathPicture {
  std::string title;     // the object's readable name
  std::string subtitle;  // the frame, the years and the motion
  std::string planet;    // the name at the origin
  std::vector<float> years, x, y;  // calendar years (increasing), the planet's distances
  PngBackground background = PngBackground::white;
};

// User limits of a top view: x0..x1 and y0..y1.
struct ViewLimits {
  float x0 = 0, x1 = 1, y0 = 0, y1 = 1;
};

// The smallest limits that hold the path and the origin with a margin of a twentieth of
// their size on each side, widened on one axis so that a unit is as long on both axes
// of an axis area `width` by `height`.
ViewLimits view_limits(const std::vector<float>& x, const std::vector<float>& y, int width, int height);

// Draws the picture into `file` of the working folder as `output`. False when the file
// could not be written; throws PlotFailure when the plot library stopped.
bool draw_path_picture(const PathPicture& picture, PlotOutput output, const std::string& file);

}  // namespace app

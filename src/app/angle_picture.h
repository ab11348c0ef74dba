// The picture of a resonant angle against time, drawn on PLOTIX's 2D axis system.
#pragma once

#include <string>
#include <vector>

#include "app/plot_stage.h"

namespace app {

struct AnglePicture {
  std::string title;         // first title line: the object
  std::string subtitle;      // second: the planet and the motion
  std::vector<float> years;  // calendar years, increasing
  std::vector<float> phi;    // the angle, degrees
};

// Draws the angle into `file` of the working folder as a PNG or SVG (`output`), the y
// axis over whole multiples of 60 degrees that hold it. False when the file could not be
// written; throws PlotFailure (app/plot_failure.h) when the plot library stopped.
bool draw_angle_picture(const AnglePicture& picture, PlotOutput output, const std::string& file);

}  // namespace app

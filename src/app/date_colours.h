// A path coloured by date: the colour of each point, the colour bar of the dates in
// years, and the closest approaches marked as dots with their dates.
#pragma once

#include <vector>

#include "app/clear_palette.h"
#include "app/picture_box.h"
#include "app/run_state.h"

namespace app {

// Most approaches labelled with their dates: the closest.
inline constexpr int kMostApproachLabels = 5;
// Diameter of an approach's dot, plot units.
inline constexpr float kApproachDotSize = 16.0f;

// Which of `colours` colours, from the earliest date to the latest, point k (0-based)
// of the path takes: the span of dates cut into equal parts.
int date_colour_index(const RunState& state, int k, int colours);

// The colour bar at the upper right of the page, above the drawing: the dates'
// colours from the earliest to the latest, with round years below it.
void draw_date_bar(const RunState& state, const ClearPalette& palette);

// Where the run's close approaches to its planet lie on the path (between the two points
// of the path around their dates), in the order of the close-approach file.
struct ApproachMark {
  double jd = 0.0;
  double distance = 0.0;  // planet radii
  float x = 0, y = 0, z = 0;
};
std::vector<ApproachMark> approach_marks(const RunState& state);

// A dot at each approach inside the box, and the dates of the closest few beside their
// dots, each clear of the others (joined to its dot by a line when moved away from it).
void draw_approach_marks(const RunState& state, const ClearPalette& palette, const PictureBox& box);

}  // namespace app

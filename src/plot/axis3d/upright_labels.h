// Upright labels: the axis numbers and names written level in the page plane at
// the projected ticks of one outer edge of the box per axis, outside the box; and
// the projection scaled and centred so that the box and its labels fill the area
// below the titles.
#pragma once

#include <string>
#include <vector>

#include "plot/core/plot_state.h"

namespace plotix {

struct PageRect {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // page units, y downwards
};

// One number or name: its text, turn (0 level, 90 reading upwards), height and the
// rectangle its strokes lie in.
struct UprightText {
  std::string text;
  int angle = 0;
  int height = 0;
  PageRect rect;
};

struct UprightLabels {
  std::vector<PageRect> ticks;  // each from (x1, y1) to (x2, y2)
  std::vector<UprightText> texts;
};

// Moves a viewpoint that lies inside the box or close to it back along its line of
// sight from the focus, until the whole box lies well in front of the viewer.
void keep_box_in_front(PlotState& s);

// With the viewing matrix built: sets scl3, xcen3 and
// ycen3 so that the box corners and the labels fill the drawing area (the page less
// a border, below the titles) with a margin, and returns the ticks and labels that
// fit without overlapping each other, in 1.2 times the character and name heights. Leaves the projection as it is when a box
// corner lies behind the viewer.
UprightLabels fit_upright_labels(PlotState& s);

// Draws the ticks and texts in the current colour.
void draw_upright_labels(PlotState& s, const UprightLabels& labels);

}  // namespace plotix

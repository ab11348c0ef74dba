// Where a picture lands when it is scaled to fit inside an area with its aspect kept:
// as large as fits, centred, the rest of the area left to the background.
#pragma once

namespace devices {

struct FitRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The picture inner_w x inner_h scaled into outer_w x outer_h.
FitRect fit_inside(int outer_w, int outer_h, int inner_w, int inner_h);

}  // namespace devices

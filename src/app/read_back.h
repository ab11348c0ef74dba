// Reading the coordinates file of the last run back: the path, the 3D box that holds
// it, and the Earth's circle.
#pragma once

#include <filesystem>

#include "app/run_state.h"

namespace app {

// Reads `file_name` (the coordinates file of the last run, name7 + ".xyz") into state: points, axis
// box, Earth circle; turns anim on and sets kstart = 1. Throws std::runtime_error when the file
// cannot be opened or a record cannot be read.
void read_back(RunState& state, const std::filesystem::path& file_name);

// Sizes the box from the largest |1 + X|, |Y| and |Z| of the path.
AxisBox size_axis_box(float xymax, float zmax);

}  // namespace app

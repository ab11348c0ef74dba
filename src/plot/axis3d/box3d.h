// Public routine that draws the 3D axis box.
#pragma once

namespace plotix {

// The twelve edges of the box.
void box3d();

}  // namespace plotix

// Public routines of the 3D view: box proportions, viewpoint and focus (any
// level; reset at disini).
#pragma once

#include <string_view>

namespace plotix {

void axis3d(float xlen, float ylen, float zlen);
void view3d(float x, float y, float z, std::string_view unit);  // "ABS", "USER", "ANGL"
void vfoc3d(float x, float y, float z, std::string_view unit);  // "ABS", "USER"

}  // namespace plotix

// A second y axis on the right edge of the 2D axis system, in another unit.
#pragma once

#include <string_view>

namespace plotix {

// Numbers the right edge of the open 2D axis system in a unit `factor` times the y
// axis's (light-seconds for kilometres, lunar distances for AU), with ticks outward and
// `name` reading upwards beyond them, in graf2d's heights. On a logarithmic y axis the
// numbers are the powers of ten of the new unit, each decade; on a linear one they are
// spaced as spaced_step2d spaces them. A factor not above 0 is warning 2.
void right_axis2d(float factor, std::string_view name);

}  // namespace plotix

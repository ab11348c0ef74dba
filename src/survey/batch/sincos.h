// Sine and cosine of many arguments at once, to within one unit in the last place of the
// true values (the vector library's 1.0-ulp functions, chosen for the processor at run
// time).
#pragma once

#include <cstddef>

namespace survey {

// sin_x[i], cos_x[i] of x[i] for i < count; count even.
void sincos_lanes(const double* x, double* sin_x, double* cos_x, size_t count);

}  // namespace survey

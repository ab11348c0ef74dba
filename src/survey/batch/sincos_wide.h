// The sine and cosine of four or eight arguments a call, each in a file of its own built
// for the vector extension it needs; called only on a processor that has it.
#pragma once

#include <cstddef>

namespace survey {

// sin_x[i], cos_x[i] of x[i] for the first count - count % 4 (or % 8) arguments; returns
// how many that is. The four-lane one needs AVX2 and FMA, the eight-lane one AVX-512.
size_t sincos_4_lanes(const double* x, double* sin_x, double* cos_x, size_t count);
size_t sincos_8_lanes(const double* x, double* sin_x, double* cos_x, size_t count);

}  // namespace survey

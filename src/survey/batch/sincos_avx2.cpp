// Four lanes a call (see sincos_wide.h); this file alone is built for AVX2 and FMA.
#include <immintrin.h>
#include <sleef.h>

#include "survey/batch/sincos_wide.h"

namespace survey {

size_t sincos_4_lanes(const double* x, double* sin_x, double* cos_x, size_t count) {
  const size_t whole = count - count % 4;
  for (size_t i = 0; i < whole; i += 4) {
    const Sleef___m256d_2 both = Sleef_sincosd4_u10avx2(_mm256_loadu_pd(x + i));
    _mm256_storeu_pd(sin_x + i, both.x);
    _mm256_storeu_pd(cos_x + i, both.y);
  }
  return whole;
}

}  // namespace survey

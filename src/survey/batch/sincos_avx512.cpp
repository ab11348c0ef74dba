// Eight lanes a call (see sincos_wide.h); this file alone is built for AVX-512.
#include <immintrin.h>
#include <sleef.h>

#include "survey/batch/sincos_wide.h"

namespace survey {

size_t sincos_8_lanes(const double* x, double* sin_x, double* cos_x, size_t count) {
  const size_t whole = count - count % 8;
  for (size_t i = 0; i < whole; i += 8) {
    const Sleef___m512d_2 both = Sleef_sincosd8_u10avx512f(_mm512_loadu_pd(x + i));
    _mm512_storeu_pd(sin_x + i, both.x);
    _mm512_storeu_pd(cos_x + i, both.y);
  }
  return whole;
}

}  // namespace survey

// Two arguments per call: the two-lane entry of the library dispatches itself to the
// best two-lane code of the processor, and needs nothing beyond the x86-64 baseline here.
#include "survey/batch_sincos.h"

#include <emmintrin.h>
#include <sleef.h>

namespace survey {

void sincos_lanes(const double* x, double* sin_x, double* cos_x, size_t count) {
  for (size_t i = 0; i < count; i += 2) {
    const Sleef___m128d_2 both = Sleef_sincosd2_u10(_mm_loadu_pd(x + i));
    _mm_storeu_pd(sin_x + i, both.x);
    _mm_storeu_pd(cos_x + i, both.y);
  }
}

}  // namespace survey

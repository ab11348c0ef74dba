// As many arguments a call as the processor takes: eight with AVX-512, four with AVX2,
// else two through the library's two-lane entry, which dispatches itself and needs
// nothing beyond the x86-64 baseline. The library's one-ulp functions give the same bits
// at every width.
#include "survey/batch/sincos.h"

#include <emmintrin.h>
#include <hwy/targets.h>
#include <sleef.h>

#include "survey/batch/sincos_wide.h"

namespace survey {
namespace {

using WideLoop = size_t (*)(const double* x, double* sin_x, double* cos_x, size_t count);

// The widest loop the processor (and the system, for its registers) supports, or none.
WideLoop widest_loop() {
  const int64_t targets = hwy::SupportedTargets();
  if ((targets & HWY_AVX3) != 0) return sincos_8_lanes;
  if ((targets & HWY_AVX2) != 0) return sincos_4_lanes;
  return nullptr;
}

}  // namespace

void sincos_lanes(const double* x, double* sin_x, double* cos_x, size_t count) {
  static const WideLoop wide = widest_loop();
  for (size_t i = wide != nullptr ? wide(x, sin_x, cos_x, count) : 0; i < count; i += 2) {
    const Sleef___m128d_2 both = Sleef_sincosd2_u10(_mm_loadu_pd(x + i));
    _mm_storeu_pd(sin_x + i, both.x);
    _mm_storeu_pd(cos_x + i, both.y);
  }
}

}  // namespace survey

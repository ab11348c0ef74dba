// The batch's sine and cosine against the C library's: within one unit in the last
// place, over the ranges the drift meets and far beyond.
#include <gtest/gtest.h>

#include <emmintrin.h>
#include <hwy/targets.h>
#include <sleef.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "survey/batch/sincos.h"
#include "survey/batch/sincos_wide.h"

namespace {

// Whether a is b or one of b's neighbours.
bool within_one_ulp(double a, double b) {
  return a == b || a == std::nextafter(b, INFINITY) || a == std::nextafter(b, -INFINITY);
}

TEST(BatchSincos, AgreesWithTheLibraryWithinOneUlp) {
  const struct {
    double low, high;
  } ranges[] = {
      {-1e-3, 1e-3},     // a change of anomaly over a half step of a distant orbit
      {-0.2, 0.2},       // the drift's iterates: a half step of the survey
      {-7.0, 7.0},       // a turn either way
      {-1e3, 1e3},       // many turns
      {1e6, 1e9},        // large arguments
      {-1e14, -1e12},    // very large ones
  };
  constexpr size_t kArguments = 100002;  // two past the widest loop's last call
  std::mt19937_64 random(20261207);
  std::vector<double> x(kArguments), sin_x(kArguments), cos_x(kArguments);
  for (const auto& range : ranges) {
    std::uniform_real_distribution<double> argument(range.low, range.high);
    for (double& value : x) value = argument(random);
    survey::sincos_lanes(x.data(), sin_x.data(), cos_x.data(), kArguments);
    size_t off = 0;
    for (size_t i = 0; i < kArguments; ++i) off += !within_one_ulp(sin_x[i], std::sin(x[i])) || !within_one_ulp(cos_x[i], std::cos(x[i]));
    EXPECT_EQ(off, 0u) << range.low << " .. " << range.high;
  }
}

// The batches' rows do not depend on the width the processor takes.
TEST(BatchSincos, EveryWidthGivesTheBitsOfTheTwoLaneEntry) {
  constexpr size_t kArguments = 4096;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> argument(-1e3, 1e3);
  std::vector<double> x(kArguments), sin_2(kArguments), cos_2(kArguments);
  for (double& value : x) value = argument(random);
  for (size_t i = 0; i < kArguments; i += 2) {
    const Sleef___m128d_2 both = Sleef_sincosd2_u10(_mm_loadu_pd(&x[i]));
    _mm_storeu_pd(&sin_2[i], both.x);
    _mm_storeu_pd(&cos_2[i], both.y);
  }
  const int64_t targets = hwy::SupportedTargets();
  const struct {
    const char* name;
    bool runs;
    size_t (*loop)(const double*, double*, double*, size_t);
  } widths[] = {{"four lanes", (targets & HWY_AVX2) != 0, survey::sincos_4_lanes},
                {"eight lanes", (targets & HWY_AVX3) != 0, survey::sincos_8_lanes}};
  int tried = 0;
  for (const auto& width : widths) {
    if (!width.runs) continue;
    ++tried;
    std::vector<double> sin_x(kArguments), cos_x(kArguments);
    EXPECT_EQ(width.loop(x.data(), sin_x.data(), cos_x.data(), kArguments), kArguments) << width.name;
    EXPECT_EQ(std::memcmp(sin_x.data(), sin_2.data(), sizeof(double) * kArguments), 0) << width.name;
    EXPECT_EQ(std::memcmp(cos_x.data(), cos_2.data(), sizeof(double) * kArguments), 0) << width.name;
  }
  if (tried == 0) GTEST_SKIP() << "the processor has neither AVX2 nor AVX-512";
}

}  // namespace

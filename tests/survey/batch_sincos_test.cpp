// The batch's sine and cosine against the C library's: within one unit in the last
// place, over the ranges the drift meets and far beyond.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "survey/batch_sincos.h"

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
  constexpr size_t kArguments = 100000;
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

}  // namespace

// Steps of 1, 2 or 5 times a power of ten.
#include "app/nice_steps.h"

#include <cmath>
#include <cstdlib>

namespace app {

namespace {

// A multiple that misses an end by rounding alone still counts.
constexpr double kHair = 1.0e-9;

// How far a count lies from 4..8, and from 6 inside it: smaller is better.
double distance_from_wanted(int count) {
  if (count < kFewestNumbers) return 10.0 + (kFewestNumbers - count);
  if (count > kMostNumbers) return 10.0 + (count - kMostNumbers);
  return std::abs(count - 6);
}

}  // namespace

int numbers_in(double lo, double hi, double step) {
  const double slack = kHair * (hi - lo);
  return static_cast<int>(std::floor((hi + slack) / step) - std::ceil((lo - slack) / step)) + 1;
}

double nice_step(double lo, double hi) {
  const double decade = std::pow(10.0, std::floor(std::log10(hi - lo)) - 2);
  double best = 0.0, best_distance = 0.0;
  // From a hundredth of the range's decade up to ten times it: 1, 2, 5, 10, 20 ...
  for (int k = 0; k < 12; ++k) {
    const double step = decade * std::pow(10.0, k / 3) * (k % 3 == 0 ? 1.0 : k % 3 == 1 ? 2.0 : 5.0);
    const double distance = distance_from_wanted(numbers_in(lo, hi, step));
    if (best == 0.0 || distance <= best_distance) {
      best = step;
      best_distance = distance;
    }
  }
  return best;
}

double next_round_step(double step) {
  const double decade = std::pow(10.0, std::floor(std::log10(step) + kHair));
  const double mantissa = step / decade;
  return decade * (mantissa < 1.5 ? 2.0 : mantissa < 3.5 ? 5.0 : 10.0);
}

double first_number(double lo, double step) {
  const double first = std::ceil(lo / step - kHair) * step;
  return first == 0.0 ? 0.0 : first;  // no -0
}

}  // namespace app

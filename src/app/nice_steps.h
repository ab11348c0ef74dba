// Steps between the numbers of an axis: 1, 2 or 5 times a power of ten, chosen so that
// an axis holds 4 to 8 numbers.
#pragma once

namespace app {

inline constexpr int kFewestNumbers = 4;
inline constexpr int kMostNumbers = 8;

// How many whole multiples of `step` lie in [lo, hi] (a hair beyond either end counts).
int numbers_in(double lo, double hi, double step);

// The step of 1, 2 or 5 times a power of ten that puts 4 to 8 numbers in [lo, hi],
// nearest 6 (the larger step on a tie); when none does, the one whose count comes
// nearest that range. lo < hi.
double nice_step(double lo, double hi);

// The next round step above a round one: 1 -> 2 -> 5 -> 10 times its power of ten.
double next_round_step(double step);

// The first multiple of `step` at or above lo.
double first_number(double lo, double step);

}  // namespace app

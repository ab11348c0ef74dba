// The kinds of motion of the resonant angle and how a stretch of it between two turning
// points is judged from the range it sweeps.
#pragma once

#include <string_view>

#include "coorbital/thresholds.h"

namespace coorbital {

enum class Motion { quasi_satellite, trojan_l4, trojan_l5, horseshoe, passing };

// "quasi-satellite", "trojan-L4", "trojan-L5", "horseshoe", "passing".
std::string_view motion_name(Motion motion);

// A stretch of phi that sweeps [low, high] (unwrapped degrees, low <= high):
// - crossing neither 0 nor 180 (by more than the margin): a Trojan, L4 when it lies on
//   the side of +60, L5 on that of -60; a quasi-satellite when its middle lies within
//   the quasi-satellite's reach of 0 (a swing too small to cross 0 by the margin);
// - crossing 0 but not 180: a quasi-satellite;
// - crossing 180 once, and reaching both edges (+60 and -60) without passing 0 by more
//   than the overshoot on either side: a horseshoe; crossing 180 but short of an edge:
//   a Trojan whose tadpole passes 180 a little, on the side of its middle;
// - anything wider: passing.
Motion motion_of_range(double low, double high, const Thresholds& thresholds);

// The middle of [low, high] in (-180, 180].
double wrapped_middle(double low, double high);

}  // namespace coorbital

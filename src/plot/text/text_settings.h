// Public text parameter routines: character height, text angle, title lines.
#pragma once

#include <string_view>

namespace plotix {

// Character height in plot units (1 to 10000).
void height(int h);
// Text angle in degrees, counter-clockwise.
void angle(int degrees);
// Stores title line |n| (1 to 4), at most 132 characters; n < 0 underlines it.
void titlin(std::string_view text, int n);

}  // namespace plotix

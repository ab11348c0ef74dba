// A text at a page point (messag), for legends and notes beside the axis system.
#pragma once

#include <string_view>

namespace plotix {

// Draws text with its upper-left corner at page point (x, y) in the current height
// and angle.
void messag(std::string_view text, int x, int y);

}  // namespace plotix

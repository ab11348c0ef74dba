// A text at a page point (messag), for legends and notes beside the axis system, and
// its length (nlmess, or message_length upright), to lay such texts out clear of each other.
#pragma once

#include <string_view>

namespace plotix {

// Draws text with its upper-left corner at page point (x, y) in the current height
// and angle.
void messag(std::string_view text, int x, int y);

// The length of text in plot units at the current height and angle, as messag draws it.
int nlmess(std::string_view text);

// The length of the text in plot units, drawn upright in the current height.
int message_length(std::string_view text);

}  // namespace plotix

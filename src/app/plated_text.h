// A note written over the drawing (the Sun's arrow, the dates of close approaches) on a
// plate of the page's colour, so that it reads wherever the path runs under it.
#pragma once

#include <string_view>

#include "app/clear_palette.h"

namespace app {

// Room left around the text on its plate, plot units.
inline constexpr float kPlateMargin = 4.0f;

// Writes `text` `height` units high with its upper-left corner at page point (x, y),
// in the palette's text colour over a plate of its page colour.
void plated_text(std::string_view text, float x, float y, int height, const ClearPalette& palette);

}  // namespace app

// The standard stroke alphabet (alphabet 1).
#pragma once

#include "plot/text/stroke_font.h"

namespace plotix {

// The standard alphabet: codes 32 to 163, glyphs for 33 to 133, pitch 6.
const Alphabet& alphabet1();

}  // namespace plotix

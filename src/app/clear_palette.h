// The colours of the clear style on white paper and on black: text, box, path, Sun
// and planet, and the viridis colours of a path coloured by date. Every line keeps a
// contrast of at least 3:1 against its page and every text 4.5:1 (WCAG's relative
// luminance), and the box stays quieter than the path.
#pragma once

#include <vector>

namespace app {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

struct ClearPalette {
  Rgb page;    // the background
  Rgb text;    // titles, legend, numbers and names, the Sun's arrow
  Rgb box;     // a neutral grey, thin
  Rgb path;    // dark on paper, bright on black, drawn bold
  Rgb sun;
  Rgb planet;
  // The dates' colours from the earliest to the latest: the part of viridis that keeps
  // 3:1 against the page (its dark end on paper, its bright end on black).
  std::vector<Rgb> dates;
};

const ClearPalette& clear_palette(bool paper);

// The 32 colours of viridis sampled evenly from its published table of 256, index
// round(k * 255 / 31) for k = 0 .. 31.
extern const Rgb kViridis32[32];

}  // namespace app

// The colours of the 2D figures (the co-orbital angle and path, the survey's approaches)
// on white paper or on black: dark colours on white, light ones on black, every text at
// least 4.5:1 and every line at least 3:1 against the page and the tints behind it.
#pragma once

#include <array>
#include <cstddef>

#include "app/picture_style.h"
#include "app/rgb.h"

namespace app {

// Tints of the episodes behind the angle, by kind.
enum class EpisodeTint { none, quasi_satellite, trojan_l4, trojan_l5, horseshoe };

struct FigurePalette {
  Rgb paper;
  Rgb ink;        // texts, axes, the frame, markers of the planet and the Sun
  Rgb curve;      // the object's angle
  Rgb clone;      // the clone's angle, lighter, drawn behind
  Rgb epoch;      // the line at the epoch, and the line at one lunar distance
  std::array<Rgb, 5> tints;   // by EpisodeTint; tints[0] is the paper
  std::array<Rgb, 10> bodies;  // planets 1..9, then the Moon
  // The stretch of viridis that keeps 3:1 against the paper.
  std::size_t viridis_first = 0, viridis_last = 255;
};

FigurePalette figure_palette(PngBackground background);

// Makes the colour current in the plot library.
void use_colour(const Rgb& colour);

}  // namespace app

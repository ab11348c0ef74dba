// The colours of the 2D figures on both backgrounds.
#include "app/figure_palette.h"

#include "plot/plotix.h"

namespace app {

namespace {

// The planets' colours follow the colour-blind-safe set of Okabe and Ito where it holds
// 3:1, darkened for white paper and lightened for black; the Moon is grey beside the
// Earth's blue. Viridis is cut where its light end (on white) or its dark end (on black)
// falls under 3:1.
constexpr FigurePalette kOnWhite{
    {255, 255, 255},
    {26, 26, 26},
    {31, 78, 153},
    {102, 120, 143},
    {178, 24, 43},
    {{{255, 255, 255}, {219, 233, 246}, {223, 240, 216}, {236, 226, 240}, {253, 233, 210}}},
    {{{140, 109, 31},
      {213, 94, 0},
      {0, 114, 178},
      {184, 50, 27},
      {168, 72, 127},
      {138, 116, 0},
      {0, 134, 106},
      {59, 76, 192},
      {106, 61, 154},
      {94, 94, 94}}},
    0,
    150};

constexpr FigurePalette kOnBlack{
    {0, 0, 0},
    {230, 230, 230},
    {143, 184, 255},
    {127, 145, 171},
    {255, 128, 128},
    {{{0, 0, 0}, {16, 28, 44}, {18, 36, 22}, {34, 24, 40}, {44, 30, 12}}},
    {{{200, 169, 106},
      {230, 159, 0},
      {86, 180, 233},
      {255, 110, 84},
      {224, 123, 181},
      {240, 228, 66},
      {46, 196, 149},
      {143, 159, 255},
      {180, 142, 224},
      {187, 187, 187}}},
    75,
    255};

}  // namespace

FigurePalette figure_palette(PngBackground background) {
  return background == PngBackground::white ? kOnWhite : kOnBlack;
}

void use_colour(const Rgb& colour) {
  plotix::setrgb(static_cast<float>(colour.r) / 255.0f, static_cast<float>(colour.g) / 255.0f,
                 static_cast<float>(colour.b) / 255.0f);
}

}  // namespace app

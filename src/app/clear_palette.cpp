// The clear style's colours.
#include "app/clear_palette.h"

namespace app {

namespace {

// 8-bit components of the published table.
constexpr Rgb byte_colour(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

// Samples of viridis used on each page: on white up to sample 18 (3.1:1 against
// white), on black from sample 9 (3.0:1 against black).
constexpr int kLastOnPaper = 18;
constexpr int kFirstOnBlack = 9;

std::vector<Rgb> viridis_part(int first, int last) {
  return std::vector<Rgb>(kViridis32 + first, kViridis32 + last + 1);
}

}  // namespace

const Rgb kViridis32[32] = {
    byte_colour(68, 1, 84),    byte_colour(71, 13, 96),   byte_colour(72, 24, 106),  byte_colour(72, 36, 117),
    byte_colour(71, 46, 124),  byte_colour(69, 56, 130),  byte_colour(66, 65, 134),  byte_colour(62, 76, 138),
    byte_colour(58, 84, 140),  byte_colour(54, 93, 141),  byte_colour(50, 101, 142), byte_colour(46, 109, 142),
    byte_colour(43, 117, 142), byte_colour(40, 125, 142), byte_colour(37, 132, 142), byte_colour(34, 140, 141),
    byte_colour(31, 148, 140), byte_colour(30, 156, 137), byte_colour(32, 163, 134), byte_colour(37, 171, 130),
    byte_colour(46, 179, 124), byte_colour(58, 186, 118), byte_colour(72, 193, 110), byte_colour(88, 199, 101),
    byte_colour(105, 205, 91), byte_colour(127, 211, 78), byte_colour(147, 215, 65), byte_colour(168, 219, 52),
    byte_colour(189, 223, 38), byte_colour(213, 226, 26), byte_colour(234, 229, 26), byte_colour(253, 231, 37),
};

const ClearPalette& clear_palette(bool paper) {
  // On paper: black text, a mid grey box (3.4:1), a dark green path (7:1), a burnt
  // orange Sun (3.8:1) where yellow would hardly show, a deep red planet (5.3:1).
  static const ClearPalette kPaper{{1, 1, 1},        {0, 0, 0},       {0.55f, 0.55f, 0.55f}, {0, 0.42f, 0},
                                   {0.8f, 0.4f, 0}, {0.85f, 0, 0}, viridis_part(0, kLastOnPaper)};
  // On black: white text, a grey box (5.3:1) below the bright green path, the
  // screen's yellow Sun and red planet.
  static const ClearPalette kBlack{{0, 0, 0}, {1, 1, 1}, {0.5f, 0.5f, 0.5f}, {0, 1, 0},
                                   {1, 1, 0}, {1, 0, 0}, viridis_part(kFirstOnBlack, 31)};
  return paper ? kPaper : kBlack;
}

}  // namespace app

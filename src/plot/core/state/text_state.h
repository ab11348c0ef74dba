// Text fields of PlotState: character height, angle and shape of the stroke
// font, the title lines and the pen position of the text being drawn.
#pragma once

#include <array>
#include <string>

namespace plotix {

inline constexpr int kTitleLines = 4;         // title lines set by titlin
inline constexpr int kMaxTitleLength = 132;   // characters kept of a title line

struct TextState {
  int nhchar = 36;               // character height, plot units
  int nangle = 0;                // text angle, degrees counter-clockwise
  float xsin = 0.0f;             // sine and cosine of nangle
  float xcos = 1.0f;
  std::array<std::string, kTitleLines> ctitle{};  // title lines, empty = not set
  std::array<char, kTitleLines> iundl{'0', '0', '0', '0'};  // '1' underlined, '0' not
  int ntitpos = 0;               // title placement: 0 centred, 1 left, 2 right of the axis area
  int ntitoff = 0;               // extra distance of the title block from the axis area
  float xtitsp = 1.5f;           // title line spacing in units of the title height
  int nthgt = 0;                 // title height; 0 = nhchar
  float xslant = 0.0f;           // x shift per unit of y in a character
  float xwfac = 1.0f;            // width factor of the characters
  float xchsp = 0.0f;            // extra space between characters in units of nhchar
  int ialph = 1;                 // current alphabet
  float xpen = 0.0f;             // where the next character starts, page coordinates
  float ypen = 0.0f;
};

}  // namespace plotix

// Drawing and measuring texts with the stroke font: the internal routines the
// titles, the page header and the axis labels use.
#pragma once

#include <cstddef>
#include <string_view>

#include "plot/core/plot_state.h"

namespace plotix {

// Pen coordinates that mean "continue where the last text ended" in qqmess.
inline constexpr int kContinueAtPen = 999;
// Characters of a text that are drawn or measured; the rest is ignored.
inline constexpr std::size_t kMaxTextLength = 256;

// Sets the text angle (degrees, counter-clockwise) with its sine and cosine.
void set_text_angle(PlotState& st, int degrees);

// Sets the text angle and height for its lifetime and then restores the previous
// ones (dtext, title and paghdr draw in their own angle and height).
class TemporaryTextSettings {
 public:
  TemporaryTextSettings(PlotState& st, int angle_degrees, int h);
  ~TemporaryTextSettings();
  TemporaryTextSettings(const TemporaryTextSettings&) = delete;
  TemporaryTextSettings& operator=(const TemporaryTextSettings&) = delete;

 private:
  PlotState& st_;
  int angle_;
  float sin_;
  float cos_;
  int height_;
};

// Draws one character at the pen in the current height, angle and alphabet and
// advances the pen; codes below 32 and codes beyond the alphabet are blanks.
void alfcha(PlotState& st, unsigned char code);

// Draws a text with its upper-left corner at (x, y) (page offsets added) in the
// current height and angle; (999, 999) continues at the pen. A start point off
// the page is reported and the text drawn anyway.
void qqmess(PlotState& st, std::string_view text, int x, int y);

// Draws a text like qqmess in the given angle and height, then restores both.
void dtext(PlotState& st, std::string_view text, int x, int y, int angle_degrees, int h);

// Length of a text in plot units in the current settings (0 when it is empty or
// only blanks).
int nlmess(const PlotState& st, std::string_view text);

}  // namespace plotix

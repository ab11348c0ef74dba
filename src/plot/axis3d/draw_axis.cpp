// The 2D axis machinery: axis line, ticks, numbers and name of one axis.
#include "plot/axis3d/draw_axis.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "plot/axis3d/axis_numbers.h"
#include "plot/lines/polyline.h"
#include "plot/text/text_draw.h"

namespace plotix {

namespace {

// More ticks or numbers than this on one axis means a step far too small for
// the range; the axis then gets its line and name only.
constexpr int kMaxMarks = 10000;

struct AxisFrame {
  const AxisSpec& axis;
  const AxisSlot& set;
  int len;        // length of the slot in plot units
  double scale;   // plot units per user unit (negative when the axis runs backwards)
  bool vertical;

  double along(double value) const { return (value - axis.start) * scale; }
};

void draw_segment(PlotState& s, float x1, float y1, float x2, float y2) {
  strtqq(s, x1, y1);
  connqq(s, x2, y2);
}

void axis_line(PlotState& s, const AxisFrame& f) {
  const float x0 = f.axis.x0, y0 = f.axis.y0;
  if (f.vertical) {
    draw_segment(s, x0, y0, x0, y0 - f.len + 1);
  } else {
    draw_segment(s, x0, y0, x0 + f.len - 1, y0);
  }
}

// Ticks at every multiple of step/nticks from the first number that lies on the
// axis, long ones at the numbered positions.
void markx(PlotState& s, const AxisFrame& f) {
  const double interval = static_cast<double>(f.axis.step) / f.set.nticks;
  const double a = (f.axis.start - f.axis.first) / interval;
  const double b = (f.axis.end - f.axis.first) / interval;
  const double kmin = std::ceil(std::min(a, b) - 1.0e-4), kmax = std::floor(std::max(a, b) + 1.0e-4);
  if (kmax - kmin > kMaxMarks) return;
  const float outer = f.axis.mirrored ? -1.0f : 1.0f;
  for (int k = static_cast<int>(kmin); k <= static_cast<int>(kmax); ++k) {
    const double value = f.axis.first + k * interval;
    const float p = std::floor(static_cast<float>(f.along(value)) + 0.5f);
    const float length = k % f.set.nticks == 0 ? f.set.nmajlen : f.set.ntiklen;
    if (f.vertical) {
      const float y = f.axis.y0 - p;
      draw_segment(s, f.axis.x0, y, f.axis.x0 - length, y);
    } else {
      const float x = f.axis.x0 + p;
      draw_segment(s, x, f.axis.y0, x, f.axis.y0 + outer * length);
    }
  }
}

// Numbers centred on their ticks beyond the long ticks; returns the width of
// the widest number drawn.
int labelx(PlotState& s, const AxisFrame& f) {
  const int n = last_number_index(f.axis.first, f.axis.step, f.axis.end);
  if (n < 0 || n > kMaxMarks) return 0;
  const int digits = f.set.iautodig ? auto_digits(f.axis.first, f.axis.step) : f.set.ndig;
  const int h = s.text.nhchar;
  const int dist = f.set.nlabdist + f.set.nmajlen;
  int widest = 0;
  for (int k = 0; k <= n; ++k) {
    if (!number_selected(k, n, f.set.nlabsel)) continue;
    const double value = static_cast<double>(f.axis.first) + k * static_cast<double>(f.axis.step);
    const std::string text = fcha(value, digits);
    const int width = nlmess(s, text);
    widest = std::max(widest, width);
    int x, y;
    if (f.vertical) {
      x = f.axis.x0 - dist - width;
      y = static_cast<int>(f.axis.y0 - 0.5 - f.along(value) - h / 2.0);
    } else {
      x = static_cast<int>(f.axis.x0 + 0.5 + f.along(value) - width / 2.0);
      y = f.axis.mirrored ? f.axis.y0 - dist - h : f.axis.y0 + dist;
    }
    dtext(s, text, x, y, 0, h);
  }
  return widest;
}

// The name centred along the axis beyond the numbers; on the vertical slot it
// reads upwards.
void namex(PlotState& s, const AxisFrame& f, int widest) {
  const int hname = s.axis3d.nhname, h = s.text.nhchar;
  const int saved = s.text.nhchar;
  s.text.nhchar = hname;
  const int length = nlmess(s, f.axis.name);
  s.text.nhchar = saved;
  if (length == 0) return;
  const int dist = f.set.nnamdist + f.set.nmajlen + f.set.nlabdist;
  const int offset = (f.len - length) / 2;
  if (f.vertical) {
    dtext(s, f.axis.name, f.axis.x0 - dist - widest - hname, f.axis.y0 - offset, 90, hname);
  } else {
    const int y = f.axis.mirrored ? f.axis.y0 - dist - h - hname : f.axis.y0 + dist + h;
    dtext(s, f.axis.name, f.axis.x0 + offset, y, 0, hname);
  }
}

}  // namespace

void draw_axis(PlotState& s, const AxisSpec& axis) {
  const bool vertical = axis.slot == kVerticalSlot;
  const int len = vertical ? s.core.nyl : s.core.nxl;
  const AxisFrame f{axis, s.axis3d.slot[axis.slot], len,
                    (len - 1) / (static_cast<double>(axis.end) - axis.start), vertical};
  if (f.set.iaxline) axis_line(s, f);
  markx(s, f);
  const int widest = labelx(s, f);
  namex(s, f, widest);
}

}  // namespace plotix

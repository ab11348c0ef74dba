// The 2D axis machinery: axis line, ticks, numbers and name of one axis.
#include "plot/axis3d/draw_axis.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "plot/axis3d/axis_numbers.h"
#include "plot/axis3d/plane3d.h"
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

// One line of the axis on its box face, cut first where the face reaches
// behind the viewer.
void draw_segment(PlotState& s, float x1, float y1, float x2, float y2) {
  if (s.axis3d.iplane3 != 0 && !clip_plane_segment(s, x1, y1, x2, y2)) return;
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

// Where the numbers of an axis lie: the widest, and the stretch along the axis
// (plot units from its start) that each one covers.
struct NumberSlots {
  int widest = 0;
  std::vector<std::pair<float, float>> along;
};

// Numbers centred on their ticks beyond the long ticks.
NumberSlots labelx(PlotState& s, const AxisFrame& f) {
  NumberSlots slots;
  const int n = last_number_index(f.axis.first, f.axis.step, f.axis.end);
  if (n < 0 || n > kMaxMarks) return slots;
  const int digits = f.set.iautodig ? auto_digits(f.axis.first, f.axis.step) : f.set.ndig;
  const int h = s.text.nhchar;
  const int dist = f.set.nlabdist + f.set.nmajlen;
  for (int k = 0; k <= n; ++k) {
    if (!number_selected(k, n, f.set.nlabsel)) continue;
    const double value = static_cast<double>(f.axis.first) + k * static_cast<double>(f.axis.step);
    const std::string text = fcha(value, digits);
    const int width = nlmess(s, text);
    slots.widest = std::max(slots.widest, width);
    int x, y;
    if (f.vertical) {
      x = f.axis.x0 - dist - width;
      y = static_cast<int>(f.axis.y0 - 0.5 - f.along(value) - h / 2.0);
    } else {
      x = static_cast<int>(f.axis.x0 + 0.5 + f.along(value) - width / 2.0);
      y = f.axis.mirrored ? f.axis.y0 - dist - h : f.axis.y0 + dist;
    }
    dtext(s, text, x, y, 0, h);
    if (f.vertical) {
      slots.along.emplace_back(static_cast<float>(f.axis.y0 - y - h), static_cast<float>(f.axis.y0 - y));
    } else {
      slots.along.emplace_back(static_cast<float>(x - f.axis.x0), static_cast<float>(x + width - f.axis.x0));
    }
  }
  return slots;
}

// Start (plot units along the axis) of a name of `length` units: centred, unless
// that puts it level with a number, where a slanted face would show the two as
// one text ("X -1"); then centred in the gap between two numbers nearest the
// middle that holds it with `clear` units to spare on each side. A name no gap
// holds stays centred.
int name_offset(int len, int length, int clear, const NumberSlots& numbers) {
  const int centred = (len - length) / 2;
  auto level_with_a_number = [&](float a, float b) {
    for (const auto& [n1, n2] : numbers.along) {
      if (a < n2 + clear && n1 - clear < b) return true;
    }
    return false;
  };
  if (!level_with_a_number(static_cast<float>(centred), static_cast<float>(centred + length))) return centred;
  std::vector<std::pair<float, float>> sorted = numbers.along;
  std::sort(sorted.begin(), sorted.end());
  int best = centred;
  float best_shift = -1;
  for (std::size_t k = 0; k + 1 < sorted.size(); ++k) {
    const float room = sorted[k + 1].first - sorted[k].second - 2.0f * clear;
    if (room < length) continue;
    const int start = static_cast<int>((sorted[k].second + sorted[k + 1].first - length) / 2);
    const float shift = std::fabs(static_cast<float>(start - centred));
    if (best_shift < 0 || shift < best_shift) {
      best = start;
      best_shift = shift;
    }
  }
  return best;
}

// The name along the axis beyond the numbers (placed by name_offset); on the
// vertical slot it reads upwards.
void namex(PlotState& s, const AxisFrame& f, const NumberSlots& numbers) {
  const int hname = s.axis3d.nhname, h = s.text.nhchar;
  const int saved = s.text.nhchar;
  s.text.nhchar = hname;
  const int length = nlmess(s, f.axis.name);
  s.text.nhchar = saved;
  if (length == 0) return;
  const int dist = f.set.nnamdist + f.set.nmajlen + f.set.nlabdist;
  const int offset = name_offset(f.len, length, hname / 2, numbers);
  if (f.vertical) {
    dtext(s, f.axis.name, f.axis.x0 - dist - numbers.widest - hname, f.axis.y0 - offset, 90, hname);
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
  const NumberSlots numbers = labelx(s, f);
  namex(s, f, numbers);
}

}  // namespace plotix

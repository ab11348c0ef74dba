// Drawing one axis of the 2D axis system.
#include "plot/axis2d/axis_line2d.h"

#include <algorithm>
#include <cmath>

#include "plot/axis3d/axis_numbers.h"
#include "plot/lines/polyline.h"
#include "plot/text/text_draw.h"

namespace plotix {

namespace {

// More ticks than this on one axis means a step far too small for the range.
constexpr int kMostTicks = 10000;

struct Edge {
  AxisEdge side;
  float x0, y0;  // page point of the axis start
  float outward; // +1 when ticks and labels go towards larger page coordinates
  bool vertical() const { return side != AxisEdge::bottom; }
};

Edge edge_of(const PlotState& s, AxisEdge side) {
  const CoreState& c = s.core;
  switch (side) {
    case AxisEdge::bottom: return {side, static_cast<float>(c.nxa), static_cast<float>(c.nya), 1.0f};
    case AxisEdge::left: return {side, static_cast<float>(c.nxa), static_cast<float>(c.nya), -1.0f};
    case AxisEdge::right: return {side, static_cast<float>(c.nxa + c.nxl - 1), static_cast<float>(c.nya), 1.0f};
  }
  return {side, 0, 0, 1};
}

// The page point at `along` plot units from the axis start and `out` units outward.
void page_point(const Edge& e, float along, float out, float& x, float& y) {
  if (e.vertical()) {
    x = e.x0 + e.outward * out;
    y = e.y0 - along;
  } else {
    x = e.x0 + along;
    y = e.y0 + out;
  }
}

void tick(PlotState& s, const Edge& e, float along, float length) {
  float x1, y1, x2, y2;
  page_point(e, std::floor(along + 0.5f), 0.0f, x1, y1);
  page_point(e, std::floor(along + 0.5f), length, x2, y2);
  strtqq(s, x1, y1);
  connqq(s, x2, y2);
}

// Ticks at the labels, and between them: step / nticks apart on a linear axis, at 2..9
// times each decade on a logarithmic axis numbered every decade.
void ticks(PlotState& s, const Edge& e, const AxisMarks& marks, const AxisSlot& set,
           const std::vector<AxisLabel>& labels) {
  for (const AxisLabel& label : labels) tick(s, e, along_axis(s, marks, label.units), static_cast<float>(set.nmajlen));
  if (!marks.texts.values.empty()) return;
  const float low = std::min(marks.start, marks.end), high = std::max(marks.start, marks.end);
  if (marks.log) {
    if (std::fabs(std::fabs(marks.step) - 1.0f) > 1e-4f || high - low > kMostTicks / 8) return;
    for (float decade = std::floor(low); decade <= high; decade += 1.0f) {
      for (int m = 2; m <= 9; ++m) {
        const float u = decade + std::log10(static_cast<float>(m));
        if (u >= low && u <= high) tick(s, e, along_axis(s, marks, u), static_cast<float>(set.ntiklen));
      }
    }
    return;
  }
  const double interval = std::fabs(marks.step) / std::max(1, set.nticks);
  if (!(interval > 0.0) || (high - low) / interval > kMostTicks) return;
  const double first = marks.first + interval * std::ceil((low - marks.first) / interval - 1e-4);
  for (int k = 0; first + k * interval <= high + 1e-4 * interval; ++k) {
    const double u = first + k * interval;
    const double in_steps = (u - marks.first) / std::fabs(marks.step);
    if (std::fabs(in_steps - std::round(in_steps)) < 1e-4) continue;  // a labelled tick
    tick(s, e, along_axis(s, marks, static_cast<float>(u)), static_cast<float>(set.ntiklen));
  }
}

// The labels beyond the long ticks: centred under a bottom axis, right-aligned left of
// the left axis and left-aligned right of the right one. Returns the widest.
int draw_labels(PlotState& s, const Edge& e, const AxisMarks& marks, const AxisSlot& set,
                const std::vector<AxisLabel>& labels) {
  const int h = s.text.nhchar;
  const float out = static_cast<float>(set.nmajlen + set.nlabdist);
  int widest = 0;
  for (const AxisLabel& label : labels) {
    const int width = nlmess(s, label.text);
    widest = std::max(widest, width);
    float x, y;
    page_point(e, along_axis(s, marks, label.units), out, x, y);
    if (e.side == AxisEdge::bottom) x -= width / 2.0f;
    if (e.side == AxisEdge::left) x -= static_cast<float>(width);
    if (e.vertical()) y -= h / 2.0f;
    dtext(s, label.text, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), 0, h);
  }
  return widest;
}

void draw_name(PlotState& s, const Edge& e, const AxisSlot& set, std::string_view name, int widest) {
  const int hname = s.axis3d.nhname, h = s.text.nhchar;
  const TemporaryTextSettings measure(s, 0, hname);
  const int length = nlmess(s, name);
  if (length == 0) return;
  const int before = set.nmajlen + set.nlabdist + set.nnamdist;
  const int middle_x = s.core.nxa + s.core.nxl / 2, middle_y = s.core.nya - s.core.nyl / 2;
  const int ex = static_cast<int>(e.x0), ey = static_cast<int>(e.y0);
  switch (e.side) {
    case AxisEdge::bottom: dtext(s, name, middle_x - length / 2, ey + before + h, 0, hname); break;
    case AxisEdge::left: dtext(s, name, ex - before - widest - hname, middle_y + length / 2, 90, hname); break;
    case AxisEdge::right: dtext(s, name, ex + before + widest, middle_y + length / 2, 90, hname); break;
  }
}

}  // namespace

void draw_axis2d(PlotState& s, AxisEdge edge, const AxisMarks& marks, const AxisSlot& set, std::string_view name) {
  const Edge e = edge_of(s, edge);
  const int digits = set.iautodig ? auto_digits(marks.first, marks.step) : set.ndig;
  const std::vector<AxisLabel> labels = axis_labels(marks, digits);
  float x, y;
  page_point(e, 0.0f, 0.0f, x, y);
  strtqq(s, x, y);
  page_point(e, static_cast<float>((e.vertical() ? s.core.nyl : s.core.nxl) - 1), 0.0f, x, y);
  connqq(s, x, y);
  ticks(s, e, marks, set, labels);
  draw_name(s, e, set, name, draw_labels(s, e, marks, set, labels));
}

}  // namespace plotix

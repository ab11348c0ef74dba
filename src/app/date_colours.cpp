// Colours of the dates, their colour bar, and the closest approaches on the path.
#include "app/date_colours.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/calendar_date.h"
#include "app/nice_steps.h"
#include "app/plated_text.h"
#include "plot/plotix.h"

namespace app {

namespace {

void set_colour(const Rgb& c) { plotix::setrgb(c.r, c.g, c.b); }

// The colour bar, page units: its cells, the ticks and numbers of the years below it,
// and the word "Year" before it.
constexpr float kBarLeft = 2200.0f, kBarRight = 2830.0f, kBarTop = 190.0f, kBarBottom = 222.0f;
constexpr float kBarTick = 10.0f;
constexpr int kBarTextHeight = 24;
constexpr float kBarTextGap = 8.0f;
constexpr int kMostBarNumbers = 5;

// Approach dots and their date labels.
constexpr int kDateHeight = 22;
constexpr float kDateGap = 14.0f + kPlateMargin;  // from the dot to the nearest side of its label
constexpr float kDatesApart = 6.0f;  // least room between two labels

// The earliest and the latest date of the path (a run into the past goes backwards).
void date_span(const RunState& state, double& earliest, double& latest) {
  earliest = std::min(state.jd[0], state.jd[static_cast<std::size_t>(state.npts - 1)]);
  latest = std::max(state.jd[0], state.jd[static_cast<std::size_t>(state.npts - 1)]);
}

// A year as the bar writes it, with as many decimals as the step needs.
std::string year_text(double year, double step) {
  const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1.0e-9)));
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, year);
  return text;
}

struct Rect {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool meets(const Rect& o) const {
    return x1 < o.x2 + kDatesApart && o.x1 < x2 + kDatesApart && y1 < o.y2 + kDatesApart && o.y1 < y2 + kDatesApart;
  }
};

// The label of a dot at (x, y): tried to the right, left, above and below, then the
// same farther out, until it meets none of `taken`.
Rect place_label(float x, float y, float w, float h, const std::vector<Rect>& taken) {
  Rect r;
  for (int ring = 0; ring < 12; ++ring) {
    const float d = kDateGap + static_cast<float>(ring) * h;
    const Rect tries[4] = {{x + d, y - h / 2, x + d + w, y + h / 2},
                           {x - d - w, y - h / 2, x - d, y + h / 2},
                           {x - w / 2, y - d - h, x + w / 2, y - d},
                           {x - w / 2, y + d, x + w / 2, y + d + h}};
    for (const Rect& t : tries) {
      r = t;
      if (std::none_of(taken.begin(), taken.end(), [&](const Rect& o) { return t.meets(o); })) return r;
    }
  }
  return r;
}

}  // namespace

int date_colour_index(const RunState& state, int k, int colours) {
  double earliest = 0, latest = 0;
  date_span(state, earliest, latest);
  if (latest <= earliest) return 0;
  const double share = (state.jd[static_cast<std::size_t>(k)] - earliest) / (latest - earliest);
  return std::clamp(static_cast<int>(share * colours), 0, colours - 1);
}

void draw_date_bar(const RunState& state, const ClearPalette& palette) {
  const int n = static_cast<int>(palette.dates.size());
  const float cell = (kBarRight - kBarLeft) / static_cast<float>(n);
  for (int i = 0; i < n; ++i) {
    set_colour(palette.dates[static_cast<std::size_t>(i)]);
    plotix::rectfl(kBarLeft + static_cast<float>(i) * cell, kBarTop, kBarLeft + static_cast<float>(i + 1) * cell,
                   kBarBottom);
  }
  double earliest = 0, latest = 0;
  date_span(state, earliest, latest);
  const double y0 = decimal_year(earliest), y1 = decimal_year(latest);
  set_colour(palette.text);
  plotix::height(kBarTextHeight);
  const float word = static_cast<float>(plotix::nlmess("Year"));
  plotix::messag("Year", static_cast<int>(kBarLeft - kBarTextGap - 10.0f - word),
                 static_cast<int>((kBarTop + kBarBottom - kBarTextHeight) / 2));
  if (y1 <= y0) return;
  // Years four to eight digits wide fit five to the bar's length.
  double step = nice_step(y0, y1);
  while (numbers_in(y0, y1, step) > kMostBarNumbers) step = next_round_step(step);
  for (double year = first_number(y0, step); year <= y1 + 1.0e-9 * (y1 - y0); year += step) {
    const float x = kBarLeft + static_cast<float>((year - y0) / (y1 - y0)) * (kBarRight - kBarLeft);
    plotix::rline(x, kBarBottom, x, kBarBottom + kBarTick);
    const std::string text = year_text(year, step);
    const float w = static_cast<float>(plotix::nlmess(text));
    plotix::messag(text, static_cast<int>(std::lround(x - w / 2)), static_cast<int>(kBarBottom + kBarTick + kBarTextGap));
  }
}

std::vector<ApproachMark> approach_marks(const RunState& state) {
  std::vector<ApproachMark> marks;
  const double* jd = state.jd.data();
  const int n = state.npts;
  for (const dynamics::CloseApproach& approach : state.approaches) {
    if (approach.planet != state.ipl || n < 1) continue;
    // The segment whose dates hold the approach's, the path running either way in time.
    int k = 0;
    while (k + 1 < n && (jd[k + 1] - approach.jd) * (jd[0] <= jd[n - 1] ? 1 : -1) < 0) ++k;
    const int next = std::min(k + 1, n - 1);
    const double span = jd[next] - jd[k];
    const float t = span != 0.0 ? static_cast<float>(std::clamp((approach.jd - jd[k]) / span, 0.0, 1.0)) : 0.0f;
    ApproachMark mark;
    mark.jd = approach.jd;
    mark.distance = approach.dmin_rplan;
    mark.x = state.x[k] + t * (state.x[next] - state.x[k]);
    mark.y = state.y[k] + t * (state.y[next] - state.y[k]);
    mark.z = state.z[k] + t * (state.z[next] - state.z[k]);
    marks.push_back(mark);
  }
  return marks;
}

void draw_approach_marks(const RunState& state, const ClearPalette& palette, const PictureBox& box) {
  std::vector<ApproachMark> marks = approach_marks(state);
  std::erase_if(marks, [&box](const ApproachMark& m) { return !box.holds(m.x, m.y, m.z); });
  set_colour(palette.text);
  for (const ApproachMark& m : marks) plotix::disc3d(m.x, m.y, m.z, kApproachDotSize);
  // The closest first; the dots come before the labels, so that no label hides one.
  std::stable_sort(marks.begin(), marks.end(),
                   [](const ApproachMark& a, const ApproachMark& b) { return a.distance < b.distance; });
  plotix::height(kDateHeight);
  std::vector<Rect> taken;
  int labelled = 0;
  for (const ApproachMark& m : marks) {
    float x = 0, y = 0;
    if (!plotix::pos3pg(m.x, m.y, m.z, x, y)) continue;
    taken.push_back({x - kApproachDotSize / 2, y - kApproachDotSize / 2, x + kApproachDotSize / 2, y + kApproachDotSize / 2});
  }
  for (const ApproachMark& m : marks) {
    float x = 0, y = 0;
    if (labelled == kMostApproachLabels) break;
    if (!plotix::pos3pg(m.x, m.y, m.z, x, y)) continue;
    const std::string text = calendar_date(m.jd);
    const float w = static_cast<float>(plotix::nlmess(text));
    const Rect r = place_label(x, y, w, kDateHeight, taken);
    taken.push_back(r);
    ++labelled;
    const float cx = std::clamp(x, r.x1, r.x2), cy = std::clamp(y, r.y1, r.y2);
    if (std::hypot(cx - x, cy - y) > kDateGap + 1.0f) plotix::rline(x, y, cx, cy);
    plated_text(text, r.x1, r.y1, kDateHeight, palette);
  }
}

}  // namespace app

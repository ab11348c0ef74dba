// The projection moved and scaled so that the box and its labels stay in the page.
#include "plot/axis3d/label_fit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "plot/axis3d/axis_numbers.h"
#include "plot/axis3d/axis_placement.h"
#include "plot/axis3d/draw_axis.h"
#include "plot/axis3d/projection3d.h"
#include "plot/text/text_draw.h"

namespace plotix {

namespace {

// Border kept free at the left, right and bottom of the page (the page header
// stands in the left one).
constexpr float kBorder = 50.0f;

// The least share of its size a drawing is shrunk to.
constexpr double kSmallest = 0.5;

struct Band {
  float x1, y1, x2, y2;  // axis-area plot units, y downwards
};

// Width no number of axis j can exceed: as many of the widest digit as the
// longer of its two end values has characters.
int widest_number(PlotState& s, int j, int digits) {
  const int chars = std::max(flen(axis_start(s, j), digits), flen(axis_end(s, j), digits));
  return nlmess(s, std::string(static_cast<std::size_t>(chars), '8'));
}

// Where the ticks, numbers and name of axis j lie in the 2D axis area.
Band label_band(PlotState& s, int j) {
  const CoreState& c = s.core;
  const AxisSlot& set = s.axis3d.slot[j];
  const int digits = set.iautodig ? 6 : set.ndig;
  const float widest = static_cast<float>(widest_number(s, j, digits));
  const float h = static_cast<float>(s.text.nhchar), hname = static_cast<float>(s.axis3d.nhname);
  const float reach = static_cast<float>(set.nnamdist + set.nmajlen + set.nlabdist);
  const float left = static_cast<float>(c.nxa), right = static_cast<float>(c.nxa + c.nxl - 1);
  const float bottom = static_cast<float>(c.nya), top = static_cast<float>(c.nya - c.nyl + 1);
  if (j == 2) return {left - reach - widest - hname, top - h, left, bottom + h};
  const float x1 = left - widest / 2 - 1, x2 = right + widest / 2 + 1;
  if (s.axis3d.view3[2] < -s.axis3d.ax3len[2]) return {x1, top - reach - h - hname, x2, top};
  return {x1, bottom, x2, bottom + reach + h + hname};
}

// Absolute point of axis-area point (px, py) on the plane through corners
// c1, c2, c3, as the plane mapping places it.
Point3 on_plane(const PlotState& s, const Point3& c1, const Point3& c2, const Point3& c3, float px,
                float py) {
  const CoreState& c = s.core;
  const float g = (px - c.nxa) / static_cast<float>(c.nxl - 1);
  const float k = (c.nya - py) / static_cast<float>(c.nyl - 1);
  Point3 a{};
  for (int i = 0; i < 3; ++i) a[i] = c1[i] + g * (c2[i] - c1[i]) + k * (c3[i] - c2[i]);
  return a;
}

}  // namespace

void fit_labels_on_page(PlotState& s) {
  const Axis3dState& a = s.axis3d;
  std::vector<Point3> points;
  for (int corner = 1; corner <= 8; ++corner) points.push_back(box_corner(a.ax3len, corner));
  const int row = placement_row(a.ax3len, {a.view3[0], a.view3[1], a.view3[2]});
  for (int j = 0; j < 3; ++j) {
    const int corners = axis_placement(row, j).corners;
    const Point3 c1 = box_corner(a.ax3len, corners / 100);
    const Point3 c2 = box_corner(a.ax3len, corners / 10 % 10);
    const Point3 c3 = box_corner(a.ax3len, corners % 10);
    const Band b = label_band(s, j);
    for (float px : {b.x1, b.x2}) {
      for (float py : {b.y1, b.y2}) points.push_back(on_plane(s, c1, c2, c3, px, py));
    }
  }

  const double xmin = kBorder, xmax = s.page.nxpage - kBorder;
  const double ymin = s.core.nya - s.core.nyl, ymax = s.page.nypage - kBorder;
  Axis3dState& out = s.axis3d;
  const double xc = out.xcen3, yc = out.ycen3;
  if (xc <= xmin || xc >= xmax || yc <= ymin || yc >= ymax) return;
  double dx_lo = 0, dx_hi = 0, dy_lo = 0, dy_hi = 0;
  for (const Point3& p : points) {
    const Homog4 h = qqgsc3(s, p);
    if (h[3] <= 0.0) return;
    const double dx = a.scl3 * h[0] / h[3], dy = -a.scl3 * h[1] / h[3];
    dx_lo = std::min(dx_lo, dx);
    dx_hi = std::max(dx_hi, dx);
    dy_lo = std::min(dy_lo, dy);
    dy_hi = std::max(dy_hi, dy);
  }
  // The drawing moves towards the middle of the region first; it shrinks only by what
  // its width or height still needs, and never below half its size. One still too
  // wide or high at half its size (a viewer against the box) stays where it was.
  const double f = std::max(kSmallest, std::min({1.0, (xmax - xmin) / (dx_hi - dx_lo), (ymax - ymin) / (dy_hi - dy_lo)}));
  const auto moved = [f](double centre, double lo, double hi, double min, double max) {
    const double first = min - f * lo, last = max - f * hi;
    // (A drawing that just fits may find `first` a rounding above `last`.)
    return first <= last + 1.0 ? std::min(std::max(centre, first), last) : centre;
  };
  out.xcen3 = static_cast<float>(moved(xc, dx_lo, dx_hi, xmin, xmax));
  out.ycen3 = static_cast<float>(moved(yc, dy_lo, dy_hi, ymin, ymax));
  out.scl3 = static_cast<float>(f * out.scl3);
}

}  // namespace plotix

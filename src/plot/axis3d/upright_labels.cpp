// Upright labels and the fit of the drawing to the area below the titles.
#include "plot/axis3d/upright_labels.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "plot/axis3d/axis_numbers.h"
#include "plot/axis3d/projection3d.h"
#include "plot/lines/polyline.h"
#include "plot/text/text_draw.h"

namespace plotix {

namespace {

constexpr float kBorder = 50.0f;  // page border left, right and below (the page header's)
constexpr float kMargin = 40.0f;  // kept free inside the drawing area
constexpr float kTick = 20.0f;    // length of a tick, outwards from its edge
constexpr float kGap = 12.0f;     // tick to number, numbers to name
constexpr float kApart = 6.0f;    // least distance between two labels
constexpr double kDescent = 0.3;  // room below the baseline, in character heights
// Numbers and names are written in 1.2 times the character and name heights (the box
// faces take 1.5 times, but lie slanted).
constexpr float kEnlarged = 1.2f;
// How far the box's middle may lie from the area's, as a share of the area.
constexpr double kCentreSlack = 0.08;
// Most ratio of the depths of the farthest and the nearest box corner from the viewer.
constexpr double kDepthRatio = 4.0;

struct Vec {
  double x = 0, y = 0;
};

// Page direction of an absolute point projected at unit scale about the page
// origin (x right, y down); false when it lies behind the viewer.
bool unit_page(const PlotState& s, const Point3& p, Vec& out) {
  const Homog4 h = qqgsc3(s, p);
  if (h[3] <= 0.0) return false;
  out = {h[0] / h[3], -h[1] / h[3]};
  return true;
}

// A corner, number or name before the fit: its middle lies at
// centre + scale * anchor + offset, its rectangle hw and hh to either side.
struct Item {
  Vec anchor, offset;
  double hw = 0, hh = 0;
  int axis = -1;  // -1 for a box corner
  bool is_name = false;
  UprightText text;
};

// The box edge along axis j that carries its labels, and the outward direction.
struct Edge {
  int axis = 0;
  Point3 a{}, b{};  // ends at the axis's lower and upper absolute coordinate
  Vec normal;       // page direction away from the box, unit length
};

double cross(const Vec& d, const Vec& p) { return d.x * p.y - d.y * p.x; }

// The four edges along axis j; of those on the outline of the projected box (every
// corner on one side), the lowest on the page for x and y, the leftmost for z. None
// when the box is seen along the axis (its edges do not reach the outline).
bool outer_edge(const PlotState& s, int j, const Vec corners[8], Edge& chosen) {
  const float* len = s.axis3d.ax3len;
  Vec centroid;
  double spread = 0;
  for (int c = 0; c < 8; ++c) {
    centroid.x += corners[c].x / 8;
    centroid.y += corners[c].y / 8;
  }
  for (int c = 0; c < 8; ++c) {
    spread = std::max({spread, std::fabs(corners[c].x - centroid.x), std::fabs(corners[c].y - centroid.y)});
  }
  const int u = (j + 1) % 3, v = (j + 2) % 3;
  bool found = false;
  double best = 0;
  for (const float su : {-0.5f, 0.5f}) {
    for (const float sv : {-0.5f, 0.5f}) {
      Edge e;
      e.axis = j;
      e.a[j] = -len[j] / 2;
      e.b[j] = len[j] / 2;
      e.a[u] = e.b[u] = su * len[u];
      e.a[v] = e.b[v] = sv * len[v];
      Vec pa, pb;
      if (!unit_page(s, e.a, pa) || !unit_page(s, e.b, pb)) return false;
      const Vec d{pb.x - pa.x, pb.y - pa.y};
      const double l = std::hypot(d.x, d.y);
      if (l < 0.05 * spread) continue;
      int left = 0, right = 0;
      for (int c = 0; c < 8; ++c) {
        const double side = cross(d, {corners[c].x - pa.x, corners[c].y - pa.y}) / l;
        if (side > 1.0e-6 * spread) ++left;
        if (side < -1.0e-6 * spread) ++right;
      }
      if (left > 0 && right > 0) continue;
      e.normal = {-d.y / l, d.x / l};
      if (e.normal.x * (centroid.x - pa.x) + e.normal.y * (centroid.y - pa.y) > 0) {
        e.normal = {-e.normal.x, -e.normal.y};
      }
      const double score = j < 2 ? (pa.y + pb.y) / 2 : -(pa.x + pb.x) / 2;
      if (!found || score > best + 1.0e-9 * spread) {
        chosen = e;
        best = score;
        found = true;
      }
    }
  }
  return found;
}

// Point of edge e at absolute coordinate w along its axis.
Point3 on_edge(const Edge& e, float w) {
  Point3 p = e.a;
  p[e.axis] = w;
  return p;
}

// Half width and half height of a text's rectangle.
void half_size(PlotState& s, const UprightText& t, double& hw, double& hh) {
  const TemporaryTextSettings settings(s, 0, t.height);
  const double w = nlmess(s, t.text), h = (1.0 + kDescent) * t.height;
  hw = (t.angle == 0 ? w : h) / 2;
  hh = (t.angle == 0 ? h : w) / 2;
}

// Offset from the edge that keeps a rectangle of half size (hw, hh) `clear` units
// beyond it along the outward normal n.
Vec beyond(const Vec& n, double clear, double hw, double hh) {
  const double reach = clear + hw * std::fabs(n.x) + hh * std::fabs(n.y);
  return {n.x * reach, n.y * reach};
}

double first_number(const Axis3dState& a, int j) { return j == 0 ? a.xor3 : j == 1 ? a.yor3 : a.zor3; }
double number_step(const Axis3dState& a, int j) { return j == 0 ? a.xstp3 : j == 1 ? a.ystp3 : a.zstp3; }

const std::string& axis_name(const Axis3dState& a, int j) {
  return j == 0 ? a.cxname : j == 1 ? a.cyname : a.czname;
}

// The numbers and the name of axis j along edge e.
void add_axis_items(PlotState& s, const Edge& e, std::vector<Item>& items) {
  const Axis3dState& a = s.axis3d;
  const int j = e.axis;
  const double first = first_number(a, j), step = number_step(a, j);
  const int n = last_number_index(first, step, axis_end(s, j));
  const int digits = a.slot[j].iautodig ? auto_digits(first, step) : a.slot[j].ndig;
  double depth = 0;
  for (int k = 0; n <= 10000 && k <= n; ++k) {
    const double value = first + k * step;
    const float w = qqpos3(s, static_cast<float>(value), static_cast<float>(value), static_cast<float>(value))[j];
    Item item;
    item.axis = j;
    item.text = {fcha(value, digits), 0, static_cast<int>(kEnlarged * s.text.nhchar), {}};
    if (!unit_page(s, on_edge(e, w), item.anchor)) return;
    half_size(s, item.text, item.hw, item.hh);
    item.offset = beyond(e.normal, kTick + kGap, item.hw, item.hh);
    depth = std::max(depth, 2 * (item.hw * std::fabs(e.normal.x) + item.hh * std::fabs(e.normal.y)));
    items.push_back(item);
  }
  const std::string& name = axis_name(a, j);
  if (name.find_first_not_of(' ') == std::string::npos) return;
  Item item;
  item.axis = j;
  item.is_name = true;
  Vec pa, pb;
  unit_page(s, e.a, pa);
  unit_page(s, e.b, pb);
  const bool steep = std::fabs(pb.y - pa.y) > std::fabs(pb.x - pa.x);
  item.text = {name, j == 2 && steep ? 90 : 0, static_cast<int>(kEnlarged * a.nhname), {}};
  if (!unit_page(s, on_edge(e, 0.0f), item.anchor)) return;
  half_size(s, item.text, item.hw, item.hh);
  item.offset = beyond(e.normal, kTick + kGap + depth + kGap, item.hw, item.hh);
  items.push_back(item);
}

PageRect rect_of(const Item& item, double scale, const Vec& centre) {
  const double x = centre.x + scale * item.anchor.x + item.offset.x;
  const double y = centre.y + scale * item.anchor.y + item.offset.y;
  return {static_cast<float>(x - item.hw), static_cast<float>(y - item.hh), static_cast<float>(x + item.hw),
          static_cast<float>(y + item.hh)};
}

PageRect bounds(const std::vector<Item>& items, double scale) {
  PageRect b = rect_of(items.front(), scale, {});
  for (const Item& item : items) {
    const PageRect r = rect_of(item, scale, {});
    b = {std::min(b.x1, r.x1), std::min(b.y1, r.y1), std::max(b.x2, r.x2), std::max(b.y2, r.y2)};
  }
  return b;
}

bool overlap(const PageRect& p, const PageRect& q) {
  return p.x1 < q.x2 + kApart && q.x1 < p.x2 + kApart && p.y1 < q.y2 + kApart && q.y1 < p.y2 + kApart;
}

bool overlaps_any(const PageRect& r, const std::vector<PageRect>& taken) {
  return std::any_of(taken.begin(), taken.end(), [&](const PageRect& t) { return overlap(r, t); });
}

// Whether the kept numbers stand apart from their kept neighbours.
bool apart(const std::vector<PageRect>& numbers, const std::vector<bool>& kept) {
  const PageRect* last = nullptr;
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    if (!kept[k]) continue;
    if (last != nullptr && overlap(*last, numbers[k])) return false;
    last = &numbers[k];
  }
  return true;
}

// Which numbers of one axis, at values first + k * step, are kept: all when they stand
// apart; else those at the multiples of the smallest coarser round step (1, 2 or 5
// times a power of ten, a whole multiple of the step) at which they do, so that 0.1,
// 0.2, 0.3 ... thin to 0.2, 0.4 ... and never to 0.1, 0.3 ...; else every k-th, with
// the smallest k at which neighbours stay apart.
std::vector<bool> thinned(const std::vector<PageRect>& numbers, double first, double step) {
  const std::size_t n = numbers.size();
  std::vector<bool> kept(n, true);
  if (apart(numbers, kept)) return kept;
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(step))));
  for (double decade = unit; decade <= 1000.0 * unit; decade *= 10.0) {
    for (const double round : {decade, 2.0 * decade, 5.0 * decade}) {
      const double times = round / std::fabs(step);
      if (times < 1.5 || std::fabs(times - std::round(times)) > 1.0e-6 * times) continue;
      for (std::size_t k = 0; k < n; ++k) {
        const double value = (first + static_cast<double>(k) * step) / round;
        kept[k] = std::fabs(value - std::round(value)) < 1.0e-6;
      }
      if (std::find(kept.begin(), kept.end(), true) != kept.end() && apart(numbers, kept)) return kept;
    }
  }
  std::size_t stride = 2;
  for (; stride < n; ++stride) {
    std::fill(kept.begin(), kept.end(), false);
    for (std::size_t k = 0; k < n; k += stride) kept[k] = true;
    if (apart(numbers, kept)) break;
  }
  std::fill(kept.begin(), kept.end(), false);
  for (std::size_t k = 0; k < n; k += stride) kept[k] = true;
  return kept;
}

// Page point of the text's start (dtext's x, y) for its rectangle.
void text_origin(const UprightText& t, float& x, float& y) {
  if (t.angle == 0) {
    x = t.rect.x1;
    y = t.rect.y1;
  } else {
    x = t.rect.x1;
    y = t.rect.y2;
  }
}

}  // namespace

void keep_box_in_front(PlotState& s) {
  Axis3dState& a = s.axis3d;
  const double d[3] = {a.foc3[0] - a.view3[0], a.foc3[1] - a.view3[1], a.foc3[2] - a.view3[2]};
  const double distance = std::hypot(d[0], d[1], d[2]);
  if (distance <= 0.0) return;
  // Depths of the box corners along the line of sight.
  double nearest = std::numeric_limits<double>::max(), farthest = -nearest;
  for (const float sx : {-0.5f, 0.5f}) {
    for (const float sy : {-0.5f, 0.5f}) {
      for (const float sz : {-0.5f, 0.5f}) {
        const double c[3] = {sx * a.ax3len[0] - a.view3[0], sy * a.ax3len[1] - a.view3[1], sz * a.ax3len[2] - a.view3[2]};
        const double depth = (c[0] * d[0] + c[1] * d[1] + c[2] * d[2]) / distance;
        nearest = std::min(nearest, depth);
        farthest = std::max(farthest, depth);
      }
    }
  }
  // A nearer viewer sees a stronger perspective, up to the nearest corner drawn
  // kDepthRatio times the scale of the farthest; a viewer nearer than that, or with
  // corners behind it, steps back along its line of sight until that holds.
  if (nearest * kDepthRatio >= farthest) return;
  const double back = (farthest - kDepthRatio * nearest) / (kDepthRatio - 1.0);
  for (int i = 0; i < 3; ++i) a.view3[i] = static_cast<float>(a.view3[i] - d[i] * back / distance);
}

UprightLabels fit_upright_labels(PlotState& s) {
  UprightLabels out;
  const float* len = s.axis3d.ax3len;
  Vec corners[8];
  std::vector<Item> items;
  for (int c = 0; c < 8; ++c) {
    const Point3 p{(c & 1 ? 0.5f : -0.5f) * len[0], (c & 2 ? 0.5f : -0.5f) * len[1], (c & 4 ? 0.5f : -0.5f) * len[2]};
    if (!unit_page(s, p, corners[c])) return out;
    Item corner;
    corner.anchor = corners[c];
    items.push_back(corner);
  }
  std::vector<Edge> edges;
  for (int j = 0; j < 3; ++j) {
    Edge e;
    if (!outer_edge(s, j, corners, e)) continue;
    edges.push_back(e);
    add_axis_items(s, e, items);
  }

  // The largest scale at which the drawing fits the area with the box's middle within
  // kCentreSlack of the area's, found by halving the interval; at that scale the box is
  // put as near the middle as the labels allow. A box centred with its labels would
  // sit off the middle by half the depth of the labels on one side.
  const double ax1 = kBorder + kMargin, ax2 = s.page.nxpage - kBorder - kMargin;
  const double ay1 = s.core.nya - s.core.nyl + kMargin, ay2 = s.page.nypage - kBorder - kMargin;
  const std::vector<Item> corners_only(items.begin(), items.begin() + 8);
  // The page offset of the drawing at `scale`, and whether it fits.
  const auto place = [&](double scale, Vec& centre) {
    const PageRect b = bounds(items, scale), box = bounds(corners_only, scale);
    const auto one_way = [](double lo, double hi, double b1, double b2, double k1, double k2, double& c) {
      const double wanted = (lo + hi - k1 - k2) / 2;
      c = std::clamp(wanted, lo - b1, std::max(lo - b1, hi - b2));
      return b2 - b1 <= hi - lo && std::fabs(c - wanted) <= kCentreSlack * (hi - lo);
    };
    const bool fit_x = one_way(ax1, ax2, b.x1, b.x2, box.x1, box.x2, centre.x);
    const bool fit_y = one_way(ay1, ay2, b.y1, b.y2, box.y1, box.y2, centre.y);
    return fit_x && fit_y;
  };
  const auto fits = [&](double scale) {
    Vec centre;
    return place(scale, centre);
  };
  Axis3dState& a = s.axis3d;
  if (fits(0.0)) {
    double lo = 0.0, hi = 1.0;
    while (fits(hi) && hi < 1.0e7) {
      lo = hi;
      hi *= 2;
    }
    for (int i = 0; i < 40; ++i) {
      const double mid = (lo + hi) / 2;
      (fits(mid) ? lo : hi) = mid;
    }
    a.scl3 = static_cast<float>(lo);
  }
  Vec centre;
  place(a.scl3, centre);
  a.xcen3 = static_cast<float>(centre.x);
  a.ycen3 = static_cast<float>(centre.y);

  // Ticks first, then the names, then the numbers: a label that would overlap one
  // already placed is left out.
  std::vector<PageRect> taken;
  for (const Edge& e : edges) {
    for (const Item& item : items) {
      if (item.axis != e.axis || item.is_name) continue;
      const double x = centre.x + a.scl3 * item.anchor.x, y = centre.y + a.scl3 * item.anchor.y;
      const PageRect t{static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + kTick * e.normal.x),
                       static_cast<float>(y + kTick * e.normal.y)};
      out.ticks.push_back(t);
      taken.push_back({std::min(t.x1, t.x2), std::min(t.y1, t.y2), std::max(t.x1, t.x2), std::max(t.y1, t.y2)});
    }
  }
  for (const Item& item : items) {
    if (!item.is_name) continue;
    UprightText t = item.text;
    t.rect = rect_of(item, a.scl3, centre);
    if (overlaps_any(t.rect, taken)) continue;
    taken.push_back(t.rect);
    out.texts.push_back(t);
  }
  for (const Edge& e : edges) {
    std::vector<const Item*> numbers;
    std::vector<PageRect> rects;
    for (const Item& item : items) {
      if (item.axis != e.axis || item.is_name) continue;
      numbers.push_back(&item);
      rects.push_back(rect_of(item, a.scl3, centre));
    }
    const std::vector<bool> kept = thinned(rects, first_number(a, e.axis), number_step(a, e.axis));
    std::vector<PageRect> own;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
      if (!kept[k] || overlaps_any(rects[k], taken)) continue;
      UprightText t = numbers[k]->text;
      t.rect = rects[k];
      own.push_back(t.rect);
      out.texts.push_back(t);
    }
    taken.insert(taken.end(), own.begin(), own.end());
  }
  return out;
}

void draw_upright_labels(PlotState& s, const UprightLabels& labels) {
  for (const PageRect& t : labels.ticks) {
    strtqq(s, t.x1, t.y1);
    connqq(s, t.x2, t.y2);
  }
  for (const UprightText& t : labels.texts) {
    float x, y;
    text_origin(t, x, y);
    dtext(s, t.text, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), t.angle, t.height);
  }
}

}  // namespace plotix

// Filled discs, rectangles and lines at page points; page points of user points.
#include "plot/draw3d/page_marks.h"

#include <cmath>

#include "plot/axis3d/projection3d.h"
#include "plot/core/levels.h"
#include "plot/lines/fills.h"
#include "plot/lines/polyline.h"

namespace plotix {

namespace {

// Corners of the polygon that stands for a disc: round at every size a marker takes.
constexpr int kDiscCorners = 24;

void fill_disc(PlotState& st, float x, float y, float diameter) {
  float xs[kDiscCorners], ys[kDiscCorners];
  for (int k = 0; k < kDiscCorners; ++k) {
    const double angle = 2.0 * M_PI * k / kDiscCorners;
    xs[k] = x + 0.5f * diameter * static_cast<float>(std::cos(angle));
    ys[k] = y + 0.5f * diameter * static_cast<float>(std::sin(angle));
  }
  dareaf(st, xs, ys, kDiscCorners);
}

}  // namespace

void disc(float x, float y, float diameter) {
  PlotState* st = jqqlev(1, 3, "disc");
  if (st == nullptr) return;
  fill_disc(*st, x, y, diameter);
}

void rectfl(float x1, float y1, float x2, float y2) {
  PlotState* st = jqqlev(1, 3, "rectfl");
  if (st == nullptr) return;
  const float xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
  dareaf(*st, xs, ys, 4);
}

void rline(float x1, float y1, float x2, float y2) {
  PlotState* st = jqqlev(1, 3, "rline");
  if (st == nullptr) return;
  strtqq(*st, x1, y1);
  connqq(*st, x2, y2);
  qqstrk(*st);
}

void disc3d(float x, float y, float z, float diameter) {
  PlotState* st = jqqlev(3, 3, "disc3d");
  if (st == nullptr) return;
  const Axis3dState& a = st->axis3d;
  const float p[3] = {x, y, z};
  for (int j = 0; j < 3; ++j) {
    if (p[j] < a.rng3[2 * j] || p[j] > a.rng3[2 * j + 1]) return;
  }
  const Point3 abs = qqpos3(*st, x, y, z);
  if (qqgsc3(*st, abs)[3] <= 0.0) return;
  const PagePoint page = abs3pt(*st, abs);
  fill_disc(*st, page.x, page.y, diameter);
}

bool pos3pg(float x, float y, float z, float& xp, float& yp) {
  PlotState* st = jqqlev(3, 3, "pos3pg");
  if (st == nullptr) return false;
  const Point3 abs = qqpos3(*st, x, y, z);
  if (qqgsc3(*st, abs)[3] <= 0.0) return false;
  const PagePoint page = abs3pt(*st, abs);
  xp = page.x;
  yp = page.y;
  return true;
}

}  // namespace plotix

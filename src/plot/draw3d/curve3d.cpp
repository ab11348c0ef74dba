// curv3d: a polyline through user points, drawn through the 3D pipeline with
// clipping at the box; thick curves as copies under a square brush (thkcrv).
#include <algorithm>
#include <cstdio>

#include "plot/lines/polyline.h"
#include "plot/axis3d/move_draw3d.h"
#include "plot/draw3d/curve3d.h"
#include "plot/axis3d/system3d.h"
#include "plot/core/levels.h"
#include "plot/core/warnings.h"

namespace plotix {

namespace {

// Warning 27 when a logarithmic axis meets a value that is not positive.
bool log_values_positive(PlotState& s, const float* const u[3], int n) {
  if (s.draw3d.ilogok == 1) return true;
  for (int j = 0; j < 3; ++j) {
    if (!s.axis3d.ilog3[j]) continue;
    for (int i = 0; i < n; ++i) {
      if (u[j][i] <= 0) {
        warnin(s, 27);
        return false;
      }
    }
  }
  return true;
}

// One message line for every point outside the axis scaling (not a warning).
void chksc3(PlotState& s, const float* const u[3], int n) {
  if (s.draw3d.ichkscl != 1 || s.core.imsgmode == 0) return;
  const float* r = s.axis3d.rng3;
  for (int i = 0; i < n; ++i) {
    bool out = false;
    for (int j = 0; j < 3; ++j) out = out || u[j][i] < r[2 * j] || u[j][i] > r[2 * j + 1];
    if (out) {
      std::fprintf(s.core.fp_msg, " <<<< (%12.4e /%12.4e /%12.4e) out of axis scaling!\n",
                   static_cast<double>(u[0][i]), static_cast<double>(u[1][i]),
                   static_cast<double>(u[2][i]));
    }
  }
}

void polyl3(PlotState& s, const float* x, const float* y, const float* z, int n) {
  qqst3d(s, qqbas3(s, x[0], y[0], z[0]));
  for (int i = 1; i < n; ++i) qqcn3d(s, qqbas3(s, x[i], y[i], z[i]));
}

}  // namespace

void curv3d(const float* x, const float* y, const float* z, int n) {
  PlotState* ps = require_3d_axis_system("curv3d");
  if (ps == nullptr) return;
  PlotState& s = *ps;
  if (n <= 0) {
    warni1(s, 2, n);
    return;
  }
  const float* const u[3] = {x, y, z};
  if (!log_values_positive(s, u, n)) return;
  chksc3(s, u, n);

  // A square brush of n x n copies, each shifted through the page origin offset by
  // whole plot units about the curve; the default draws one copy.
  const int side = std::max(1, static_cast<int>(s.draw3d.ncrvthk * s.page.xunit + 0.5f));
  const int nxorg = s.line.nxorg, nyorg = s.line.nyorg;
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      s.line.nxorg = nxorg + static_cast<int>((i - side / 2) / s.page.xunit);
      s.line.nyorg = nyorg + static_cast<int>((j - side / 2) / s.page.xunit);
      restart_dash_pattern(s);
      polyl3(s, x, y, z, n);
    }
  }
  s.line.nxorg = nxorg;
  s.line.nyorg = nyorg;
}

void thkcrv(int n) {
  PlotState* s = jqqlev(1, 3, "thkcrv");
  if (s == nullptr || jqqval(*s, n, 1, 20) != 0) return;
  s->draw3d.ncrvthk = n;
}

void nochek() {
  PlotState* s = jqqlev(1, 3, "nochek");
  if (s == nullptr) return;
  s->draw3d.ichkscl = 0;
}

}  // namespace plotix

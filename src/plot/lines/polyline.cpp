// The pending polyline and dashing: strtqq, connqq, qqmove, qqdraw, qqstrk.
#include <cmath>

#include "plot/lines/clipping.h"
#include "plot/lines/polyline.h"
#include "plot/lines/thick_lines.h"

namespace plotix {
namespace {

// Appends a point (already on the page) to the pending polyline; a full buffer
// is stroked and the next polyline starts at its last point, so long curves have
// no gaps.
void append_point(PlotState& st, float x, float y) {
  LineState& ln = st.line;
  ln.xpoly[ln.npoly] = x;
  ln.ypoly[ln.npoly] = y;
  ++ln.npoly;
  if (ln.npoly == kMaxPolyline) {
    qqstrk(st);
    ln.xpoly[0] = x;
    ln.ypoly[0] = y;
    ln.npoly = 1;
  }
}

// Ends the line at a point that cannot be drawn: nothing joins the points on either
// side of it.
void break_line(PlotState& st) {
  qqstrk(st);
  st.line.ilast = false;
}

// Stores one point given to the line routines, mapped first when a point mapping
// is installed.
// A point that is not finite (given so, or so after mapping) is dropped and breaks
// the line there: the pending polyline is stroked and the next point starts anew.
void store_point(PlotState& st, float x, float y) {
  if (st.line.map_point != nullptr) st.line.map_point(st, x, y);
  if (!std::isfinite(x) || !std::isfinite(y)) {
    break_line(st);
    return;
  }
  append_point(st, x, y);
}

// Runs the dash pattern from the current point to (x, y); its phase carries on
// into the next segment.
void dashed_to(PlotState& st, float x, float y) {
  LineState& ln = st.line;
  float px = ln.xcur;
  float py = ln.ycur;
  const float phi = std::atan2(py - y, x - px);  // y counted upward
  const float s = std::sin(phi);
  const float c = std::cos(phi);
  float length = (py != y) ? std::fabs((py - y) / s) : std::fabs(x - px);
  while (ln.xdashrem <= length) {
    px += c * ln.xdashrem;
    py -= s * ln.xdashrem;
    if (ln.ipenoff == 0) {
      qqdraw(st, px, py);
    } else {
      qqmove(st, px, py);
    }
    ln.idashpos = ln.idashpos == ln.ndash ? 1 : ln.idashpos + 1;
    ln.ipenoff = 1 - ln.ipenoff;
    length -= ln.xdashrem;
    ln.xdashrem = static_cast<float>(ln.idash[ln.idashpos - 1]);
  }
  if (ln.ipenoff == 0) {
    qqdraw(st, x, y);
  } else {
    qqmove(st, x, y);
  }
  ln.xdashrem -= length;
}

// Starts a polyline at (x, y), origin offset included.
void start_at(PlotState& st, float x, float y) {
  qqmove(st, x, y);
  st.line.xcur = x;
  st.line.ycur = y;
}

}  // namespace

void qqdraw(PlotState& st, float x, float y) {
  // A draw right after a stroke that a colour or width change forced goes on from
  // where the stroked line ended, so no segment is lost.
  // (That point is on the page already and is not mapped again.)
  if (st.line.npoly == 0 && st.line.ilast) append_point(st, st.line.xlast, st.line.ylast);
  store_point(st, x, y);
}

void qqmove(PlotState& st, float x, float y) {
  qqstrk(st);
  store_point(st, x, y);
}

void strtqq(PlotState& st, float x, float y) {
  start_at(st, x + static_cast<float>(st.line.nxorg), y + static_cast<float>(st.line.nyorg));
}

void connqq(PlotState& st, float x, float y) {
  x += static_cast<float>(st.line.nxorg);
  y += static_cast<float>(st.line.nyorg);
  // After a dropped point (the current point is not finite) the line starts again.
  if (!std::isfinite(st.line.xcur) || !std::isfinite(st.line.ycur)) {
    start_at(st, x, y);
    return;
  }
  if (!std::isfinite(x) || !std::isfinite(y)) {
    break_line(st);
  } else if (st.line.ndash > 1) {
    dashed_to(st, x, y);
  } else {
    qqdraw(st, x, y);
  }
  st.line.xcur = x;
  st.line.ycur = y;
}

void restart_dash_pattern(PlotState& st) {
  st.line.ipenoff = 0;
  st.line.idashpos = 1;
  st.line.xdashrem = static_cast<float>(st.line.idash[0]);
}

void qqstrk(PlotState& st) {
  LineState& ln = st.line;
  if (ln.npoly == 0) return;
  ln.istroke = true;
  PathStroker path(st);
  for (int i = 0; i < ln.npoly; ++i) path.point(ln.xpoly[i], ln.ypoly[i]);
  if (ln.nlinwid > 1) draw_thick_line(st);
  ln.ilast = true;
  ln.xlast = ln.xpoly[ln.npoly - 1];
  ln.ylast = ln.ypoly[ln.npoly - 1];
  ln.npoly = 0;
  ln.istroke = false;
}

}  // namespace plotix

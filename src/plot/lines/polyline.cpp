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

// Stores one point given to the line routines, mapped first when a point mapping
// is installed.
void store_point(PlotState& st, float x, float y) {
  if (st.line.map_point != nullptr) st.line.map_point(st, x, y);
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
  x += static_cast<float>(st.line.nxorg);
  y += static_cast<float>(st.line.nyorg);
  qqmove(st, x, y);
  st.line.xcur = x;
  st.line.ycur = y;
}

void connqq(PlotState& st, float x, float y) {
  x += static_cast<float>(st.line.nxorg);
  y += static_cast<float>(st.line.nyorg);
  if (st.line.ndash > 1) {
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

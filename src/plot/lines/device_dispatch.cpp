// xjdraw: plot units to device coordinates by device class, and the hand-over
// of one point to the device.
#include "plot/lines/device_dispatch.h"
#include "plot/core/output_format.h"

namespace plotix {

void to_device_coordinates(const PlotState& st, float x, float y, double& dx, double& dy) {
  const PageState& pg = st.page;
  const float s = pg.xdevfac;
  if (is_ps_or_pdf(pg.idev)) {
    // Origin at the lower left, y upward; a landscape page is turned onto the sheet.
    if (pg.nypage < pg.nxpage && pg.iorient != 2) {
      dx = y * s;
      dy = x * s;
    } else {
      dx = x * s;
      dy = (static_cast<float>(pg.nypage) - y) * s;
    }
    return;
  }
  // Integer pixels (or twips), origin at the upper left, y downward.
  if (pg.iorient == 1) {
    dx = static_cast<int>(y * s + 0.5f);
    dy = static_cast<int>((static_cast<float>(pg.nxpage) - x) * s + 0.5f);
  } else {
    dx = static_cast<int>(x * s + 0.5f);
    dy = static_cast<int>(y * s + 0.5f);
  }
}

void xjdraw(PlotState& st, float x, float y, int code) {
  ++st.core.nvec;
  double dx = 0.0;
  double dy = 0.0;
  to_device_coordinates(st, x, y, dx, dy);
  st.page.device->move_draw(dx, dy, code);
}

}  // namespace plotix
